// Painting HDR screens into half-float frames by bands of identical rows.
#include "hdr/hdr_frame.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "hdr/half_float.h"

namespace {

constexpr uint16_t kHalfOne = 0x3C00u;

uint64_t Channel(double nits) { return FloatToHalf(static_cast<float>(nits / kScrgbOneNits)); }

// `rect` cut to the frame.
HdrRect Clipped(const HdrRect& rect, int width, int height) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width), std::min(rect.bottom, height)};
}

uint64_t* RowOf(HdrFrame* frame, int y) { return frame->pixels.data() + static_cast<size_t>(y) * frame->width; }

// `pixel` with the channel at `shift` bits replaced by `half`.
uint64_t WithHalf(uint64_t pixel, unsigned shift, uint16_t half) {
    return (pixel & ~(uint64_t{0xFFFFu} << shift)) | static_cast<uint64_t>(half) << shift;
}

// Composes the row of the band that starts at row `y`: background, then every patch that covers
// that row, in order.
void ComposeRow(const HdrScreen& screen, const std::vector<HdrRect>& clipped, const std::vector<uint64_t>& pixels,
                uint64_t background, int y, uint64_t* row) {
    std::fill(row, row + screen.width, background);
    for (size_t k = 0; k < clipped.size(); ++k) {
        const HdrRect& rect = clipped[k];
        if (IsEmpty(rect) || y < rect.top || y >= rect.bottom) continue;
        std::fill(row + rect.left, row + rect.right, pixels[k]);
    }
}

}  // namespace

uint64_t PackedPixel(const HdrColour& colour) {
    return Channel(colour.red) | Channel(colour.green) << 16 | Channel(colour.blue) << 32 |
           static_cast<uint64_t>(kHalfOne) << 48;
}

void PaintHdrScreen(const HdrScreen& screen, HdrFrame* frame) {
    const int width = std::max(screen.width, 0), height = std::max(screen.height, 0);
    frame->width = width;
    frame->height = height;
    frame->pixels.resize(static_cast<size_t>(width) * height);
    if (width == 0 || height == 0) return;

    std::vector<HdrRect> clipped;
    std::vector<uint64_t> pixels;
    std::vector<int> edges = {0, height};
    for (const HdrPatch& patch : screen.patches) {
        clipped.push_back(Clipped(patch.rect, width, height));
        pixels.push_back(PackedPixel(patch.colour));
        if (!IsEmpty(clipped.back())) {
            edges.push_back(clipped.back().top);
            edges.push_back(clipped.back().bottom);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    const uint64_t background = PackedPixel(screen.background);
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint64_t);
    for (size_t band = 0; band + 1 < edges.size(); ++band) {
        uint64_t* first = RowOf(frame, edges[band]);
        ComposeRow(screen, clipped, pixels, background, edges[band], first);
        for (int y = edges[band] + 1; y < edges[band + 1]; ++y) std::memcpy(RowOf(frame, y), first, rowBytes);
    }
}

void PaintCoverage(HdrFrame* frame, const HdrRect& rect, const uint8_t* coverage, int stride,
                   const HdrColour& colour) {
    const HdrRect area = Clipped(rect, frame->width, frame->height);
    const double target[3] = {colour.red / kScrgbOneNits, colour.green / kScrgbOneNits, colour.blue / kScrgbOneNits};
    for (int y = area.top; y < area.bottom; ++y) {
        const uint8_t* source = coverage + static_cast<std::ptrdiff_t>(y - rect.top) * stride;
        for (int x = area.left; x < area.right; ++x) {
            const double share = source[x - rect.left] / 255.0;
            if (share == 0.0) continue;
            uint64_t& pixel = RowOf(frame, y)[x];
            for (unsigned channel = 0; channel < 3; ++channel) {
                const double under = HalfToFloat(static_cast<uint16_t>(pixel >> (16 * channel)));
                const float blended = static_cast<float>(under + (target[channel] - under) * share);
                pixel = WithHalf(pixel, 16 * channel, FloatToHalf(blended));
            }
        }
    }
}

std::vector<float> HdrFrameFloats(const HdrFrame& frame) {
    std::vector<float> floats;
    floats.reserve(frame.pixels.size() * 4);
    for (uint64_t pixel : frame.pixels) {
        for (int channel = 0; channel < 4; ++channel) {
            floats.push_back(HalfToFloat(static_cast<uint16_t>(pixel >> (16 * channel))));
        }
    }
    return floats;
}
