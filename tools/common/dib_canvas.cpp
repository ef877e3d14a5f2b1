// A 32-bit DIB section in a memory DC, for painting screens off the glass.
#include "tools/common/dib_canvas.h"

int CreateDibCanvas(int width, int height, DibCanvas* canvas) {
    *canvas = {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return 0;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return 0;
    }
    // A new DIB section is all zero bytes: black.
    *canvas = {dc, bitmap, SelectObject(dc, bitmap), static_cast<uint32_t*>(bits), width, height};
    return 1;
}

void DeleteDibCanvas(DibCanvas* canvas) {
    if (canvas->dc == nullptr) return;
    SelectObject(canvas->dc, canvas->oldBitmap);
    DeleteObject(canvas->bitmap);
    DeleteDC(canvas->dc);
    *canvas = {};
}
