// Solid colour screens, the labelled grey-block charts, the 4 x 4 grey chart and the grey gradients.

#include <initializer_list>

#include "patterns/patterns.h"
#include "app/bounded_format.h"
#include "app/palette.h"
#include "patterns/toolkit.h"

namespace {


// How one row of labelled grey blocks looks; the two block charts differ only in these values.
struct BlockChart {
    int blocks;
    COLORREF background;
    COLORREF outline;
    int (*level)(int block);
    void (*label)(int block, wchar_t* text, size_t size);
    COLORREF (*labelColor)(int level);
};

int PercentLevel(int block) { return block * 255 / 10; }
int StepLevel(int block) { return 25 * (block + 1); }

void PercentLabel(int block, wchar_t* text, size_t size) { FormatText(text, size, L"%d%%", 10 * block); }
void LevelLabel(int block, wchar_t* text, size_t size) { FormatText(text, size, L"%d", StepLevel(block)); }

// Yellow reads on the dark blocks, black on the light ones.
COLORREF ContrastingLabel(int level) { return level <= 128 ? kYellow : kBlack; }
COLORREF YellowLabel(int) { return kYellow; }

void DrawBlockChart(HDC hdc, const RECT* rect, const BlockChart& chart) {
    FillColor(hdc, rect, chart.background);
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    const int blockWidth = width / chart.blocks;
    const int blockHeight = 2 * height / 3;
    const int top = (height - blockHeight) / 2;

    HFONT font = MakePixelFont(15, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    HPEN pen = CreatePen(PS_SOLID, 1, chart.outline);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));

    for (int k = 0; k < chart.blocks; ++k) {
        const int left = rect->left + k * blockWidth;
        const RECT block = {left, top, left + blockWidth, top + blockHeight};
        const int level = chart.level(k);
        FillColor(hdc, &block, RGB(level, level, level));
        // Each block outlines its own edge pixels, so neighbours meet in a 2-pixel line.
        Rectangle(hdc, block.left, block.top, block.right, block.bottom);

        wchar_t text[8];
        chart.label(k, text, 8);
        RECT labelBox = {block.left, top + blockHeight + 5, block.right, top + blockHeight + 27};
        SetTextColor(hdc, chart.labelColor(level));
        DrawTextW(hdc, text, -1, &labelBox, DT_SINGLELINE | DT_CENTER | DT_TOP);
    }

    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldFont);
    DeleteObject(pen);
    DeleteObject(font);
}

const BlockChart kPercentChart = {11, RGB(32, 32, 32), kBlack, PercentLevel, PercentLabel, ContrastingLabel};
const BlockChart kStepChart = {10, kBlack, RGB(128, 128, 128), StepLevel, LevelLabel, YellowLabel};

void DrawGradientScreen(HDC hdc, const RECT* rect, unsigned long direction) {
    FillColor(hdc, rect, kBlack);
    GradientGray(hdc, rect, direction);
}

}  // namespace

void DrawWhite(HDC hdc, const RECT* rect) { FillColor(hdc, rect, kWhite); }
void DrawBlack(HDC hdc, const RECT* rect) { FillColor(hdc, rect, kBlack); }
void DrawRed(HDC hdc, const RECT* rect) { FillColor(hdc, rect, RGB(255, 0, 0)); }
void DrawGreen(HDC hdc, const RECT* rect) { FillColor(hdc, rect, RGB(0, 255, 0)); }
void DrawBlue(HDC hdc, const RECT* rect) { FillColor(hdc, rect, RGB(0, 0, 255)); }

void DrawBrightness1(HDC hdc, const RECT* rect) { DrawBlockChart(hdc, rect, kPercentChart); }

void DrawBrightness2(HDC hdc, const RECT* rect) {
    // Strips narrower than four pixels at the right and bottom keep the window's black background.
    const int cellWidth = (rect->right - rect->left) / 4;
    const int cellHeight = (rect->bottom - rect->top) / 4;
    HPEN pen = CreatePen(PS_SOLID, 1, kBlack);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(HOLLOW_BRUSH));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const RECT cell = {rect->left + col * cellWidth, rect->top + row * cellHeight,
                               rect->left + (col + 1) * cellWidth, rect->top + (row + 1) * cellHeight};
            const int level = (4 * row + col) * 255 / 15;
            FillColor(hdc, &cell, RGB(level, level, level));
            Rectangle(hdc, cell.left, cell.top, cell.right, cell.bottom);
        }
    }
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawBrightness3(HDC hdc, const RECT* rect) { DrawBlockChart(hdc, rect, kStepChart); }

void DrawGrayHorizontal(HDC hdc, const RECT* rect) { DrawGradientScreen(hdc, rect, GRADIENT_FILL_RECT_H); }
void DrawGrayVertical(HDC hdc, const RECT* rect) { DrawGradientScreen(hdc, rect, GRADIENT_FILL_RECT_V); }

void DrawGrayDiagonal(HDC hdc, const RECT* rect) {
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    if (width <= 0 || height <= 0) return;

    // Rendered off screen and copied in one piece, so the screen never shows a half-drawn gradient.
    HDC memory = CreateCompatibleDC(hdc);
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);

    TRIVERTEX corners[4] = {};
    corners[0].x = 0;
    corners[0].y = 0;
    corners[1].x = width;
    corners[1].y = 0;
    corners[2].x = width;
    corners[2].y = height;
    corners[3].x = 0;
    corners[3].y = height;
    for (TRIVERTEX* white : {&corners[1], &corners[3]}) {
        white->Red = 0xFFFF;
        white->Green = 0xFFFF;
        white->Blue = 0xFFFF;
    }
    GRADIENT_TRIANGLE upperRight = {0, 1, 2};
    GRADIENT_TRIANGLE lowerLeft = {0, 2, 3};
    GradientFill(memory, corners, 4, &upperRight, 1, GRADIENT_FILL_TRIANGLE);
    GradientFill(memory, corners, 4, &lowerLeft, 1, GRADIENT_FILL_TRIANGLE);

    BitBlt(hdc, rect->left, rect->top, width, height, memory, 0, 0, SRCCOPY);

    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
}
