// The guidance panel drawn over the test screens: its layout, its drawing and whether it is shown.
#include "testrun/guide_panel.h"

#include <wchar.h>

#include "app/palette.h"
#include "app/texts.h"
#include "monitor/colour_facts.h"
#include "patterns/toolkit.h"
#include "record/report_texts.h"
#include "testrun/colour_guide.h"
#include "testrun/guide_texts.h"

namespace {

// Sizes at 96 DPI; they grow with the device context's DPI like the screens' own fonts.
constexpr int kEdgeDistance = 16;  // from the window's top and left edges
constexpr int kBorder = 2;
constexpr int kPadding = 12;
constexpr int kHeadingGap = 8;     // above each heading
constexpr int kMaxTextWidth = 460;
constexpr int kNameSize = 17;
constexpr int kHeadingSize = 13;
constexpr int kBodySize = 14;
constexpr int kKeysSize = 12;

constexpr int kPartCount = kGuideParts;
constexpr COLORREF kGoodColour = RGB(110, 230, 150);
constexpr COLORREF kFaultColour = RGB(255, 176, 96);
constexpr COLORREF kKeysColour = RGB(170, 178, 186);
constexpr COLORREF kNoteColour = RGB(255, 222, 110);
constexpr int kNotePart = 6;
constexpr int kNoteBytes = 640;  // the longest colour note of any language, with its figure, and room to spare
// Font size, weight and colour of each part: name, good heading, good text, fault heading, fault
// text, the line on the keys that record findings, and the colour note.
constexpr int kPartSize[kPartCount] = {kNameSize, kHeadingSize, kBodySize, kHeadingSize, kBodySize, kKeysSize, kBodySize};
constexpr int kPartWeight[kPartCount] = {FW_BOLD, FW_BOLD, FW_NORMAL, FW_BOLD, FW_NORMAL, FW_NORMAL, FW_NORMAL};
constexpr COLORREF kPartColour[kPartCount] = {kWhite, kGoodColour, kWhite, kFaultColour, kWhite, kKeysColour,
                                              kNoteColour};

int g_guideShown = 0;

struct GuideFonts {
    HFONT part[kPartCount];
};

void CreateGuideFonts(GuideFonts* fonts) {
    for (int p = 0; p < kPartCount; ++p) fonts->part[p] = MakePanelFont(kPartSize[p], kPartWeight[p]);
}

void DeleteGuideFonts(GuideFonts* fonts) {
    for (HFONT font : fonts->part) DeleteObject(font);
}

// Chinese and Japanese are written without spaces: a line may end beside any of their characters.
// Korean puts spaces between words and breaks there, like the European languages.
bool IsIdeographic(wchar_t c) {
    const bool hangul = (c >= 0x1100 && c <= 0x11FF) || (c >= 0xAC00 && c <= 0xD7AF);
    return c >= 0x2E80 && !hangul;
}

// Punctuation, small kana and the long-vowel mark never start a line; opening brackets never end one.
const wchar_t kNoLineStart[] = L"\x3002\x3001\xFF0C\xFF0E\xFF09\x300D\x300F\xFF01\xFF1F\xFF1A\xFF1B\x30FC"
                               L"\x3041\x3043\x3045\x3047\x3049\x3063\x3083\x3085\x3087"
                               L"\x30A1\x30A3\x30A5\x30A7\x30A9\x30C3\x30E3\x30E5\x30E7.,;:!?)%";
const wchar_t kNoLineEnd[] = L"\xFF08\x300C\x300E(";

bool NeverStartsLine(wchar_t c) { return c != 0 && wcschr(kNoLineStart, c) != nullptr; }
bool NeverEndsLine(wchar_t c) { return c != 0 && wcschr(kNoLineEnd, c) != nullptr; }

bool CanBreakBefore(const wchar_t* text, int k) {
    if (NeverStartsLine(text[k]) || NeverEndsLine(text[k - 1])) return false;
    return text[k - 1] == L' ' || IsIdeographic(text[k - 1]) || IsIdeographic(text[k]);
}

// Length of the first line of `text` that fits `width` pixels in the selected font. A word too
// wide for any line is cut where the width ends, and `*cut` is set.
int FitLine(HDC hdc, const wchar_t* text, int length, int width, int* cut) {
    int fit = 0;
    SIZE size;
    GetTextExtentExPointW(hdc, text, length, width, &fit, nullptr, &size);
    if (fit >= length) return length;
    for (int k = fit; k > 0; --k) {
        if (CanBreakBefore(text, k)) return k;
    }
    *cut = 1;
    return fit > 0 ? fit : 1;
}

// Adds the lines of part `part` from `y` on; returns the y below them. Sets `*fits` to zero when a
// word had to be cut or the lines do not fit the table.
int AddPartLines(HDC hdc, const wchar_t* text, int part, int y, int width, GuideLayout* layout, int* widest,
                 int* fits) {
    TEXTMETRICW metrics = {};
    GetTextMetricsW(hdc, &metrics);
    int length = static_cast<int>(wcslen(text));
    while (length > 0) {
        if (layout->lineCount == kGuideMaxLines) {
            *fits = 0;
            return y;
        }
        int cut = 0;
        int lineLength = FitLine(hdc, text, length, width, &cut);
        if (cut) *fits = 0;
        int shown = lineLength;
        while (shown > 0 && text[shown - 1] == L' ') --shown;
        SIZE size = {};
        GetTextExtentPoint32W(hdc, text, shown, &size);
        if (size.cx > *widest) *widest = size.cx;
        layout->lines[layout->lineCount++] = {text, shown, part, y};
        y += metrics.tmHeight;
        text += lineLength;
        length -= lineLength;
        while (length > 0 && *text == L' ') ++text, --length;
    }
    return y;
}

int LayOut(HDC hdc, const GuideFonts& fonts, const RECT* rc, const GuideText& text, const GuideHeadings& headings,
           const char* keys, const char* note, GuideLayout* layout) {
    const char* const parts[kPartCount] = {text.name, headings.good, text.good, headings.fault, text.fault, keys, note};
    const int inset = ScaleForPanel(kBorder + kPadding);
    const int left = rc->left + ScaleForPanel(kEdgeDistance);
    const int top = rc->top + ScaleForPanel(kEdgeDistance);
    int width = rc->right - left - ScaleForPanel(kEdgeDistance) - 2 * inset;
    if (width > ScaleForPanel(kMaxTextWidth)) width = ScaleForPanel(kMaxTextWidth);

    int fits = width > 0;
    for (int p = 0; p < kPartCount; ++p) {
        // A text too long for its buffer would come out empty: it does not fit then.
        if (MultiByteToWideChar(CP_UTF8, 0, parts[p], -1, layout->text[p], kGuidePartChars) == 0) {
            layout->text[p][0] = L'\0';
            fits = 0;
        }
    }
    int widest = 0;
    int y = top + inset;
    HGDIOBJ oldFont = SelectObject(hdc, fonts.part[0]);
    for (int p = 0; p < kPartCount; ++p) {
        if (p == 1 || p == 3 || p == 5 || (p == kNotePart && note[0] != '\0')) y += ScaleForPanel(kHeadingGap);
        SelectObject(hdc, fonts.part[p]);
        y = AddPartLines(hdc, layout->text[p], p, y, width > 0 ? width : 1, layout, &widest, &fits);
    }
    SelectObject(hdc, oldFont);
    layout->textLeft = left + inset;
    layout->panel = {left, top, left + widest + 2 * inset, y + inset};
    return fits && layout->panel.right <= rc->right && layout->panel.bottom <= rc->bottom;
}

// The box: an opaque dark panel with a green border, readable on black, white and every colour.
void DrawBox(HDC hdc, const RECT& panel, int border) {
    FillColor(hdc, &panel, kUiAccent);
    const RECT inside = {panel.left + border, panel.top + border, panel.right - border, panel.bottom - border};
    FillColor(hdc, &inside, kUiDark);
}

// The colour note of screen `mode` in language `lang`, from the kept facts: never asks Windows.
void ComposeNote(int lang, int mode, char* note) {
    ColourGuideNote(lang, mode, CurrentColourFacts()->state, note, kNoteBytes);
}

}  // namespace

int GuideShown() { return g_guideShown; }

void ToggleGuide(HWND hwnd) {
    g_guideShown = !g_guideShown;
    InvalidateRect(hwnd, nullptr, FALSE);
}

void HideGuide(HWND hwnd) {
    if (!g_guideShown) return;
    g_guideShown = 0;
    if (hwnd != nullptr) InvalidateRect(hwnd, nullptr, FALSE);
}

int LayOutGuidePanel(HDC hdc, const RECT* rc, int mode, int lang, GuideLayout* layout) {
    layout->panel = {0, 0, 0, 0};
    layout->textLeft = 0;
    layout->lineCount = 0;
    const GuideText* text = GuideTextOf(lang, mode);
    if (text == nullptr) return 0;
    char note[kNoteBytes];
    ComposeNote(lang, mode, note);
    GuideFonts fonts;
    CreateGuideFonts(&fonts);
    const int fits =
        LayOut(hdc, fonts, rc, *text, *GuideHeadingsOf(lang), (*ReportTextsOf(lang))[RT_GUIDE_KEYS], note, layout);
    DeleteGuideFonts(&fonts);
    return fits;
}

RECT DrawGuidePanel(HDC hdc, const RECT* rc, int mode) {
    const GuideText* text = GuideTextOf(g_lang, mode);
    if (text == nullptr) return {0, 0, 0, 0};
    char note[kNoteBytes];
    ComposeNote(g_lang, mode, note);
    GuideFonts fonts;
    CreateGuideFonts(&fonts);
    GuideLayout layout;
    layout.lineCount = 0;
    LayOut(hdc, fonts, rc, *text, *GuideHeadingsOf(g_lang), (*ReportTextsOf(g_lang))[RT_GUIDE_KEYS], note, &layout);
    DrawBox(hdc, layout.panel, ScaleForPanel(kBorder));

    HGDIOBJ oldFont = SelectObject(hdc, fonts.part[0]);
    SetBkMode(hdc, TRANSPARENT);
    for (int k = 0; k < layout.lineCount; ++k) {
        const GuideLine& line = layout.lines[k];
        SelectObject(hdc, fonts.part[line.part]);
        SetTextColor(hdc, kPartColour[line.part]);
        TextOutW(hdc, layout.textLeft, line.top, line.text, line.length);
    }
    SelectObject(hdc, oldFont);
    DeleteGuideFonts(&fonts);
    return layout.panel;
}
