// Test canvas: a 32-bit top-down DIB section selected into a memory DC, painted by the code under
// test and read back pixel by pixel.
#pragma once
#include <windows.h>

#include <cstdint>

#include "tools/common/dib_canvas.h"

// The tools' canvas (dc, bits, width, height), made and freed with the test's scope.
struct Canvas : DibCanvas {
    Canvas(int w, int h);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    RECT Rect() const { return {0, 0, width, height}; }
    // Colour at (x, y) as a COLORREF (red in the low byte); asserts the point is on the canvas.
    COLORREF At(int x, int y) const;
    // Fills the whole canvas with one colour.
    void Clear(COLORREF color);
    // Number of pixels of `color` inside the rectangle (clipped to the canvas).
    int Count(const RECT& r, COLORREF color) const;
};
