// Edges and scaling: frames a few pixels in from every edge with marks at 1 %, 2.5 % and 5 %, which
// show whether and how much a TV crops the picture, and a 1-px checkerboard with line pairs, which
// stay an even texture only where every pixel of the picture is one pixel of the panel.
#include "app/palette.h"
#include "patterns/chroma_edges.h"
#include "patterns/patterns.h"
#include "patterns/screen_text.h"
#include "patterns/toolkit.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kTextGrey = RGB(200, 200, 200);
constexpr COLORREF kLabelGrey = RGB(150, 150, 150);
constexpr int kLabelWidth = 64;
constexpr int kLabelHeight = 20;
constexpr int kLabelSize = 13;
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

// Length of a mark along its edge: room for its label beside it, three marks side by side.
int MarkLength(const RECT* rect, int side) {
    if (side % 2 == 0) {
        const int height = rect->bottom - rect->top;
        return height / 24 > kLabelHeight ? height / 24 : kLabelHeight;
    }
    const int width = rect->right - rect->left;
    return width / 24 > kLabelWidth ? width / 24 : kLabelWidth;
}

void DrawEdgeFrames(HDC hdc, const RECT* rect) {
    for (int frame = 0; frame < kEdgeFrames; ++frame) {
        const int d = frame * kEdgeFrameStep;
        const RECT r = {rect->left + d, rect->top + d, rect->right - d, rect->bottom - d};
        if (r.right <= r.left || r.bottom <= r.top) break;
        HBRUSH brush = CreateSolidBrush(EdgeFrameColour(frame));
        FrameRect(hdc, &r, brush);
        DeleteObject(brush);
    }
}

void DrawEdgeMarks(HDC hdc, const RECT* rect) {
    const Str labels[kEdgeMarks] = {STR_EDGE_MARK_1, STR_EDGE_MARK_2_5, STR_EDGE_MARK_5};
    const UINT alignment[4] = {DT_LEFT | DT_VCENTER, DT_CENTER | DT_TOP, DT_RIGHT | DT_VCENTER, DT_CENTER | DT_BOTTOM};
    HFONT font = MakePixelFont(kLabelSize, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kYellow);
    for (int side = 0; side < 4; ++side) {
        for (int mark = 0; mark < kEdgeMarks; ++mark) {
            const RECT tick = EdgeMark(rect, side, mark);
            FillColor(hdc, &tick, kYellow);
            RECT box = EdgeMarkLabel(rect, side, mark);
            DrawTextW(hdc, ScreenText(labels[mark]), -1, &box, DT_SINGLELINE | DT_NOPREFIX | alignment[side]);
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
    HFONT font = MakePixelFont(16, FW_NORMAL);
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
    HFONT font = MakePixelFont(kLabelSize, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kLabelGrey);
    for (int width = 1; width <= 2; ++width) {
        const RECT first = LinePairPatch(rect, width, true, 0);
        RECT box = {first.left, first.top - kLabelHeight - 8, first.left + 2 * kPairCell - 8, first.top - 4};
        DrawTextW(hdc, width == 1 ? L"1 px" : L"2 px", -1, &box, DT_SINGLELINE | DT_CENTER | DT_BOTTOM | DT_NOPREFIX);
    }
    SelectObject(hdc, oldFont);
    DeleteObject(font);
}

}  // namespace

const int g_edgeMarkPermille[kEdgeMarks] = {10, 25, 50};
const COLORREF g_pairColours[kPairColours] = {kWhite, kRed, RGB(0, 255, 0), RGB(0, 0, 255)};

COLORREF EdgeFrameColour(int frame) { return frame % 2 == 0 ? kWhite : kRed; }

int EdgeMarkDistance(int length, int mark) {
    return (length * g_edgeMarkPermille[mark] + 500) / 1000;
}

RECT EdgeMark(const RECT* rect, int side, int mark) {
    const int length = MarkLength(rect, side);
    if (side % 2 == 0) {  // left and right: a vertical mark, the three above one another round the middle
        const int d = EdgeMarkDistance(rect->right - rect->left, mark);
        const int x = side == 0 ? rect->left + d : rect->right - 1 - d;
        const int top = rect->top + (rect->bottom - rect->top) / 2 - 3 * length / 2 + mark * length;
        return {x, top, x + 1, top + length - 2};
    }
    const int d = EdgeMarkDistance(rect->bottom - rect->top, mark);
    const int y = side == 1 ? rect->top + d : rect->bottom - 1 - d;
    const int left = rect->left + (rect->right - rect->left) / 2 - 3 * length / 2 + mark * length;
    return {left, y, left + length - 2, y + 1};
}

RECT EdgeMarkLabel(const RECT* rect, int side, int mark) {
    const RECT tick = EdgeMark(rect, side, mark);
    switch (side) {
        case 0:
            return {tick.right + 3, tick.top, tick.right + 3 + kLabelWidth, tick.bottom};
        case 1:
            return {tick.left, tick.bottom + 2, tick.right, tick.bottom + 2 + kLabelHeight};
        case 2:
            return {tick.left - 3 - kLabelWidth, tick.top, tick.left - 3, tick.bottom};
        default:
            return {tick.left, tick.top - 2 - kLabelHeight, tick.right, tick.top - 2};
    }
}

RECT CheckerRect(const RECT* rect) {
    const int left = rect->left + (rect->right - rect->left - kCheckerSide) / 2;
    const int top = rect->top + (rect->bottom - rect->top - kCheckerSide) / 2;
    return {left, top, left + kCheckerSide, top + kCheckerSide};
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
    DrawEdgeMarks(hdc, rect);
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
}
