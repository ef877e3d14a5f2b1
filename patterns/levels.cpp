// Levels and gamma: the darkest and brightest steps, gamma by matching lines with patches, flat
// fields for uniformity, and the pixel patterns that show a panel's polarity inversion.
#include "patterns/levels.h"

#include "app/bounded_format.h"
#include "patterns/patterns.h"
#include "patterns/toolkit.h"

namespace {

constexpr int kLevelColumns = 32;
constexpr int kLevelRows = 4;
constexpr COLORREF kLabelOnBlack = RGB(120, 120, 120);
constexpr COLORREF kLabelOnWhite = RGB(128, 128, 128);

// Colour of patch level `v` in row `row` of a level chart: grey, then each channel on its own.
typedef COLORREF (*RowColor)(int row, int v);

COLORREF NearBlackColor(int row, int v) {
    const COLORREF colors[kLevelRows] = {RGB(v, v, v), RGB(v, 0, 0), RGB(0, v, 0), RGB(0, 0, v)};
    return colors[row];
}

COLORREF NearWhiteColor(int row, int v) {
    const COLORREF colors[kLevelRows] = {RGB(v, v, v), RGB(v, 255, 255), RGB(255, v, 255), RGB(255, 255, v)};
    return colors[row];
}

// A label centred in `box`, clipped to it, so that it can never reach a patch beside the box.
void DrawLabel(HDC hdc, RECT box, const wchar_t* text) {
    DrawTextW(hdc, text, -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void DrawLevelChart(HDC hdc, const RECT* rect, COLORREF background, COLORREF labelColor, int firstLevel,
                    RowColor rowColor) {
    FillColor(hdc, rect, background);
    LevelChartLayout layout;
    LayOutLevelChart(rect, &layout);

    HFONT font = MakePixelFont(11, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, labelColor);
    for (int row = 0; row < kLevelRows; ++row) {
        for (int column = 0; column < kLevelColumns; ++column) {
            const int v = firstLevel + column;
            const RECT patch = LevelPatch(layout, row, column);
            FillColor(hdc, &patch, rowColor(row, v));
            wchar_t text[8];
            FormatText(text, 8, L"%d", v);
            DrawLabel(hdc, LevelLabelBox(layout, row, column), text);
        }
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

// Lines alternating `color` (on even rows of the screen) and black over `rect`.
void FillLinePairs(HDC hdc, const RECT* rect, COLORREF color) {
    FillColor(hdc, rect, RGB(0, 0, 0));
    HBRUSH brush = CreateSolidBrush(color);
    for (LONG y = rect->top + (rect->top & 1); y < rect->bottom; y += 2) {
        const RECT line = {rect->left, y, rect->right, y + 1};
        FillRect(hdc, &line, brush);
    }
    DeleteObject(brush);
}

// The colour of `level` in the channels of band `band` (0 grey, 1 red, 2 green, 3 blue).
COLORREF InBand(int band, int level) {
    const COLORREF colors[kGammaBands] = {RGB(level, level, level), RGB(level, 0, 0), RGB(0, level, 0),
                                          RGB(0, 0, level)};
    return colors[band];
}

void DrawUniformField(HDC hdc, const RECT* rect, int level) {
    FillColor(hdc, rect, RGB(level, level, level));
}

// An 8 x 8 brush of `on` where `lit(x, y)` holds and `off` elsewhere. Brushes repeat from the device
// context's own (0, 0), so every field keeps the screen's parity wherever it lies.
HBRUSH MakeParityBrush(bool (*lit)(int x, int y), COLORREF on, COLORREF off) {
    struct {
        BITMAPINFOHEADER header;
        DWORD pixels[8 * 8];
    } dib = {};
    dib.header.biSize = sizeof(dib.header);
    dib.header.biWidth = 8;
    dib.header.biHeight = -8;  // top-down, so row 0 is y = 0
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 32;
    dib.header.biCompression = BI_RGB;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const COLORREF c = lit(x, y) ? on : off;
            dib.pixels[y * 8 + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    return CreateDIBPatternBrushPt(&dib, DIB_RGB_COLORS);
}

bool Checker1x1(int x, int y) { return (x + y) % 2 == 0; }
bool Checker2x1(int x, int y) { return (x / 2 + y) % 2 == 0; }
bool EvenRows(int, int y) { return y % 2 == 0; }

}  // namespace

const GammaPatch g_gammaPatches[kGammaPatches] = {
    {L"1.8", 174}, {L"2.0", 180}, {L"2.2", 186}, {L"2.4", 191}, {L"2.6", 195},
};

void LayOutLevelChart(const RECT* rect, LevelChartLayout* layout) {
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    const int margin = width / 32;
    layout->cellWidth = (width - 2 * margin) / kLevelColumns;
    layout->gap = layout->cellWidth / 6 > 2 ? layout->cellWidth / 6 : 2;
    layout->left = rect->left + (width - kLevelColumns * layout->cellWidth) / 2;
    layout->rowPitch = height / (kLevelRows + 1);
    layout->top = rect->top + (height - kLevelRows * layout->rowPitch) / 2;
    layout->patchHeight = layout->rowPitch * 3 / 5;
}

RECT LevelPatch(const LevelChartLayout& layout, int row, int column) {
    const int left = layout.left + column * layout.cellWidth + layout.gap / 2;
    const int top = layout.top + row * layout.rowPitch;
    return {left, top, left + layout.cellWidth - layout.gap, top + layout.patchHeight};
}

RECT LevelLabelBox(const LevelChartLayout& layout, int row, int column) {
    const RECT patch = LevelPatch(layout, row, column);
    const int space = layout.rowPitch / 20 > 2 ? layout.rowPitch / 20 : 2;
    const int rowBottom = layout.top + (row + 1) * layout.rowPitch;
    return {patch.left, patch.bottom + space, patch.right, rowBottom - space};
}

void LayOutGamma(const RECT* rect, int band, GammaBandLayout* layout) {
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    const int top = rect->top + band * height / kGammaBands;
    const int bottom = rect->top + (band + 1) * height / kGammaBands;
    const int labelHeight = (bottom - top) / 5;
    layout->lines = {rect->left, top, rect->right, bottom - labelHeight};
    layout->labels = {rect->left, bottom - labelHeight, rect->right, bottom};
    const int linesHeight = layout->lines.bottom - layout->lines.top;
    layout->patchTop = top + linesHeight / 4;
    layout->patchBottom = layout->patchTop + linesHeight / 2;
    layout->patchWidth = width / 8;
    layout->slotWidth = width / kGammaPatches;
}

RECT GammaPatchRect(const RECT* rect, const GammaBandLayout& layout, int k) {
    const int left = rect->left + k * layout.slotWidth + (layout.slotWidth - layout.patchWidth) / 2;
    return {left, layout.patchTop, left + layout.patchWidth, layout.patchBottom};
}

void DrawNearBlack(HDC hdc, const RECT* rect) {
    DrawLevelChart(hdc, rect, RGB(0, 0, 0), kLabelOnBlack, 1, NearBlackColor);
}

void DrawNearWhite(HDC hdc, const RECT* rect) {
    DrawLevelChart(hdc, rect, RGB(255, 255, 255), kLabelOnWhite, 223, NearWhiteColor);
}

void DrawGamma(HDC hdc, const RECT* rect) {
    HFONT font = MakePixelFont(12, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabelOnBlack);
    for (int band = 0; band < kGammaBands; ++band) {
        GammaBandLayout layout;
        LayOutGamma(rect, band, &layout);
        FillLinePairs(hdc, &layout.lines, InBand(band, 255));
        FillColor(hdc, &layout.labels, RGB(0, 0, 0));
        for (int k = 0; k < kGammaPatches; ++k) {
            const RECT patch = GammaPatchRect(rect, layout, k);
            FillColor(hdc, &patch, InBand(band, g_gammaPatches[k].level));
            DrawLabel(hdc, {patch.left, layout.labels.top, patch.right, layout.labels.bottom}, g_gammaPatches[k].label);
        }
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawUniformity5(HDC hdc, const RECT* rect) { DrawUniformField(hdc, rect, 13); }
void DrawUniformity10(HDC hdc, const RECT* rect) { DrawUniformField(hdc, rect, 26); }
void DrawUniformity25(HDC hdc, const RECT* rect) { DrawUniformField(hdc, rect, 64); }
void DrawUniformity50(HDC hdc, const RECT* rect) { DrawUniformField(hdc, rect, 128); }

void DrawFlicker(HDC hdc, const RECT* rect) {
    bool (*const columns[3])(int, int) = {Checker1x1, Checker2x1, EvenRows};
    const COLORREF on[2] = {RGB(159, 159, 159), RGB(255, 159, 255)};
    const COLORREF off[2] = {RGB(0, 0, 0), RGB(159, 0, 159)};
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    POINT oldOrigin;
    SetBrushOrgEx(hdc, 0, 0, &oldOrigin);
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            const RECT field = {rect->left + column * width / 3, rect->top + row * height / 2,
                                rect->left + (column + 1) * width / 3, rect->top + (row + 1) * height / 2};
            HBRUSH brush = MakeParityBrush(columns[column], on[row], off[row]);
            if (brush != nullptr) FillRect(hdc, &field, brush);
            DeleteObject(brush);
        }
    }
    SetBrushOrgEx(hdc, oldOrigin.x, oldOrigin.y, nullptr);
}
