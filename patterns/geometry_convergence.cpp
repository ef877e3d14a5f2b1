// Geometry screens (grid and circles, edge frames and arrows, nested rectangles) and the convergence screens.

#include <algorithm>

#include "patterns/patterns.h"
#include "app/bounded_format.h"
#include "app/palette.h"
#include "patterns/toolkit.h"

namespace {

constexpr int kDotsMargin = 48;


void OutlineCircle(HDC hdc, int cx, int cy, int radius) {
    Ellipse(hdc, cx - radius, cy - radius, cx + radius, cy + radius);
}

// A 1-pixel frame `inset` pixels inside `rect`, made of four filled strips.
void DrawEdgeFrame(HDC hdc, const RECT* rect, int inset, COLORREF color) {
    const LONG l = rect->left + inset, t = rect->top + inset, r = rect->right - inset, b = rect->bottom - inset;
    const RECT strips[4] = {{l, t, r, t + 1}, {l, b - 1, r, b}, {l, t, l + 1, b}, {r - 1, t, r, b}};
    for (const RECT& strip : strips) FillColor(hdc, &strip, color);
}

// Arrow from the corner (x, y) along (dx, dy), with ticks and labels at 1 %, 2 % and 5 % of the smaller side.
void DrawCornerArrow(HDC hdc, int x, int y, int dx, int dy, int length, int smaller) {
    const int tipX = x + dx * length, tipY = y + dy * length;
    DrawLine(hdc, x, y, tipX, tipY);
    DrawLine(hdc, tipX, tipY, tipX - 8 * dx - 4 * dy, tipY - 8 * dy + 4 * dx);
    DrawLine(hdc, tipX, tipY, tipX - 8 * dx + 4 * dy, tipY - 8 * dy - 4 * dx);

    static const int percents[3] = {1, 2, 5};
    for (int percent : percents) {
        const int s = smaller * percent / 100;
        if (s >= length) continue;
        const int qx = x + dx * s, qy = y + dy * s;
        DrawLine(hdc, qx - 5 * dy, qy + 5 * dx, qx + 5 * dy, qy - 5 * dx);
        const int lx = qx + 16 * dx, ly = qy + 16 * dy;
        RECT box = {lx - 24, ly - 9, lx + 24, ly + 9};
        wchar_t text[8];
        FormatText(text, 8, L"%d%%", percent);
        DrawTextW(hdc, text, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

}  // namespace

void DrawGeometry1(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kWhite);
    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int smaller = std::min(r - l, b - t);
    int pitch = smaller / 24;
    if (pitch < 8) pitch = 8;

    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    for (int x = l; x < r; x += pitch) DrawLine(hdc, x, t, x, b);
    for (int y = t; y < b; y += pitch) DrawLine(hdc, l, y, r, y);

    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    OutlineCircle(hdc, (l + r) / 2, (t + b) / 2, 3 * smaller / 8);
    const int corner = smaller / 12;
    const int inset = 4 * corner / 3;
    OutlineCircle(hdc, l + inset, t + inset, corner);
    OutlineCircle(hdc, r - inset, t + inset, corner);
    OutlineCircle(hdc, l + inset, b - inset, corner);
    OutlineCircle(hdc, r - inset, b - inset, corner);

    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawGeometry2(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    DrawEdgeFrame(hdc, rect, 0, kWhite);
    DrawEdgeFrame(hdc, rect, 2, RGB(255, 0, 0));
    DrawEdgeFrame(hdc, rect, 4, RGB(0, 128, 255));

    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int smaller = std::min(r - l, b - t);
    const int length = smaller / 10;

    HPEN pen = CreatePen(PS_SOLID, 1, kWhite);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HFONT font = MakePixelFont(12, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kYellow);

    DrawCornerArrow(hdc, l, t, +1, +1, length, smaller);
    DrawCornerArrow(hdc, r - 1, t, -1, +1, length, smaller);
    DrawCornerArrow(hdc, l, b - 1, +1, -1, length, smaller);
    DrawCornerArrow(hdc, r - 1, b - 1, -1, -1, length, smaller);

    SelectObject(hdc, oldFont);
    DeleteObject(font);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawGeometry3(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    HPEN pen = CreatePen(PS_SOLID, 1, kWhite);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));

    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int width = r - l, height = b - t;
    const int smaller = std::min(width, height);
    int step = smaller / 20;
    if (step < 16) step = 16;
    for (int d = 0; d < width / 2 && d < height / 2; d += step) Rectangle(hdc, l + d, t + d, r - d, b - d);

    const int cx = (l + r) / 2, cy = (t + b) / 2;
    static const int eighths[4] = {7, 5, 3, 1};
    for (int k : eighths) {
        const int half = (smaller / 2) * k / 8;
        Rectangle(hdc, cx - half, cy - half, cx + half, cy + half);
    }

    DrawLine(hdc, l, t, r - 1, b - 1);
    DrawLine(hdc, r - 1, t, l, b - 1);

    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawConvergenceGrid(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    DrawHairlineGrid(hdc, rect, 16, 16, kWhite);
}

void DrawConvergenceDots(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int midX = l + (r - l) / 2, midY = t + (b - t) / 2;
    const int left = l + kDotsMargin, right = r - kDotsMargin;
    const int top = t + kDotsMargin, bottom = b - kDotsMargin;
    const POINT marks[9] = {{midX, midY}, {midX, top},  {midX, bottom},  {left, midY},    {right, midY},
                            {left, top},  {right, top}, {left, bottom}, {right, bottom}};
    for (const POINT& mark : marks) DrawConvergenceMark(hdc, mark.x, mark.y);
}

void DrawConvergencePluge(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
    const int height = b - t;
    const int barWidth = (r - l) / 21;
    const int barHeight = 3 * height / 4;

    HFONT font = MakePixelFont(12, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(180, 180, 180));
    for (int i = 0; i <= 20; ++i) {
        const int level = i * 255 / 20;
        const RECT bar = {l + i * barWidth, t, l + (i + 1) * barWidth, t + barHeight};
        FillColor(hdc, &bar, RGB(level, level, level));
        RECT labelBox = {bar.left, t + barHeight, bar.right, t + barHeight + height / 16};
        wchar_t text[8];
        FormatText(text, 8, L"%d%%", 5 * i);
        DrawTextW(hdc, text, -1, &labelBox, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);

    // Near-black patches on black and near-white patches on white, for setting black and white level.
    const int stripHeight = height / 8;
    const int stripTop = b - stripHeight;
    const int blockWidth = 3 * barWidth;
    const int patch = blockWidth / 7;
    const int patchTop = stripTop + stripHeight / 4, patchBottom = stripTop + 3 * stripHeight / 4;

    const RECT darkBlock = {l, stripTop, l + blockWidth, b};
    FillColor(hdc, &darkBlock, kBlack);
    static const int darkLevels[3] = {5, 10, 15};
    for (int j = 0; j < 3; ++j) {
        const RECT p = {l + (j + 2) * patch, patchTop, l + (j + 3) * patch, patchBottom};
        FillColor(hdc, &p, RGB(darkLevels[j], darkLevels[j], darkLevels[j]));
    }

    const RECT lightBlock = {r - blockWidth, stripTop, r, b};
    FillColor(hdc, &lightBlock, kWhite);
    static const int lightLevels[3] = {250, 245, 240};
    for (int k = 0; k < 3; ++k) {
        const RECT p = {r - (k + 3) * patch, patchTop, r - (k + 2) * patch, patchBottom};
        FillColor(hdc, &p, RGB(lightLevels[k], lightLevels[k], lightLevels[k]));
    }
}
