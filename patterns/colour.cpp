// Colour screens: colour bars with primary gradients and grey steps, and the three channel ramps.
#include <windows.h>

#include "patterns/colour.h"
#include "app/bounded_format.h"
#include "app/palette.h"
#include "patterns/patterns.h"
#include "patterns/toolkit.h"

namespace {

// Saturated bar colours, left to right: blue, cyan, magenta, rose, red, orange, yellow, green.
const COLORREF bars[8] = {
    RGB(0, 0, 255), RGB(0, 255, 255), RGB(255, 0, 255), RGB(255, 0, 128),
    RGB(255, 0, 0), RGB(255, 128, 0), RGB(255, 255, 0), RGB(0, 255, 0),
};

// Full-intensity end colours of the gradient rows (red, green, blue), 16 bits per channel.
struct Channel16 {
    COLOR16 red, green, blue;
};
const Channel16 gradientColors[3] = {{0xFFFF, 0, 0}, {0, 0xFFFF, 0}, {0, 0, 0xFFFF}};

constexpr int kGreySteps = 11;

TRIVERTEX Vertex(int x, int y, const Channel16& c) {
    TRIVERTEX v = {};
    v.x = x;
    v.y = y;
    v.Red = c.red;
    v.Green = c.green;
    v.Blue = c.blue;
    return v;
}

// One horizontal linear gradient from `from` at the left edge to `to` at the right edge.
void GradientRun(HDC hdc, int left, int top, int right, int bottom, const Channel16& from, const Channel16& to) {
    TRIVERTEX vertices[2] = {Vertex(left, top, from), Vertex(right, bottom, to)};
    GRADIENT_RECT joint = {0, 1};
    GradientFill(hdc, vertices, 2, &joint, 1, GRADIENT_FILL_RECT_H);
}

void DrawColourBars(HDC hdc, int x0, int span, int y0, int bh) {
    const int bw = span / 8;
    for (int i = 0; i < 8; ++i) {
        const RECT bar = {x0 + i * bw, y0, x0 + (i + 1) * bw, y0 + bh};
        FillColor(hdc, &bar, bars[i]);
    }
}

void DrawGradientRows(HDC hdc, int x0, int span, int gy, int gh) {
    const Channel16 black = {0, 0, 0};
    const int xm = x0 + span / 2;
    for (int k = 0; k < 3; ++k) {
        const int ya = gy + k * gh;
        const int yb = ya + gh;
        GradientRun(hdc, x0, ya, xm, yb, black, gradientColors[k]);
        GradientRun(hdc, xm, ya, x0 + span, yb, gradientColors[k], black);
    }
}

void DrawGreySteps(HDC hdc, int x0, int span, int yg, int sh) {
    const int sw = span / kGreySteps;
    HFONT font = MakePixelFont(12, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    for (int j = 0; j < kGreySteps; ++j) {
        const int v = (j * 255) / 10;
        RECT step = {x0 + j * sw, yg, x0 + (j + 1) * sw, yg + sh};
        FillColor(hdc, &step, RGB(v, v, v));
        wchar_t label[8];
        FormatText(label, 8, L"%d%%", j * 10);
        // Dark labels on the five light steps, light grey on the six dark ones.
        SetTextColor(hdc, v > 128 ? kBlack : RGB(200, 200, 200));
        DrawTextW(hdc, label, -1, &step, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

}  // namespace

void DrawColorsSuite(HDC hdc, const RECT* rc) {
    const int W = rc->right - rc->left;
    const int H = rc->bottom - rc->top;
    FillColor(hdc, rc, kBlack);
    const int x0 = rc->left + W / 8;
    const int span = (rc->right - W / 8) - x0;

    const int y0 = rc->top + H / 8;
    const int bh = H / 5;
    DrawColourBars(hdc, x0, span, y0, bh);

    const int gy = y0 + bh + H / 24;
    const int gh = H / 12;
    DrawGradientRows(hdc, x0, span, gy, gh);

    DrawGreySteps(hdc, x0, span, gy + 3 * gh + H / 24, H / 6);
}

void DrawChannelRamp(HDC hdc, const RECT* rc, int channel) {
    const int W = rc->right - rc->left;
    // With no width the one-pixel minimum band would land outside the rectangle.
    if (W <= 0) return;
    const double bw = W / 256.0;
    for (int i = 0; i < 256; ++i) {
        const int left = rc->left + static_cast<int>(i * bw);
        int right = rc->left + static_cast<int>((i + 1) * bw);
        if (right <= left) right = left + 1;
        const RECT band = {left, rc->top, right, rc->bottom};
        const COLORREF colour = channel == 0 ? RGB(i, 0, 0) : channel == 1 ? RGB(0, i, 0) : RGB(0, 0, i);
        FillColor(hdc, &band, colour);
    }
}

void DrawRampRed(HDC hdc, const RECT* rc) { DrawChannelRamp(hdc, rc, 0); }

void DrawRampGreen(HDC hdc, const RECT* rc) { DrawChannelRamp(hdc, rc, 1); }

void DrawRampBlue(HDC hdc, const RECT* rc) { DrawChannelRamp(hdc, rc, 2); }
