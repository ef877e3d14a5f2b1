// Drawing helpers shared by the test screens.
#include "patterns/toolkit.h"
#include "app/palette.h"

#include <math.h>

#include <initializer_list>

namespace {

constexpr double kPi = 3.141592653589793;

HFONT CreatePatternFont(int height, int weight, DWORD quality, const wchar_t* face) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_DONTCARE, face);
}

// Point at `angle` radians on a circle of `radius` around (cx, cy), each offset truncated toward zero.
POINT OnCircle(int cx, int cy, double radius, double angle) {
    return {cx + static_cast<LONG>(radius * cos(angle)), cy + static_cast<LONG>(radius * sin(angle))};
}

}  // namespace

void DrawLine(HDC hdc, int x0, int y0, int x1, int y1) {
    MoveToEx(hdc, x0, y0, nullptr);
    LineTo(hdc, x1, y1);
}

void FillColor(HDC hdc, const RECT* rect, COLORREF color) {
    // FillRect would paint an inverted rectangle as if its corners were swapped.
    if (rect->right <= rect->left || rect->bottom <= rect->top) return;
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, rect, brush);
    DeleteObject(brush);
}

void DrawHairlineGrid(HDC hdc, const RECT* rect, int stepX, int stepY, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    for (LONG x = rect->left; stepX > 0 && x < rect->right; x += stepX) {
        const RECT column = {x, rect->top, x + 1, rect->bottom};
        FillRect(hdc, &column, brush);
    }
    for (LONG y = rect->top; stepY > 0 && y < rect->bottom; y += stepY) {
        const RECT row = {rect->left, y, rect->right, y + 1};
        FillRect(hdc, &row, brush);
    }
    DeleteObject(brush);
}

void BlendColor(HDC hdc, const RECT* rect, COLORREF color, BYTE alpha) {
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    HDC memory = CreateCompatibleDC(hdc);
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    const RECT whole = {0, 0, width, height};
    FillColor(memory, &whole, color);
    const BLENDFUNCTION blend = {AC_SRC_OVER, 0, alpha, 0};
    AlphaBlend(hdc, rect->left, rect->top, width, height, memory, 0, 0, width, height, blend);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

namespace {

int g_panelDpi = 96;

}  // namespace

void SetPanelDpi(int dpi) {
    g_panelDpi = dpi > 0 ? dpi : 96;
}

int PanelDpi() {
    return g_panelDpi;
}

int ScaleForPanel(int size) {
    return MulDiv(size, g_panelDpi, 96);
}

HFONT MakePanelFont(int size, int weight) {
    return MakePixelFont(ScaleForPanel(size), weight);
}

HFONT MakePixelFont(int height, int weight) {
    HFONT font = CreatePatternFont(height, weight, CLEARTYPE_QUALITY, kUiFace);
    if (font == nullptr) font = CreatePatternFont(height, weight, DEFAULT_QUALITY, kFallbackFace);
    return font;
}

void GradientGray(HDC hdc, const RECT* rect, unsigned long mode) {
    TRIVERTEX vertices[2] = {};
    vertices[0].x = rect->left;
    vertices[0].y = rect->top;
    vertices[1].x = rect->right;
    vertices[1].y = rect->bottom;
    vertices[1].Red = 0xFFFF;
    vertices[1].Green = 0xFFFF;
    vertices[1].Blue = 0xFFFF;
    GRADIENT_RECT joint = {0, 1};
    GradientFill(hdc, vertices, 2, &joint, 1, mode);
}

void DrawConvergenceMark(HDC hdc, int x, int y) {
    const RECT arms[4] = {
        {x - 21, y, x - 2, y + 1},   // left
        {x + 3, y, x + 22, y + 1},   // right
        {x, y - 21, x + 1, y - 2},   // up
        {x, y + 3, x + 1, y + 22},   // down
    };
    for (const RECT& arm : arms) FillColor(hdc, &arm, kWhite);

    HPEN pen = CreatePen(PS_SOLID, 1, kWhite);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    for (int radius : {6, 12, 18}) Ellipse(hdc, x - radius, y - radius, x + radius + 1, y + radius + 1);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);

    for (int k = -5; k <= 5; ++k) {
        SetPixel(hdc, x + 4 * k, y - 30, kWhite);
        SetPixel(hdc, x + 4 * k, y + 30, kWhite);
    }
}

void DrawSiemensStar(HDC hdc, int cx, int cy, int radius, int wedges) {
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    // No wedges means no division either: the star is then just its circles and centre disc.
    const double step = wedges > 0 ? kPi / wedges : 0.0;
    const double r = radius;
    for (int i = 0; i < wedges; ++i) {
        const double a0 = 2 * i * step - kPi / 2;
        const double a1 = (2 * i + 1) * step - kPi / 2;
        const POINT wedge[3] = {{cx, cy}, OnCircle(cx, cy, r, a0), OnCircle(cx, cy, r, a1)};
        Polygon(hdc, wedge, 3);
    }

    SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    SelectObject(hdc, pen);
    const int half = radius / 2;
    Ellipse(hdc, cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
    Ellipse(hdc, cx - half, cy - half, cx + half + 1, cy + half + 1);

    const int disc = radius / 64 > 2 ? radius / 64 : 2;
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    Ellipse(hdc, cx - disc, cy - disc, cx + disc + 1, cy + disc + 1);

    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    DeleteObject(pen);
}

void FillTiled(HDC hdc, const RECT* rect, TileColour colourAt) {
    if (rect->right <= rect->left || rect->bottom <= rect->top) return;
    constexpr int kTile = 24;  // a multiple of every period the screens use: 1, 2, 3, 4 and 8
    struct {
        BITMAPINFOHEADER header;
        DWORD pixels[kTile * kTile];
    } dib = {};
    dib.header.biSize = sizeof(dib.header);
    dib.header.biWidth = kTile;
    dib.header.biHeight = -kTile;  // top-down, so row 0 is y = 0
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 32;
    dib.header.biCompression = BI_RGB;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const COLORREF c = colourAt(x, y);
            dib.pixels[y * kTile + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    HBRUSH brush = CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
    if (brush == nullptr) return;
    POINT oldOrigin;
    SetBrushOrgEx(hdc, 0, 0, &oldOrigin);
    FillRect(hdc, rect, brush);
    SetBrushOrgEx(hdc, oldOrigin.x, oldOrigin.y, nullptr);
    DeleteObject(brush);
}
