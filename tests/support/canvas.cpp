// Test canvas backed by a DIB section.
#include "tests/support/canvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

Canvas::Canvas(int w, int h) : width(w), height(h) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    dc = CreateCompatibleDC(nullptr);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<uint32_t*>(pixels);
    oldBitmap = SelectObject(dc, bitmap);
}

Canvas::~Canvas() {
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

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

bool Canvas::SaveBmp(const char* path) const {
    GdiFlush();
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + rowBytes * height;
    FILE* out = fopen(path, "wb");
    if (out == nullptr) return false;
    fwrite(&file, sizeof(file), 1, out);
    fwrite(&header, sizeof(header), 1, out);
    std::vector<unsigned char> row(rowBytes);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t p = bits[static_cast<size_t>(y) * width + x];
            row[x * 3] = p & 0xFF;
            row[x * 3 + 1] = (p >> 8) & 0xFF;
            row[x * 3 + 2] = (p >> 16) & 0xFF;
        }
        fwrite(row.data(), 1, rowBytes, out);
    }
    return fclose(out) == 0;
}
