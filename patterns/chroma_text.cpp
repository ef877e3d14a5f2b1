// Chroma and text: stripes of two colours one pixel apart and coloured text, which a link that
// sends colour at half resolution (4:2:2, 4:2:0) blurs, and the same words smoothed for RGB
// stripes, for BGR stripes and in grey, of which the sharpest names the panel's subpixel order.
#include <cstdint>
#include <cwchar>

#include "app/palette.h"
#include "patterns/chroma_edges.h"
#include "patterns/offscreen.h"
#include "patterns/patterns.h"
#include "patterns/screen_text.h"
#include "patterns/toolkit.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kLabelGrey = RGB(150, 150, 150);
constexpr COLORREF kMidGrey = RGB(128, 128, 128);
constexpr int kChromaLineGap = 8;
constexpr int kChromaSmallLines = 3;  // the first lines of g_chromaTextSizes, in a row's left half
constexpr int kChromaColumns = 2;
constexpr int kLabelMinSize = 15;
// The subpixel filter: each subpixel takes [1, 2, 3, 2, 1] / 9 of the coverage of itself and its two
// neighbours either side, so that an edge lights three subpixels in steps instead of one at full.
constexpr int kFilterTaps[] = {1, 2, 3, 2, 1};
constexpr int kFilterReach = 2;
constexpr int kFilterSum = 9;

// The colour halfway between `a` and `b` in each channel, halves rounded up: what a band of their
// one-pixel stripes looks like from a distance when every pixel keeps its own colour.
constexpr COLORREF MeanColour(COLORREF a, COLORREF b) {
    return RGB((GetRValue(a) + GetRValue(b) + 1) / 2, (GetGValue(a) + GetGValue(b) + 1) / 2,
               (GetBValue(a) + GetBValue(b) + 1) / 2);
}

COLORREF RedBlueColumns(int x, int) { return x % 2 == 0 ? kRed : kBlue; }
COLORREF RedBlueRows(int, int y) { return y % 2 == 0 ? kRed : kBlue; }
COLORREF MagentaGreenColumns(int x, int) { return x % 2 == 0 ? kMagenta : kGreen; }
COLORREF YellowBlueColumns(int x, int) { return x % 2 == 0 ? kYellow : kBlue; }
COLORREF WhiteColumns(int x, int) { return x % 2 == 0 ? kWhite : kBlack; }
COLORREF RgbColumns(int x, int) { return x % 3 == 0 ? kRed : x % 3 == 1 ? kGreen : kBlue; }

// Text smoothed in grey only, never ClearType, so that no colour comes from the font renderer;
// `width` 0 keeps the face's own proportions.
HFONT MakeGreyFont(int height, int width) {
    HFONT font = CreateFontW(-height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kUiFace);
    if (font == nullptr) {
        font = CreateFontW(-height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFallbackFace);
    }
    return font;
}

// `text` again and again from (left, top) until it passes the right edge of `clip`, clipped to it.
void DrawRepeatedLine(HDC hdc, const RECT& clip, int left, int top, const wchar_t* text) {
    const int length = static_cast<int>(wcslen(text));
    SIZE extent = {};
    if (length == 0 || !GetTextExtentPoint32W(hdc, text, length, &extent) || extent.cx <= 0) return;
    for (int x = left; x < clip.right; x += extent.cx) ExtTextOutW(hdc, x, top, ETO_CLIPPED, &clip, text, length, nullptr);
}

// Line pitch of a line of subpixel text `size` pixels high: room for the face's ascent and descent.
int SubpixelLinePitch(int size) { return size + size / 2 + 2; }

int SubpixelBlockHeight() {
    int height = 0;
    for (int size : g_subpixelLineSizes) height += SubpixelLinePitch(size);
    return height;
}

// The words in white on black at three times their width, in grey: one pixel of `wide` per subpixel.
void RenderWideWords(const Offscreen& wide, const wchar_t* text) {
    SetBkMode(wide.dc, TRANSPARENT);
    SetTextColor(wide.dc, kWhite);
    const RECT clip = {0, 0, wide.width, wide.height};
    int top = 0;
    for (int size : g_subpixelLineSizes) {
        HFONT plain = MakeGreyFont(size, 0);
        HGDIOBJ oldFont = SelectObject(wide.dc, plain);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(wide.dc, &metrics);
        HFONT stretched = MakeGreyFont(size, 3 * (metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : size / 2 + 1));
        SelectObject(wide.dc, stretched);
        DrawRepeatedLine(wide.dc, clip, 0, top, text);
        SelectObject(wide.dc, oldFont);
        DeleteObject(stretched);
        DeleteObject(plain);
        top += SubpixelLinePitch(size);
    }
    GdiFlush();
}

// Coverage 0..255 of subpixel `i` of a row of the wide words (its green: the words are grey).
uint32_t Coverage(const uint32_t* row, int i) { return (row[i] >> 8) & 0xFF; }

// Coverage of subpixel `i` after the low-pass filter across its neighbours; past either end of the
// row is black.
uint32_t FilteredCoverage(const uint32_t* row, int count, int i) {
    uint32_t sum = 0;
    for (int t = 0; t < static_cast<int>(sizeof kFilterTaps / sizeof kFilterTaps[0]); ++t) {
        const int j = i + t - kFilterReach;
        if (j >= 0 && j < count) sum += kFilterTaps[t] * Coverage(row, j);
    }
    return (sum + kFilterSum / 2) / kFilterSum;
}

// Sample `kind` (0 RGB, 1 BGR, 2 grey) of the wide words into `out`. In the RGB and BGR samples each
// third of a pixel's width, filtered, lights the red, green or blue of that pixel in the panel order
// the sample is made for; the grey sample is the plain mean of the three unfiltered thirds, the
// words as a panel without subpixel smoothing would show them.
void FillSample(const Offscreen& wide, int kind, const Offscreen& out) {
    for (int y = 0; y < out.height; ++y) {
        const uint32_t* source = wide.bits + static_cast<size_t>(y) * wide.width;
        uint32_t* target = out.bits + static_cast<size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x) {
            if (kind == 2) {
                const uint32_t sum = Coverage(source, 3 * x) + Coverage(source, 3 * x + 1) + Coverage(source, 3 * x + 2);
                const uint32_t grey = (sum + 1) / 3;
                target[x] = (grey << 16) | (grey << 8) | grey;
                continue;
            }
            const uint32_t left = FilteredCoverage(source, wide.width, 3 * x);
            const uint32_t middle = FilteredCoverage(source, wide.width, 3 * x + 1);
            const uint32_t right = FilteredCoverage(source, wide.width, 3 * x + 2);
            const uint32_t red = kind == 0 ? left : right;
            const uint32_t blue = kind == 0 ? right : left;
            target[x] = (red << 16) | (middle << 8) | blue;
        }
    }
}

void DrawSubpixelSamples(HDC hdc, const SubpixelLayout& layout, const wchar_t* text) {
    const int width = layout.sample[0].right - layout.sample[0].left;
    const int height = SubpixelBlockHeight();
    if (width <= 0) return;
    Offscreen wide;
    if (!CreateOffscreen(3 * width, height, &wide)) return;
    Offscreen out;
    if (CreateOffscreen(width, height, &out)) {
        RenderWideWords(wide, text);
        for (int kind = 0; kind < kSubpixelSamples; ++kind) {
            FillSample(wide, kind, out);
            BitBlt(hdc, layout.sample[kind].left, layout.sample[kind].top, width, height, out.dc, 0, 0, SRCCOPY);
        }
        DeleteOffscreen(&out);
    }
    DeleteOffscreen(&wide);
}

// Em height of the samples' labels on a screen `screenHeight` pixels high: 2.25 % of it, so that their
// capitals (about 0.7 em) stand at least 1.5 % of the screen high and read from a sofa; never below 15.
int SubpixelLabelSize(int screenHeight) {
    const int size = (screenHeight * 9 + 399) / 400;
    return size > kLabelMinSize ? size : kLabelMinSize;
}

int SubpixelLabelPitch(int screenHeight) { return SubpixelLabelSize(screenHeight) * 3 / 2; }

void DrawSubpixelLabels(HDC hdc, const SubpixelLayout& layout, int screenHeight) {
    const Str labels[kSubpixelSamples] = {STR_SUBPIXEL_RGB, STR_SUBPIXEL_BGR, STR_SUBPIXEL_GREY};
    HFONT font = MakeGreyFont(SubpixelLabelSize(screenHeight), 0);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabelGrey);
    for (int k = 0; k < kSubpixelSamples; ++k) {
        RECT box = layout.label[k];
        DrawTextW(hdc, ScreenText(labels[k]), -1, &box, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

// The bands take the top two fifths of the screen, the text rows the rest.
int ChromaBandsBottom(const RECT* rect) { return rect->top + (rect->bottom - rect->top) * 2 / 5; }

// The mean-colour patches take the right eighth of the bands.
int ChromaPatchLeft(const RECT* rect) { return rect->right - (rect->right - rect->left) / 8; }

// The half of a text row that line `line` goes in: the left for the small lines, the right for the large.
int ChromaLineColumn(int line) { return line < kChromaSmallLines ? 0 : 1; }

RECT ChromaColumnRect(const RECT& row, int column) {
    const int middle = row.left + (row.right - row.left) / 2;
    return column == 0 ? RECT{row.left, row.top, middle, row.bottom} : RECT{middle, row.top, row.right, row.bottom};
}

RECT ChromaSegmentRect(const RECT& column, int segment, int segments) {
    const int width = column.right - column.left;
    return {column.left + segment * width / segments, column.top, column.left + (segment + 1) * width / segments,
            column.bottom};
}

// Tops of the lines of `row` whose fonts are `cells` pixels high (their tmHeight): in each half as
// many lines as fit, smallest first, with a pixel of background above and below, the block centred
// down the row; -1 for a line left out.
void ChromaLineTops(const RECT& row, const int cells[kChromaTextSizes], int tops[kChromaTextSizes]) {
    const int room = row.bottom - row.top - 2;  // a pixel of the ground clear above and below the block
    for (int line = 0; line < kChromaTextSizes; ++line) tops[line] = -1;
    for (int column = 0; column < kChromaColumns; ++column) {
        int shown[kChromaTextSizes];
        int count = 0;
        int block = 0;
        // From the smallest up, so that a row too low for all its lines keeps its small ones.
        for (int line = 0; line < kChromaTextSizes; ++line) {
            if (ChromaLineColumn(line) != column) continue;
            const int grown = block + (count > 0 ? kChromaLineGap : 0) + cells[line];
            if (grown > room) break;
            block = grown;
            shown[count++] = line;
        }
        int top = row.top + 1 + (room - block) / 2;
        for (int k = 0; k < count; ++k) {
            tops[shown[k]] = top;
            top += cells[shown[k]] + kChromaLineGap;
        }
    }
}

// Cell height (tmHeight: ascent and descent) of `font` as `hdc` sets it.
int CellHeight(HDC hdc, HFONT font) {
    HGDIOBJ oldFont = SelectObject(hdc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(hdc, &metrics);
    SelectObject(hdc, oldFont);
    return metrics.tmHeight;
}

// Number of colour segments across each half of text row `row`: one where the row's text has one
// colour, kChromaSegments where it changes.
int ChromaSegmentCount(int row) {
    for (int k = 1; k < kChromaSegments; ++k) {
        if (g_chromaText[row][k] != g_chromaText[row][0]) return kChromaSegments;
    }
    return 1;
}

// Line `line` of text row `row` at `top`, in the font selected: the sentence repeated across its
// half of the row, each colour segment starting it afresh `indent` pixels in from its left.
void DrawChromaLine(HDC hdc, const RECT& row, int rowIndex, int line, int top, int indent, const wchar_t* sample) {
    const RECT column = ChromaColumnRect(row, ChromaLineColumn(line));
    const int segments = ChromaSegmentCount(rowIndex);
    for (int k = 0; k < segments; ++k) {
        const RECT clip = ChromaSegmentRect(column, k, segments);
        SetTextColor(hdc, g_chromaText[rowIndex][k]);
        DrawRepeatedLine(hdc, clip, clip.left + indent, top, sample);
    }
}

}  // namespace

const TileColour g_chromaBands[kChromaBands] = {RedBlueColumns, RedBlueRows, MagentaGreenColumns, YellowBlueColumns};
const COLORREF g_chromaPatch[kChromaBands] = {MeanColour(kRed, kBlue), MeanColour(kRed, kBlue),
                                              MeanColour(kMagenta, kGreen), MeanColour(kYellow, kBlue)};
const COLORREF g_chromaText[kChromaTextRows][kChromaSegments] = {
    {kRed, kRed, kRed, kRed},           {kBlue, kBlue, kBlue, kBlue},       {kMagenta, kMagenta, kMagenta, kMagenta},
    {kGreen, kGreen, kGreen, kGreen},   {kWhite, kWhite, kWhite, kWhite},   {kRed, kGreen, kBlue, kMagenta},
    {kRed, kGreen, kBlue, kMagenta}};
const COLORREF g_chromaGround[kChromaTextRows] = {kBlue, kRed, kGreen, kMagenta, kBlack, kBlack, kMidGrey};
const int g_chromaTextSizes[kChromaTextSizes] = {11, 13, 16, 24, 32};
const int g_subpixelLineSizes[kSubpixelLines] = {11, 13, 16};

RECT ChromaBandRect(const RECT* rect, int band) {
    const int height = ChromaBandsBottom(rect) - rect->top;
    return {rect->left, rect->top + band * height / kChromaBands, ChromaPatchLeft(rect),
            rect->top + (band + 1) * height / kChromaBands};
}

RECT ChromaPatchRect(const RECT* rect, int band) {
    const RECT stripes = ChromaBandRect(rect, band);
    return {stripes.right, stripes.top, rect->right, stripes.bottom};
}

RECT ChromaTextRow(const RECT* rect, int row) {
    const int top = ChromaBandsBottom(rect);
    const int height = rect->bottom - top;
    return {rect->left, top + row * height / kChromaTextRows, rect->right, top + (row + 1) * height / kChromaTextRows};
}

void LayOutSubpixel(const RECT* rect, SubpixelLayout* layout) {
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    const int margin = width / 32 > 8 ? width / 32 : 8;
    const int gap = height / 40 > 12 ? height / 40 : 12;
    const int left = rect->left + margin;
    const int right = rect->right - margin;
    const int band = height / 6 > 16 ? height / 6 : 16;
    // Everything centred down the screen, or from its top where it does not fit.
    const int pitch = SubpixelLabelPitch(height);
    const int total = kSubpixelSamples * (pitch + SubpixelBlockHeight() + gap) + 2 * band + gap;
    int top = rect->top + (height > total ? (height - total) / 2 : 0);
    for (int k = 0; k < kSubpixelSamples; ++k) {
        layout->label[k] = {left, top, right, top + pitch};
        top += pitch;
        layout->sample[k] = {left, top, right, top + SubpixelBlockHeight()};
        top += SubpixelBlockHeight() + gap;
    }
    layout->whiteLines = {left, top, right, top + band};
    top += band + gap;
    layout->rgbColumns = {left, top, right, top + band};
}

void DrawChroma(HDC hdc, const RECT* rect) {
    for (int band = 0; band < kChromaBands; ++band) {
        const RECT stripes = ChromaBandRect(rect, band);
        FillTiled(hdc, &stripes, g_chromaBands[band]);
        const RECT patch = ChromaPatchRect(rect, band);
        FillColor(hdc, &patch, g_chromaPatch[band]);
    }
    for (int row = 0; row < kChromaTextRows; ++row) {
        const RECT r = ChromaTextRow(rect, row);
        FillColor(hdc, &r, g_chromaGround[row]);
    }
    HFONT fonts[kChromaTextSizes];
    int cells[kChromaTextSizes];
    for (int line = 0; line < kChromaTextSizes; ++line) {
        fonts[line] = MakeGreyFont(g_chromaTextSizes[line], 0);
        cells[line] = CellHeight(hdc, fonts[line]);
    }
    const int width = rect->right - rect->left;
    const int indent = width / 64 > 4 ? width / 64 : 4;
    const wchar_t* sample = ScreenText(STR_PANGRAM);
    SetBkMode(hdc, TRANSPARENT);
    HGDIOBJ oldFont = GetCurrentObject(hdc, OBJ_FONT);
    for (int row = 0; row < kChromaTextRows; ++row) {
        const RECT r = ChromaTextRow(rect, row);
        int tops[kChromaTextSizes];
        ChromaLineTops(r, cells, tops);
        for (int line = 0; line < kChromaTextSizes; ++line) {
            if (tops[line] < 0) continue;
            SelectObject(hdc, fonts[line]);
            DrawChromaLine(hdc, r, row, line, tops[line], indent, sample);
        }
    }
    SelectObject(hdc, oldFont);
    for (HFONT font : fonts) DeleteObject(font);
}

void DrawSubpixelOrder(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    SubpixelLayout layout;
    LayOutSubpixel(rect, &layout);
    DrawSubpixelLabels(hdc, layout, rect->bottom - rect->top);
    DrawSubpixelSamples(hdc, layout, ScreenText(STR_PANGRAM));
    FillTiled(hdc, &layout.whiteLines, WhiteColumns);
    FillTiled(hdc, &layout.rgbColumns, RgbColumns);
}
