// Offscreen pictures for GDI drawing read back pixel by pixel.
#include "patterns/offscreen.h"

BITMAPINFO TopDownDibInfo(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool CreateOffscreen(int width, int height, Offscreen* off) {
    *off = {};
    const BITMAPINFO info = TopDownDibInfo(width, height);
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return false;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return false;
    }
    *off = {dc, bitmap, SelectObject(dc, bitmap), static_cast<uint32_t*>(bits), width, height};
    return true;
}

void DeleteOffscreen(Offscreen* off) {
    if (off->dc == nullptr) return;
    SelectObject(off->dc, off->oldBitmap);
    DeleteObject(off->bitmap);
    DeleteDC(off->dc);
    *off = {};
}
