// Test canvas backed by a DIB section.
#include "tests/support/canvas.h"

#include <gtest/gtest.h>


Canvas::Canvas(int w, int h) : DibCanvas() {
    EXPECT_TRUE(CreateDibCanvas(w, h, this)) << "no " << w << " x " << h << " canvas";
}

Canvas::~Canvas() { DeleteDibCanvas(this); }

COLORREF Canvas::At(int x, int y) const {
    EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << "(" << x << ", " << y << ") is off the canvas";
    if (x < 0 || x >= width || y < 0 || y >= height) return CLR_INVALID;
    GdiFlush();
    const uint32_t p = bits[static_cast<size_t>(y) * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void Canvas::Clear(COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    const RECT all = Rect();
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

int Canvas::Count(const RECT& r, COLORREF color) const {
    GdiFlush();
    int count = 0;
    for (int y = r.top < 0 ? 0 : r.top; y < r.bottom && y < height; ++y) {
        for (int x = r.left < 0 ? 0 : r.left; x < r.right && x < width; ++x) {
            const uint32_t p = bits[static_cast<size_t>(y) * width + x];
            if (RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == color) ++count;
        }
    }
    return count;
}
