// The variable-refresh screens' first frames, from the same pixels the swap chain shows.
#include "testrun/vrr_picture.h"

#include <vector>

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
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = stride;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(hdc, rc->left, rc->top, width, height, offset, 0, 0, height, pixels.data(), &info,
                      DIB_RGB_COLORS);
}

void DrawVrrSweep(HDC hdc, const RECT* rc) { DrawVrrStill(hdc, rc, kVrrScreenSweep); }

void DrawVrrFlicker(HDC hdc, const RECT* rc) { DrawVrrStill(hdc, rc, kVrrScreenFlicker); }
