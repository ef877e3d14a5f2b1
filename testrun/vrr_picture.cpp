// The variable-refresh screens' first frames, from the same pixels the swap chain shows.
#include "testrun/vrr_picture.h"

#include <vector>

#include "patterns/offscreen.h"
#include "testrun/vrr_frame.h"

void DrawVrrStill(HDC hdc, const RECT* rc, VrrScreen screen) {
    const int width = rc->right - rc->left, height = rc->bottom - rc->top;
    if (width <= 0 || height <= 0) return;
    const int stride = VrrBackdropWidth(screen, width);
    std::vector<uint32_t> pixels(static_cast<size_t>(stride) * height);
    FillVrrBackdrop(screen, width, height, pixels.data());
    const int offset = screen == kVrrScreenSweep ? VrrScrollOffset(0) : 0;
    if (screen == kVrrScreenSweep) {
        const VrrLayout l = LayOutVrrScreen(width, height);
        const int left = offset + VrrBlockLeft(width, l.blockSide, 0);
        for (int y = l.blockTop; y < l.blockTop + l.blockSide && y < height; ++y) {
            for (int x = left; x < left + l.blockSide && x < stride; ++x) pixels[static_cast<size_t>(y) * stride + x] = kVrrWhite;
        }
    }
    const BITMAPINFO info = TopDownDibInfo(stride, height);
    SetDIBitsToDevice(hdc, rc->left, rc->top, width, height, offset, 0, 0, height, pixels.data(), &info,
                      DIB_RGB_COLORS);
}

void DrawVrrSweep(HDC hdc, const RECT* rc) { DrawVrrStill(hdc, rc, kVrrScreenSweep); }

void DrawVrrFlicker(HDC hdc, const RECT* rc) { DrawVrrStill(hdc, rc, kVrrScreenFlicker); }
