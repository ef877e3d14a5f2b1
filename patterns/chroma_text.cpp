// Chroma and text: stripes of two colours one pixel apart and coloured text, which a link that
// sends colour at half resolution (4:2:2, 4:2:0) blurs, and the same words smoothed for RGB
// stripes, for BGR stripes and in grey, of which the sharpest names the panel's subpixel order.
#include <cstdint>
#include <cwchar>

#include "app/palette.h"
#include "patterns/chroma_edges.h"
#include "patterns/patterns.h"
#include "patterns/screen_text.h"
#include "patterns/toolkit.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kLabelGrey = RGB(150, 150, 150);
constexpr int kChromaLineGap = 8;
constexpr int kLabelSize = 15;
constexpr int kLabelPitch = 22;

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

// A top-down 32-bit DIB section of its own, selected into a memory DC.
struct Offscreen {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    uint32_t* bits;  // 0x00RRGGBB
    int width, height;
};

bool CreateOffscreen(int width, int height, Offscreen* off) {
    *off = {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return false;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return false;
    }
    *off = {dc, bitmap, SelectObject(dc, bitmap), static_cast<uint32_t*>(bits), width, height};
    return true;
}

void DeleteOffscreen(Offscreen* off) {
    SelectObject(off->dc, off->oldBitmap);
    DeleteObject(off->bitmap);
    DeleteDC(off->dc);
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

// Sample `kind` (0 RGB, 1 BGR, 2 grey) of the wide words into `out`: each third of a pixel's width
// lights the red, green or blue of that pixel, in the panel order the sample is made for.
void FillSample(const Offscreen& wide, int kind, const Offscreen& out) {
    for (int y = 0; y < out.height; ++y) {
        const uint32_t* source = wide.bits + static_cast<size_t>(y) * wide.width;
        uint32_t* target = out.bits + static_cast<size_t>(y) * out.width;
        for (int x = 0; x < out.width; ++x) {
            const uint32_t left = (source[3 * x] >> 8) & 0xFF;  // the green of a grey pixel
            const uint32_t middle = (source[3 * x + 1] >> 8) & 0xFF;
            const uint32_t right = (source[3 * x + 2] >> 8) & 0xFF;
            const uint32_t grey = (left + middle + right + 1) / 3;
            const uint32_t red = kind == 0 ? left : kind == 1 ? right : grey;
            const uint32_t green = kind == 2 ? grey : middle;
            const uint32_t blue = kind == 0 ? right : kind == 1 ? left : grey;
            target[x] = (red << 16) | (green << 8) | blue;
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

void DrawSubpixelLabels(HDC hdc, const SubpixelLayout& layout) {
    const Str labels[kSubpixelSamples] = {STR_SUBPIXEL_RGB, STR_SUBPIXEL_BGR, STR_SUBPIXEL_GREY};
    HFONT font = MakeGreyFont(kLabelSize, 0);
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

}  // namespace

const TileColour g_chromaBands[kChromaBands] = {RedBlueColumns, RedBlueRows, MagentaGreenColumns, YellowBlueColumns};
const COLORREF g_chromaText[kChromaTextRows] = {kRed, kBlue, kMagenta, kGreen, kWhite};
const COLORREF g_chromaGround[kChromaTextRows] = {kBlue, kRed, kGreen, kMagenta, kBlack};
const int g_chromaTextSizes[kChromaTextSizes] = {11, 13, 16};
const int g_subpixelLineSizes[kSubpixelLines] = {11, 13, 16};

RECT ChromaBandRect(const RECT* rect, int band) {
    const int half = (rect->bottom - rect->top) / 2;
    return {rect->left, rect->top + band * half / kChromaBands, rect->right, rect->top + (band + 1) * half / kChromaBands};
}

RECT ChromaTextRow(const RECT* rect, int row) {
    const int top = rect->top + (rect->bottom - rect->top) / 2;
    const int height = rect->bottom - top;
    return {rect->left, top + row * height / kChromaTextRows, rect->right, top + (row + 1) * height / kChromaTextRows};
}

int ChromaLineTop(const RECT& row, int line) {
    int block = (kChromaTextSizes - 1) * kChromaLineGap;
    for (int size : g_chromaTextSizes) block += size;
    int top = row.top + ((row.bottom - row.top) - block) / 2;
    if (top < row.top) top = row.top;
    for (int k = 0; k < line; ++k) top += g_chromaTextSizes[k] + kChromaLineGap;
    return top;
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
    const int total = kSubpixelSamples * (kLabelPitch + SubpixelBlockHeight() + gap) + 2 * band + gap;
    int top = rect->top + (height > total ? (height - total) / 2 : 0);
    for (int k = 0; k < kSubpixelSamples; ++k) {
        layout->label[k] = {left, top, right, top + kLabelPitch};
        top += kLabelPitch;
        layout->sample[k] = {left, top, right, top + SubpixelBlockHeight()};
        top += SubpixelBlockHeight() + gap;
    }
    layout->whiteLines = {left, top, right, top + band};
    top += band + gap;
    layout->rgbColumns = {left, top, right, top + band};
}

void DrawChroma(HDC hdc, const RECT* rect) {
    for (int band = 0; band < kChromaBands; ++band) {
        const RECT r = ChromaBandRect(rect, band);
        FillTiled(hdc, &r, g_chromaBands[band]);
    }
    for (int row = 0; row < kChromaTextRows; ++row) {
        const RECT r = ChromaTextRow(rect, row);
        FillColor(hdc, &r, g_chromaGround[row]);
    }
    const int width = rect->right - rect->left;
    const int left = rect->left + (width / 64 > 4 ? width / 64 : 4);
    const wchar_t* sample = ScreenText(STR_PANGRAM);
    SetBkMode(hdc, TRANSPARENT);
    for (int line = 0; line < kChromaTextSizes; ++line) {
        HFONT font = MakeGreyFont(g_chromaTextSizes[line], 0);
        HGDIOBJ oldFont = SelectObject(hdc, font);
        for (int row = 0; row < kChromaTextRows; ++row) {
            const RECT r = ChromaTextRow(rect, row);
            SetTextColor(hdc, g_chromaText[row]);
            DrawRepeatedLine(hdc, r, left, ChromaLineTop(r, line), sample);
        }
        SelectObject(hdc, oldFont);
        DeleteObject(font);
    }
}

void DrawSubpixelOrder(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    SubpixelLayout layout;
    LayOutSubpixel(rect, &layout);
    DrawSubpixelLabels(hdc, layout);
    DrawSubpixelSamples(hdc, layout, ScreenText(STR_PANGRAM));
    FillTiled(hdc, &layout.whiteLines, WhiteColumns);
    FillTiled(hdc, &layout.rgbColumns, RgbColumns);
}
