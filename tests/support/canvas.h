// Test canvas: a 32-bit top-down DIB section selected into a memory DC, painted by the code under
// test and read back pixel by pixel.
#pragma once
#include <windows.h>

#include <cstdint>

struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    uint32_t* bits = nullptr;  // 0x00RRGGBB per pixel, rows top to bottom
    int width = 0;
    int height = 0;

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
    // Writes the canvas as a PNG-convertible 24-bit BMP (for looking at a failure).
    bool SaveBmp(const char* path) const;
};
