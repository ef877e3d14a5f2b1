// A top-down 32-bit DIB section of its own, selected into a memory DC: pictures drawn with GDI and
// then read or written pixel by pixel.
#pragma once
#include <windows.h>

#include <stdint.h>

struct Offscreen {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    uint32_t* bits;  // 0x00RRGGBB, rows top-down
    int width, height;
};

// The header of a top-down 32-bit BI_RGB picture, width x height (0x00RRGGBB pixels, row 0 at the top).
BITMAPINFO TopDownDibInfo(int width, int height);

// Makes a width x height offscreen picture; false (and `off` empty) where GDI gives none.
bool CreateOffscreen(int width, int height, Offscreen* off);

// Frees it; an empty one is left alone.
void DeleteOffscreen(Offscreen* off);
