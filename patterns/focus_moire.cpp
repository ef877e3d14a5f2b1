// Focus screens (line pairs, fine grid, Siemens stars) and moire screens (circles, fine grid, sine wave).
#include <math.h>

#include <algorithm>

#include "patterns/patterns.h"
#include "app/palette.h"
#include "patterns/paint_cancel.h"
#include "patterns/toolkit.h"

namespace {

constexpr COLORREF kGray128 = RGB(128, 128, 128);
// The sine wave's phase uses this shorter value of pi; it decides where the curve's pixels land.
constexpr double kWavePi = 3.14159265;


// Lines every `pitch` pixels from the left and top edges, the last at most `stopShort` pixels
// before the right or bottom edge.
void DrawLineGrid(HDC hdc, const RECT* rect, int pitch, int stopShort) {
    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    for (int x = l; x <= r - stopShort; x += pitch) DrawLine(hdc, x, t, x, b);
    for (int y = t; y <= b - stopShort; y += pitch) DrawLine(hdc, l, y, r, y);
}

}  // namespace

void DrawFocusLines(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kWhite);
    const LONG l = rect->left, t = rect->top, r = rect->right;
    const int band = (rect->bottom - t) / 8;

    DrawHairlineGrid(hdc, rect, 2, 0, kBlack);
    const RECT bandRect = {l, t, r, t + band};
    FillRect(hdc, &bandRect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawHairlineGrid(hdc, &bandRect, 0, 2, kBlack);

    HPEN pen = CreatePen(PS_SOLID, 2, kBlack);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    DrawLine(hdc, l, t + band, r, t + band);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawFocusGrid(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kWhite);
    HPEN black = CreatePen(PS_SOLID, 1, kBlack);
    HGDIOBJ oldPen = SelectObject(hdc, black);
    // A line that falls on the right or bottom edge lies outside the rectangle and paints nothing.
    DrawLineGrid(hdc, rect, 8, 0);

    HPEN gray = CreatePen(PS_SOLID, 1, kGray128);
    SelectObject(hdc, gray);
    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int cx = (l + r) / 2, cy = (t + b) / 2;
    DrawLine(hdc, l, cy, r, cy);
    DrawLine(hdc, cx, t, cx, b);

    SelectObject(hdc, oldPen);
    DeleteObject(black);
    DeleteObject(gray);
}

void DrawFocusSiemens(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kWhite);
    const LONG l = rect->left, t = rect->top;
    const int width = rect->right - l, height = rect->bottom - t;
    const int cx = l + width / 2, cy = t + height / 2;
    const int mainRadius = std::min(width, height) * 30 / 100;
    DrawSiemensStar(hdc, cx, cy, mainRadius, 36);

    HPEN pen = CreatePen(PS_SOLID, 1, kGray128);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    const int ring = 3 * mainRadius / 4;
    Ellipse(hdc, cx - ring, cy - ring, cx + ring + 1, cy + ring + 1);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);

    const int margin = width / 64;
    const int small = 6 * height / 100;
    DrawSiemensStar(hdc, cx, t + margin + small, small, 24);
    DrawSiemensStar(hdc, cx, t + height - margin - small, small, 24);
    DrawSiemensStar(hdc, l + margin + small, cy, small, 24);
    DrawSiemensStar(hdc, l + width - margin - small, cy, small, 24);
}

void DrawMoire1(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kGray128);
    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int cx = (l + r) / 2, cy = (t + b) / 2;
    const int limit = std::min(r - l, b - t) / 2;

    HPEN pen = CreatePen(PS_SOLID, 2, kWhite);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    // A wide pen's circle takes tens of milliseconds at 3840 x 2160 and hundreds at 7680 x 4320: a
    // painter whose run has ended gives up between two circles instead of drawing the rest.
    for (int radius = 12; radius < limit && !PaintGivenUp(); radius += 12) {
        Ellipse(hdc, cx - radius, cy - radius, cx + radius, cy + radius);
    }
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawMoire2(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, RGB(192, 192, 192));
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    DrawLineGrid(hdc, rect, 4, 1);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawMoire3(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, RGB(100, 100, 100));
    const LONG l = rect->left, t = rect->top, r = rect->right;
    const int width = r - l, height = rect->bottom - t;
    const int amplitude = height / 6;

    HPEN pen = CreatePen(PS_SOLID, 2, kYellow);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    for (LONG x = l; x < r; ++x) {
        const double phase = (static_cast<double>(x - l) / width) * 2 * kWavePi * 4;
        // Positive sine adds to y, so the wave first swings down the screen.
        const int y = t + height / 2 + static_cast<int>(amplitude * sin(phase));
        if (x == l) {
            MoveToEx(hdc, x, y, nullptr);
        } else {
            LineTo(hdc, x, y);
        }
    }
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}
