// Painting HDR screens into half-float frames by bands of identical rows.
#include "hdr/hdr_frame.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "hdr/half_float.h"

namespace {

constexpr uint16_t kHalfOne = 0x3C00u;

uint16_t Channel(double nits) { return FloatToHalf(static_cast<float>(nits / kScrgbOneNits)); }

// `rect` cut to the frame.
HdrRect Clipped(const HdrRect& rect, int width, int height) {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width), std::min(rect.bottom, height)};
}

uint16_t* RowOf(HdrFrame* frame, int y) { return frame->halves.data() + static_cast<size_t>(y) * frame->width * 4; }

// Pixels `from` to `to` of `row` set to `pixel`, eight bytes at a time.
void FillPixels(uint16_t* row, int from, int to, const HalfPixel& pixel) {
    for (int x = from; x < to; ++x) std::memcpy(row + 4 * x, pixel.channel, sizeof(pixel.channel));
}

// Composes the row of the band that starts at row `y`: background, then every patch that covers
// that row, in order.
void ComposeRow(const HdrScreen& screen, const std::vector<HdrRect>& clipped, const std::vector<HalfPixel>& pixels,
                const HalfPixel& background, int y, uint16_t* row) {
    FillPixels(row, 0, screen.width, background);
    for (size_t k = 0; k < clipped.size(); ++k) {
        const HdrRect& rect = clipped[k];
        if (IsEmpty(rect) || y < rect.top || y >= rect.bottom) continue;
        FillPixels(row, rect.left, rect.right, pixels[k]);
    }
}

}  // namespace

HalfPixel HalfPixelOf(const HdrColour& colour) {
    return {{Channel(colour.red), Channel(colour.green), Channel(colour.blue), kHalfOne}};
}

void PaintHdrScreen(const HdrScreen& screen, HdrFrame* frame) {
    const int width = std::max(screen.width, 0), height = std::max(screen.height, 0);
    frame->width = width;
    frame->height = height;
    frame->halves.resize(static_cast<size_t>(width) * height * 4);
    if (width == 0 || height == 0) return;

    std::vector<HdrRect> clipped;
    std::vector<HalfPixel> pixels;
    std::vector<int> edges = {0, height};
    for (const HdrPatch& patch : screen.patches) {
        clipped.push_back(Clipped(patch.rect, width, height));
        pixels.push_back(HalfPixelOf(patch.colour));
        if (!IsEmpty(clipped.back())) {
            edges.push_back(clipped.back().top);
            edges.push_back(clipped.back().bottom);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    const HalfPixel background = HalfPixelOf(screen.background);
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(HalfPixel);
    for (size_t band = 0; band + 1 < edges.size(); ++band) {
        uint16_t* first = RowOf(frame, edges[band]);
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
            uint16_t* pixel = RowOf(frame, y) + 4 * x;
            for (int channel = 0; channel < 3; ++channel) {
                const double under = HalfToFloat(pixel[channel]);
                pixel[channel] = FloatToHalf(static_cast<float>(under + (target[channel] - under) * share));
            }
        }
    }
}

std::vector<float> HdrFrameFloats(const HdrFrame& frame) {
    std::vector<float> floats(frame.halves.size());
    std::transform(frame.halves.begin(), frame.halves.end(), floats.begin(), HalfToFloat);
    return floats;
}
