// Edges and scaling: frames a few pixels in from every edge and a ruler to 5 %, which show whether
// and how much a TV crops the picture, and a 1-px checkerboard with line pairs, which stay an even
// texture only where every pixel of the picture is one pixel of the panel, with what Windows says
// of the mode it sends and the monitor's native mode. The labels and texts grow with the screen, to
// be read from a sofa; the lines, frames, ticks and cells never scale.
#include "app/palette.h"
#include "patterns/chroma_edges.h"
#include "patterns/display_facts.h"
#include "patterns/patterns.h"
#include "patterns/screen_text.h"
#include "patterns/toolkit.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kTextGrey = RGB(200, 200, 200);
constexpr COLORREF kLabelGrey = RGB(150, 150, 150);
constexpr int kPairCell = 64;  // a patch of line pairs and the gap around it
constexpr int kPairGap = 24;   // between the checkerboard and the patches

COLORREF Checker(int x, int y) { return (x + y) % 2 == 0 ? kWhite : kBlack; }

// Line pairs `kWidth` px wide in colour `kColour`, lit on the screen's first line.
template <int kColour, int kWidth, bool kVertical>
COLORREF LinePairs(int x, int y) {
    return ((kVertical ? x : y) / kWidth) % 2 == 0 ? g_pairColours[kColour] : kBlack;
}

// [width - 1][vertical][colour]
constexpr TileColour kLinePairs[2][2][kPairColours] = {
    {{LinePairs<0, 1, false>, LinePairs<1, 1, false>, LinePairs<2, 1, false>, LinePairs<3, 1, false>},
     {LinePairs<0, 1, true>, LinePairs<1, 1, true>, LinePairs<2, 1, true>, LinePairs<3, 1, true>}},
    {{LinePairs<0, 2, false>, LinePairs<1, 2, false>, LinePairs<2, 2, false>, LinePairs<3, 2, false>},
     {LinePairs<0, 2, true>, LinePairs<1, 2, true>, LinePairs<2, 2, true>, LinePairs<3, 2, true>}},
};

constexpr COLORREF kRulerCyan = RGB(0, 255, 255);
constexpr int kLabelEmPermille = 24;  // of the screen's height: the digits' ink then stands well over 1.5 % of it
constexpr int kSmallestLabelEm = 13;
constexpr int kSmallestTextEm = 16;

// A label's box: a line of its em, and room for "5 %" in any face.
int LabelBoxHeight(int em) { return em * 3 / 2; }
int LabelBoxWidth(int em) { return em * 3; }

// The ruler of a side: where its ticks start along the edge, the length of the half per cents'
// ticks, and how much longer each whole per cent's tick is than the next one in. The outermost
// tick is the longest and the ticks further in end one label's room earlier each, so that every
// label stands beside the end of its own tick, clear of all the others.
struct RulerPlan {
    int start;
    int shortLength;
    int step;
};

RulerPlan PlanRuler(const RECT* rect, int side) {
    const int em = EdgeLabelEm(rect->bottom - rect->top);
    const bool vertical = side % 2 == 0;  // left and right: ticks run down the side
    const int labelAlong = vertical ? LabelBoxHeight(em) : LabelBoxWidth(em);
    const int step = labelAlong + em / 2;
    const int total = em + 5 * step;
    const int middle =
        vertical ? rect->top + (rect->bottom - rect->top) / 2 : rect->left + (rect->right - rect->left) / 2;
    return {middle - total / 2, em, step};
}

int TickLength(const RulerPlan& plan, int tick) {
    if (tick % 2 == 0) return plan.shortLength;  // 0.5 %, 1.5 %, ...
    const int percent = (tick + 1) / 2;
    return plan.shortLength + (6 - percent) * plan.step;
}

void DrawEdgeFrames(HDC hdc, const RECT* rect) {
    for (int frame = 0; frame < kEdgeFrames; ++frame) {
        const int d = frame * kEdgeFrameStep;
        const RECT r = {rect->left + d, rect->top + d, rect->right - d, rect->bottom - d};
        if (r.right <= r.left || r.bottom <= r.top) break;
        HBRUSH brush = CreateSolidBrush(g_edgeFrameColours[frame]);
        FrameRect(hdc, &r, brush);
        DeleteObject(brush);
    }
}

void DrawRulers(HDC hdc, const RECT* rect) {
    const Str labels[5] = {STR_EDGE_MARK_1, STR_EDGE_MARK_2, STR_EDGE_MARK_3, STR_EDGE_MARK_4, STR_EDGE_MARK_5};
    const UINT alignment[4] = {DT_LEFT | DT_BOTTOM, DT_RIGHT | DT_TOP, DT_RIGHT | DT_BOTTOM, DT_RIGHT | DT_BOTTOM};
    HFONT font = MakePixelFont(EdgeLabelEm(rect->bottom - rect->top), FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kRulerCyan);
    for (int side = 0; side < 4; ++side) {
        for (int tick = 0; tick < kRulerTicks; ++tick) {
            const RECT line = RulerTick(rect, side, tick);
            FillColor(hdc, &line, kRulerCyan);
        }
        for (int percent = 1; percent <= 5; ++percent) {
            RECT box = RulerLabel(rect, side, percent);
            DrawTextW(hdc, ScreenText(labels[percent - 1]), -1, &box, DT_SINGLELINE | DT_NOPREFIX | alignment[side]);
        }
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

// The text in the middle, centred in a box half the screen wide.
void DrawEdgeText(HDC hdc, const RECT* rect) {
    const int width = rect->right - rect->left;
    const int height = rect->bottom - rect->top;
    const int boxWidth = width / 2;
    HFONT font = MakePixelFont(EdgeTextEm(height), FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kTextGrey);
    const wchar_t* text = ScreenText(STR_EDGES_EXPLAINED);
    const UINT format = DT_WORDBREAK | DT_CENTER | DT_NOPREFIX;
    RECT box = {0, 0, boxWidth, 0};
    DrawTextW(hdc, text, -1, &box, format | DT_CALCRECT);
    const int textHeight = box.bottom;
    box = {rect->left + (width - boxWidth) / 2, rect->top + (height - textHeight) / 2, 0, 0};
    box.right = box.left + boxWidth;
    box.bottom = box.top + textHeight;
    DrawTextW(hdc, text, -1, &box, format);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

void DrawPairLabels(HDC hdc, const RECT* rect) {
    HFONT font = MakePixelFont(EdgeLabelEm(rect->bottom - rect->top), FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabelGrey);
    for (int width = 1; width <= 2; ++width) {
        RECT box = LinePairLabel(rect, width);
        DrawTextW(hdc, width == 1 ? L"1 px" : L"2 px", -1, &box, DT_SINGLELINE | DT_CENTER | DT_BOTTOM | DT_NOPREFIX);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

// Draws `count` lines centred from the top of `box` down, each wrapped to its width; returns the
// height they took.
int DrawCentredLines(HDC hdc, const RECT& box, const wchar_t lines[][kFactLineChars], int count) {
    const UINT format = DT_WORDBREAK | DT_CENTER | DT_NOPREFIX;
    int top = box.top;
    for (int k = 0; k < count; ++k) {
        RECT measure = {box.left, 0, box.right, 0};
        DrawTextW(hdc, lines[k], -1, &measure, format | DT_CALCRECT);
        RECT line = {box.left, top, box.right, top + measure.bottom};
        DrawTextW(hdc, lines[k], -1, &line, format);
        top += measure.bottom;
    }
    return top - box.top;
}

// What is known of the mode Windows sends, its scale and the monitor's native mode, under the
// checkerboard; the verdict on scaling in yellow, where the checkerboard cannot show it plainly.
void DrawFacts(HDC hdc, const RECT* rect) {
    wchar_t lines[kFactLines][kFactLineChars];
    int verdict = -1;
    const DisplayFacts facts = CurrentDisplayFacts();  // one reading: the painter may paint while the run sets them
    const int count = FactLines(facts, ScreenText, lines, &verdict);
    if (count == 0) return;
    HFONT font = MakePixelFont(EdgeLabelEm(rect->bottom - rect->top), FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    RECT box = FactsBox(rect);
    const int plain = verdict < 0 ? count : verdict;
    SetTextColor(hdc, kTextGrey);
    box.top += DrawCentredLines(hdc, box, lines, plain);
    if (verdict >= 0) {
        SetTextColor(hdc, DesktopIsScaled(facts) ? kYellow : kTextGrey);
        DrawCentredLines(hdc, box, lines + verdict, 1);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

}  // namespace

const COLORREF g_edgeFrameColours[kEdgeFrames] = {kWhite, kRed, RGB(0, 255, 0), RGB(0, 0, 255), kYellow};
const COLORREF g_pairColours[kPairColours] = {kWhite, kRed, RGB(0, 255, 0), RGB(0, 0, 255)};

int EdgeLabelEm(int height) {
    const int em = (height * kLabelEmPermille + 999) / 1000;
    return em > kSmallestLabelEm ? em : kSmallestLabelEm;
}

int EdgeTextEm(int height) {
    const int em = EdgeLabelEm(height);
    return em > kSmallestTextEm ? em : kSmallestTextEm;
}

// Per mille rounded to the nearest pixel, as the marks before the ruler were placed.
int RulerTickDistance(int length, int tick) {
    return (length * 5 * (tick + 1) + 500) / 1000;
}

RECT RulerTick(const RECT* rect, int side, int tick) {
    const RulerPlan plan = PlanRuler(rect, side);
    const int end = plan.start + TickLength(plan, tick);
    if (side % 2 == 0) {
        const int d = RulerTickDistance(rect->right - rect->left, tick);
        const int x = side == 0 ? rect->left + d : rect->right - 1 - d;
        return {x, plan.start, x + 1, end};
    }
    const int d = RulerTickDistance(rect->bottom - rect->top, tick);
    const int y = side == 1 ? rect->top + d : rect->bottom - 1 - d;
    return {plan.start, y, end, y + 1};
}

RECT RulerLabel(const RECT* rect, int side, int percent) {
    const RECT tick = RulerTick(rect, side, 2 * percent - 1);
    const int em = EdgeLabelEm(rect->bottom - rect->top);
    const int h = LabelBoxHeight(em);
    const int w = LabelBoxWidth(em);
    const int gap = em / 4 > 2 ? em / 4 : 2;
    switch (side) {
        case 0:
            return {tick.right + gap, tick.bottom - h, tick.right + gap + w, tick.bottom};
        case 1:
            return {tick.right - w, tick.bottom + gap, tick.right, tick.bottom + gap + h};
        case 2:
            return {tick.left - gap - w, tick.bottom - h, tick.left - gap, tick.bottom};
        default:
            return {tick.right - w, tick.top - gap - h, tick.right, tick.top - gap};
    }
}

RECT CheckerRect(const RECT* rect) {
    const int left = rect->left + (rect->right - rect->left - kCheckerSide) / 2;
    const int top = rect->top + (rect->bottom - rect->top - kCheckerSide) / 2;
    return {left, top, left + kCheckerSide, top + kCheckerSide};
}

RECT LinePairLabel(const RECT* rect, int width) {
    const RECT first = LinePairPatch(rect, width, true, 0);
    const int h = LabelBoxHeight(EdgeLabelEm(rect->bottom - rect->top));
    return {first.left, first.top - 4 - h, first.left + 2 * kPairCell - 8, first.top - 4};
}

RECT FactsBox(const RECT* rect) {
    const RECT checker = CheckerRect(rect);
    const int em = EdgeLabelEm(rect->bottom - rect->top);
    return {rect->left + em, checker.bottom + em, rect->right - em, rect->bottom};
}

RECT LinePairPatch(const RECT* rect, int width, bool vertical, int colour) {
    const RECT checker = CheckerRect(rect);
    const int gridLeft = width == 1 ? checker.left - kPairGap - 2 * kPairCell : checker.right + kPairGap;
    const int left = gridLeft + (vertical ? 0 : kPairCell) + 4;
    const int top = checker.top + colour * kPairCell + 4;
    return {left, top, left + kPairCell - 8, top + kPairCell - 8};
}

void DrawEdges(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    DrawEdgeFrames(hdc, rect);
    DrawRulers(hdc, rect);  // over the frames where a tick meets one
    DrawEdgeText(hdc, rect);
}

void DrawOneToOne(HDC hdc, const RECT* rect) {
    FillColor(hdc, rect, kBlack);
    const RECT checker = CheckerRect(rect);
    FillTiled(hdc, &checker, Checker);
    for (int width = 1; width <= 2; ++width) {
        for (int vertical = 0; vertical < 2; ++vertical) {
            for (int colour = 0; colour < kPairColours; ++colour) {
                const RECT patch = LinePairPatch(rect, width, vertical != 0, colour);
                FillTiled(hdc, &patch, kLinePairs[width - 1][vertical][colour]);
            }
        }
    }
    DrawPairLabels(hdc, rect);
    DrawFacts(hdc, rect);
}
