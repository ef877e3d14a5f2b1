// The CPU-built frame of an HDR screen: half-float scRGB pixels as an R16G16B16A16_FLOAT back
// buffer takes them, painted from a screen's background and patches.
// Plain standard C++ (no Windows headers).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// scRGB's 1.0: 80 cd/m², so 10 000 cd/m² is 125.0.
constexpr double kScrgbOneNits = 80.0;
// White of the labels and markers, drawn as standard-range white (scRGB 1.0).
constexpr double kSdrWhiteNits = kScrgbOneNits;

// Pixel rectangle, right and bottom exclusive; empty when right <= left or bottom <= top.
struct HdrRect {
    int left, top, right, bottom;
};

// Linear light in cd/m² per channel, on BT.709 primaries (scRGB times 80); a channel may be
// negative for a colour outside sRGB.
struct HdrColour {
    double red, green, blue;
};

// One uniform area of a screen. `nits` is the luminance the screen asks for there (what its label
// says); `label` is where the Windows side writes that label, empty where the area has none.
struct HdrPatch {
    HdrRect rect;
    HdrColour colour;
    double nits;
    HdrRect label;
};

// A whole screen: a background and the patches painted over it in order (later ones on top), and
// the rectangles of captions that belong to no single patch. The labels and captions are drawn
// by the Windows side, after the frame, at standard-range white on what lies beneath.
struct HdrScreen {
    int width, height;
    HdrColour background;
    std::vector<HdrPatch> patches;
    std::vector<HdrRect> captions;
};

// Width x height pixels of four halves each (R, G, B, A = 1.0), rows top-down, as
// R16G16B16A16_FLOAT holds them: the presenter uploads `halves.data()` with a pitch of width * 8.
struct HdrFrame {
    int width = 0, height = 0;
    std::vector<uint16_t> halves;
};

// One pixel's four halves, R, G, B, A.
struct HalfPixel {
    uint16_t channel[4];
};

enum HdrChannel { kHdrRed, kHdrGreen, kHdrBlue, kHdrAlpha };

// The half of `channel` at pixel (x, y), which must lie in the frame.
inline uint16_t HalfAt(const HdrFrame& frame, int x, int y, HdrChannel channel) {
    return frame.halves[(static_cast<size_t>(y) * frame.width + x) * 4 + channel];
}

inline HdrColour Grey(double nits) { return {nits, nits, nits}; }
inline bool IsEmpty(const HdrRect& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

// One pixel of `colour` in scRGB halves, alpha 1.0.
HalfPixel HalfPixelOf(const HdrColour& colour);

// Paints `screen` into `frame`, reusing its memory when the size is unchanged. Each band of rows
// crossed by the same patches is composed once and copied, and each colour is converted once.
void PaintHdrScreen(const HdrScreen& screen, HdrFrame* frame);

// Writes text or other coverage over `rect` of a painted frame: `coverage` holds one byte per
// pixel of `rect` (0 leaves the pixel, 255 gives `colour`, between in linear proportion), rows
// `stride` bytes apart. The part of `rect` outside the frame is left out.
void PaintCoverage(HdrFrame* frame, const HdrRect& rect, const uint8_t* coverage, int stride,
                   const HdrColour& colour);

// The frame as 32-bit floats, R, G, B, A per pixel, rows top-down (scRGB: 1.0 = 80 cd/m²), for files.
std::vector<float> HdrFrameFloats(const HdrFrame& frame);
