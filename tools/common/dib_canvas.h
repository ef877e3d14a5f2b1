// A top-down 32-bit DIB section selected into a memory DC: what the tools and the tests paint the
// screens into and read back pixel by pixel.
#pragma once
#include <windows.h>

#include <cstdint>

struct DibCanvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    uint32_t* bits;  // 0x00RRGGBB per pixel, rows top to bottom
    int width;
    int height;
};

// Makes a `width` x `height` canvas, black like a freshly erased window. Returns nonzero on
// success; on failure nothing is left allocated and the handles are null.
int CreateDibCanvas(int width, int height, DibCanvas* canvas);

void DeleteDibCanvas(DibCanvas* canvas);
