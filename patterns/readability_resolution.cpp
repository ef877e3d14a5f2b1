// Readability screens (running text) and resolution screens (line pairs, wedge, text sizes).
#include <windows.h>

#include <climits>
#include <cstdlib>
#include <cwchar>

#include "app/bounded_format.h"
#include "app/palette.h"
#include "patterns/patterns.h"
#include "patterns/readability.h"
#include "patterns/screen_text.h"
#include "patterns/text_fill.h"
#include "patterns/toolkit.h"

namespace {

constexpr COLORREF kLabelGray = RGB(120, 120, 120);

// Readability quadrants, top-left, top-right, bottom-left, bottom-right.
const COLORREF bg[4] = {kBlack, kWhite, kWhite, kBlack};
const COLORREF fg[4] = {kWhite, kBlack, kBlack, kWhite};

// Full period (one black and one white line) of each line-pair block, left to right.
const int burstPeriods[6] = {16, 12, 8, 6, 4, 2};
constexpr int kBurstGap = 14;

// Line spacings marked under the wedge.
const int wedgeLabels[6] = {12, 8, 6, 4, 3, 2};
constexpr int kWedgeMargin = 8;
constexpr int kWedgeLinesPerHalf = 14;
constexpr int kSeriesLines = 40;
constexpr double kSeriesStartPitch = 2400.0;  // pixels per unit of t at the left end
constexpr double kSeriesEndPitch = 40.0;      // and at the right end

// Font sizes of the pixel-text table, left column top to bottom, then the right column.
const int sizes[14] = {32, 28, 24, 21, 18, 16, 14, 12, 11, 10, 9, 8, 7, 5};
constexpr int kPixelTextRows = 7;
constexpr int kGridPitch = 8;

// Doubles become pixel coordinates by adding a half and truncating toward zero.
int RoundPixel(double v) { return static_cast<int>(v + 0.5); }

void DrawBurstBlock(HDC hdc, int x0, int bw, int y1, int y2, int y3, int y4, int period) {
    const int half = period / 2;
    const int right = x0 + bw;
    for (int x = x0; x < right; x += period) {
        const RECT bar = {x, y1, x + half < right ? x + half : right, y2};
        FillColor(hdc, &bar, kBlack);
    }
    for (int y = y3; y < y4; y += period) {
        const RECT bar = {x0, y, right, y + half < y4 ? y + half : y4};
        FillColor(hdc, &bar, kBlack);
    }
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    const RECT upper = {x0, y1, right, y2};
    const RECT lower = {x0, y3, right, y4};
    FrameRect(hdc, &upper, black);
    FrameRect(hdc, &lower, black);
}

void DrawWedgeFan(HDC hdc, const RECT* rc, double mid, double s) {
    const int left = rc->left + kWedgeMargin;
    const int right = rc->right - kWedgeMargin;
    for (int i = 1; i <= kWedgeLinesPerHalf; ++i) {
        // At the right end the lines are one pixel apart and in reverse order, so they cross.
        const double yl = mid - s * i;
        const double yr = mid - (kWedgeLinesPerHalf - i);
        DrawLine(hdc, left, RoundPixel(yl), right, RoundPixel(yr));
        DrawLine(hdc, left, RoundPixel(2 * mid - yl), right, RoundPixel(2 * mid - yr));
    }
}

void DrawWedgeLabels(HDC hdc, const RECT* rc, double s, int yB) {
    const int W = rc->right - rc->left;
    const int H = rc->bottom - rc->top;
    HFONT font = MakePixelFont(12, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabelGray);
    for (int spacing : wedgeLabels) {
        // Where the local line spacing, s at the left and 1 at the right, equals the label.
        const double u = (s - spacing) / (s - 1.0);
        if (u < 0 || u > 1) continue;
        const int x = rc->left + kWedgeMargin + static_cast<int>(u * (W - 2 * kWedgeMargin));
        DrawLine(hdc, x, yB - 12, x, yB);
        wchar_t label[16];
        FormatText(label, 16, L"%d", spacing);
        RECT box = {x - 30, yB + 2, x + 30, yB + H / 40};
        DrawTextW(hdc, label, -1, &box, DT_SINGLELINE | DT_CENTER);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawWedgeSeries(HDC hdc, const RECT* rc, int yC, int yD) {
    const double start = rc->left + kWedgeMargin;
    for (int j = 0; j < kSeriesLines; ++j) {
        // Pitch falls linearly from 2400/39 to 40/39 pixels, so the series spans 1220 pixels.
        const double t = j / 39.0;
        const double x = start + kSeriesStartPitch * t + (kSeriesEndPitch - kSeriesStartPitch) * t * t / 2.0;
        DrawLine(hdc, RoundPixel(x), yC, RoundPixel(x), yD);
    }
    // Carries on from the series' last line at the finest pitch up to the right margin.
    for (double x = start + kSeriesStartPitch / 2.0 + kSeriesEndPitch / 2.0; x < rc->right - kWedgeMargin;
         x += 2.0) {
        DrawLine(hdc, RoundPixel(x), yC, RoundPixel(x), yD);
    }
}

void DrawGrid(HDC hdc, const RECT* rc) { DrawHairlineGrid(hdc, rc, kGridPitch, kGridPitch, RGB(228, 228, 228)); }

void DrawPixelTextCell(HDC hdc, const RECT& cell, int size) {
    HFONT labelFont = MakePixelFont(11, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, labelFont);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(150, 150, 150));
    wchar_t label[16];
    FormatText(label, 16, L"%d", size);
    RECT labelBox = {cell.left + 4, cell.top, cell.left + 44, cell.bottom};
    DrawTextW(hdc, label, -1, &labelBox, DT_SINGLELINE | DT_VCENTER);
    SelectObject(hdc, oldFont);
    DeleteObject(labelFont);

    HFONT sampleFont = MakePixelFont(size, FW_NORMAL);
    oldFont = SelectObject(hdc, sampleFont);
    SetTextColor(hdc, kBlack);
    RECT sampleBox = {cell.left + 48, cell.top, cell.right - 4, cell.bottom};
    DrawTextW(hdc, ScreenText(STR_PANGRAM), -1, &sampleBox, DT_WORDBREAK);
    SelectObject(hdc, oldFont);
    DeleteObject(sampleFont);
}

}  // namespace

void DrawSampleFill(HDC hdc, const RECT* rc, COLORREF background, COLORREF textColour, const wchar_t* sample) {
    FillColor(hdc, rc, background);
    HFONT font = MakePixelFont(17, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetTextColor(hdc, textColour);
    SetBkMode(hdc, TRANSPARENT);

    const wchar_t* one = sample != nullptr ? sample : L"";
    const size_t oneLength = wcslen(one);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(hdc, &metrics);
    int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    if (lineHeight < 1) lineHeight = 1;
    SIZE extent = {};
    if (oneLength > 0) GetTextExtentPoint32W(hdc, one, static_cast<int>(oneLength), &extent);
    const unsigned target = TextFillTarget(rc->right - rc->left, rc->bottom - rc->top, lineHeight, extent.cx,
                                           oneLength);
    const size_t length = RepeatedLength(oneLength, target);
    // One plain buffer of target + n code units, reserved up front, rather than a std::wstring:
    // that keeps the C++ library's exception machinery out of the program. An area too large to
    // hold its text keeps just its background.
    const size_t capacity = static_cast<size_t>(target) + oneLength;
    wchar_t* text = length > 0 && capacity <= INT_MAX ? static_cast<wchar_t*>(malloc(capacity * sizeof(wchar_t)))
                                                       : nullptr;
    if (text != nullptr) {
        FillRepeated(one, oneLength, text, length);
        // One line lower than the area, so a partly visible last line is still drawn.
        RECT box = *rc;
        box.bottom += lineHeight;
        DrawTextW(hdc, text, static_cast<int>(length), &box, DT_WORDBREAK | DT_EXPANDTABS);
        free(text);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawReadabilityText(HDC hdc, const RECT* rc, COLORREF background, COLORREF textColour) {
    DrawSampleFill(hdc, rc, background, textColour, ScreenText(STR_PANGRAM));
}

void DrawReadability1(HDC hdc, const RECT* rc) { DrawReadabilityText(hdc, rc, kBlack, kWhite); }

void DrawReadability2(HDC hdc, const RECT* rc) { DrawReadabilityText(hdc, rc, kWhite, kBlack); }

void DrawReadability3(HDC hdc, const RECT* rc) {
    const int a = (rc->right - rc->left) / 2;
    const int b = (rc->bottom - rc->top) / 2;
    // The lower quadrants come last, so their fill covers the upper ones' extra line below the middle.
    const RECT quadrants[4] = {
        {rc->left, rc->top, rc->left + a, rc->top + b},
        {rc->left + a, rc->top, rc->right, rc->top + b},
        {rc->left, rc->top + b, rc->left + a, rc->bottom},
        {rc->left + a, rc->top + b, rc->right, rc->bottom},
    };
    for (int k = 0; k < 4; ++k) DrawReadabilityText(hdc, &quadrants[k], bg[k], fg[k]);
}

void DrawBurst(HDC hdc, const RECT* rc) {
    const int W = rc->right - rc->left;
    const int H = rc->bottom - rc->top;
    FillColor(hdc, rc, kWhite);
    const int bw = (W - 7 * kBurstGap) / 6;
    const int y1 = rc->top + H / 14;
    const int y2 = rc->top + (5 * H) / 14;
    const int y3 = rc->top + (9 * H) / 14;
    const int y4 = rc->bottom - H / 14;

    HFONT font = MakePixelFont(13, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabelGray);
    for (int i = 0; i < 6; ++i) {
        const int period = burstPeriods[i];
        const int x0 = rc->left + kBurstGap + i * (bw + kBurstGap);
        DrawBurstBlock(hdc, x0, bw, y1, y2, y3, y4, period);
        wchar_t label[16];
        FormatText(label, 16, L"%d px", period);
        RECT box = {x0, rc->top + (5 * H) / 14 + 4, x0 + bw, rc->top + (7 * H) / 14 - 4};
        DrawTextW(hdc, label, -1, &box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawWedge(HDC hdc, const RECT* rc) {
    const int H = rc->bottom - rc->top;
    FillColor(hdc, rc, kWhite);
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    HGDIOBJ oldPen = SelectObject(hdc, pen);

    const int yA = rc->top + H / 16;
    const int yB = rc->top + (7 * H) / 16;
    const int yC = rc->top + (9 * H) / 16;
    const int yD = rc->bottom - H / 16;
    const double mid = (yA + yB) / 2.0;
    const double s = (yB - yA) / 2.0 / 14.0;  // spacing of the lines at the wedge's left end

    DrawWedgeFan(hdc, rc, mid, s);
    DrawWedgeLabels(hdc, rc, s, yB);
    DrawWedgeSeries(hdc, rc, yC, yD);

    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawPixelText(HDC hdc, const RECT* rc) {
    FillColor(hdc, rc, kWhite);
    DrawGrid(hdc, rc);
    const int cw = (rc->right - rc->left) / 2;
    const int ch = (rc->bottom - rc->top) / kPixelTextRows;
    for (int i = 0; i < 14; ++i) {
        const int c = i / kPixelTextRows;
        const int r = i % kPixelTextRows;
        const RECT cell = {rc->left + c * cw, rc->top + r * ch, rc->left + (c + 1) * cw, rc->top + (r + 1) * ch};
        DrawPixelTextCell(hdc, cell, sizes[i]);
    }
}
