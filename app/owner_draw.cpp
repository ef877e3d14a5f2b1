// Owner-drawn category cards and command buttons; they paint from the program's state, not the control's.
#include "app/owner_draw.h"

#include "app/app_state.h"
#include "app/bounded_format.h"
#include "app/display_scale.h"
#include "app/palette.h"
#include "app/select_layout.h"
#include "app/texts.h"
#include "patterns/toolkit.h"
#include "testrun/catalogue.h"

namespace {

constexpr COLORREF kCardHoverFill = RGB(250, 250, 248);
constexpr COLORREF kCheckedInnerOutline = RGB(208, 237, 221);
constexpr COLORREF kCardHoverOutline = RGB(185, 194, 202);
constexpr COLORREF kCardOutline = RGB(227, 225, 218);
constexpr COLORREF kCheckBoxOutline = RGB(196, 203, 210);
constexpr COLORREF kBadgeText = RGB(154, 163, 171);
constexpr COLORREF kPlainButtonOutline = RGB(207, 204, 195);
constexpr COLORREF kPlainButtonHoverOutline = RGB(154, 163, 171);

constexpr int kCheckBoxInset = 14;
constexpr int kCheckBoxSize = 19;
constexpr int kFocusMarkInset = 4;
constexpr BYTE kHoverAlpha = 30;

int S(int size) {
    return ScaleForSelect(size);
}

// Outline of a rounded rectangle with no fill, in a solid pen of the given width and colour.
void RoundedOutline(HDC hdc, const RECT& r, int corner, int penWidth, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, S(penWidth), color);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    RoundRect(hdc, r.left, r.top, r.right, r.bottom, S(corner), S(corner));
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

void DrawCheckBox(HDC hdc, int bx, int by, bool checked) {
    HPEN pen = CreatePen(PS_SOLID, S(1), checked ? kUiAccent : kCheckBoxOutline);
    HBRUSH brush = checked ? CreateSolidBrush(kUiAccent) : nullptr;
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, checked ? brush : GetStockObject(WHITE_BRUSH));
    RoundRect(hdc, bx, by, bx + S(kCheckBoxSize), by + S(kCheckBoxSize), S(6), S(6));
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
    if (brush != nullptr) DeleteObject(brush);
    if (!checked) return;

    HPEN markPen = CreatePen(PS_SOLID, S(2), kWhite);
    oldPen = SelectObject(hdc, markPen);
    const POINT mark[3] = {{bx + S(4), by + S(9)}, {bx + S(8), by + S(14)}, {bx + S(15), by + S(5)}};
    Polyline(hdc, mark, 3);
    SelectObject(hdc, oldPen);
    DeleteObject(markPen);
}

void DrawPlayTriangle(HDC hdc, int x0, int y0, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, S(1), color);
    HBRUSH brush = CreateSolidBrush(color);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    HGDIOBJ oldBrush = SelectObject(hdc, brush);
    const POINT corners[3] = {{x0, y0}, {x0, y0 + S(12)}, {x0 + S(9), y0 + S(6)}};
    Polygon(hdc, corners, 3);
    SelectObject(hdc, oldBrush);
    SelectObject(hdc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void DrawBolt(HDC hdc, int x0, int y0, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, S(2), color);
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    const POINT bolt[4] = {{x0 + S(6), y0}, {x0, y0 + S(7)}, {x0 + S(5), y0 + S(7)}, {x0 + S(2), y0 + S(14)}};
    Polyline(hdc, bolt, 4);
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
}

// The dotted focus rectangle inside the item, where the keyboard focus is and marks are shown.
void DrawFocusMark(const DRAWITEMSTRUCT* drawItem) {
    if ((drawItem->itemState & ODS_FOCUS) == 0 || (drawItem->itemState & ODS_NOFOCUSRECT) != 0) return;
    HDC hdc = drawItem->hDC;
    RECT mark = drawItem->rcItem;
    InflateRect(&mark, -S(kFocusMarkInset), -S(kFocusMarkInset));
    // The dots invert what is under them; black and white make the pattern the standard one.
    const COLORREF oldText = SetTextColor(hdc, kBlack);
    const COLORREF oldBack = SetBkColor(hdc, kWhite);
    DrawFocusRect(hdc, &mark);
    SetBkColor(hdc, oldBack);
    SetTextColor(hdc, oldText);
}

// A label on one line inside `r`; where a language's word is wider than that, in the same face
// made smaller, so that no label is ever cut.
void DrawLabel(HDC hdc, const wchar_t* text, RECT r, UINT alignment) {
    HFONT fitting = FittingLabelFont(hdc, static_cast<HFONT>(GetCurrentObject(hdc, OBJ_FONT)), text, r.right - r.left);
    HGDIOBJ old = fitting != nullptr ? SelectObject(hdc, fitting) : nullptr;
    DrawTextW(hdc, text, -1, &r, DT_SINGLELINE | DT_VCENTER | alignment);
    if (fitting == nullptr) return;
    SelectObject(hdc, old);
    DeleteObject(fitting);
}

struct ButtonScheme {
    COLORREF fill;
    COLORREF label;
    Str labelKey;
};

constexpr ButtonScheme kButtonSchemes[] = {
    {kUiDark, kWhite, STR_START},
    {kUiAccent, kWhite, STR_AUTO},
    {kWhite, kUiText, STR_DISPLAY_SETTINGS},
    {kWhite, kUiText, STR_ABOUT},
};

}  // namespace

int ScaleForSelect(int size) {
    return ScaleToDpi(size, SelectLayoutDpi());
}

HFONT FittingLabelFont(HDC hdc, HFONT font, const wchar_t* text, int room) {
    const int length = lstrlenW(text);
    HGDIOBJ old = SelectObject(hdc, font);
    SIZE size = {};
    GetTextExtentPoint32W(hdc, text, length, &size);
    SelectObject(hdc, old);
    if (size.cx <= room || room <= 0) return nullptr;
    LOGFONTW logical = {};
    if (GetObjectW(font, sizeof(logical), &logical) == 0) return nullptr;
    const LONG height = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
    for (LONG h = height * room / size.cx; h >= 6; --h) {
        logical.lfHeight = -h;
        HFONT smaller = CreateFontIndirectW(&logical);
        if (smaller == nullptr) return nullptr;
        old = SelectObject(hdc, smaller);
        GetTextExtentPoint32W(hdc, text, length, &size);
        SelectObject(hdc, old);
        if (size.cx <= room) return smaller;
        DeleteObject(smaller);
    }
    return nullptr;
}

void DrawCatCard(const DRAWITEMSTRUCT* drawItem) {
    const int i = static_cast<int>(drawItem->CtlID) - IDC_CARD_FIRST;
    if (i < 0 || i >= kCategoryCount) return;
    HDC hdc = drawItem->hDC;
    const RECT& r = drawItem->rcItem;
    const bool checked = g_catChecked[i] != 0;
    const bool hovered = g_app.hoverCard == i;  // checked wins over hovered throughout

    if (checked) {
        FillRect(hdc, &r, g_app.brushCardChecked);
    } else if (hovered) {
        FillColor(hdc, &r, kCardHoverFill);
    } else {
        FillRect(hdc, &r, g_app.brushCard);
    }

    if (checked) {
        RoundedOutline(hdc, r, 11, 2, kUiAccent);
        const RECT inner = {r.left + S(1), r.top + S(1), r.right - S(1), r.bottom - S(1)};
        RoundedOutline(hdc, inner, 9, 1, kCheckedInnerOutline);
    } else {
        RoundedOutline(hdc, r, 11, 1, hovered ? kCardHoverOutline : kCardOutline);
    }

    const int bx = r.left + S(kCheckBoxInset);
    const int by = r.top + (r.bottom - r.top - S(kCheckBoxSize)) / 2;
    DrawCheckBox(hdc, bx, by, checked);

    HGDIOBJ oldFont = SelectObject(hdc, g_app.fontUi);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kUiDark);
    DrawLabel(hdc, tr(CategoryTextKey(i)), {bx + S(28), r.top, r.right - S(70), r.bottom}, DT_LEFT);

    SelectObject(hdc, g_app.fontMono);
    SetTextColor(hdc, kBadgeText);
    wchar_t badge[16];
    FormatText(badge, 16, L"\u00D7%d", g_catCount[i]);
    DrawLabel(hdc, badge, {r.right - S(60), r.top, r.right - S(10), r.bottom}, DT_RIGHT);
    SelectObject(hdc, oldFont);
    DrawFocusMark(drawItem);
}

void DrawPushButton(const DRAWITEMSTRUCT* drawItem) {
    const int id = static_cast<int>(drawItem->CtlID);
    if (id < IDC_START || id > IDC_ABOUT) return;
    HDC hdc = drawItem->hDC;
    const RECT& r = drawItem->rcItem;
    const bool hovered = g_app.hoverButton == id;
    const ButtonScheme& scheme = kButtonSchemes[id - IDC_START];
    const bool isCommand = id == IDC_START || id == IDC_AUTO;

    FillColor(hdc, &r, scheme.fill);
    if (!isCommand) {
        RoundedOutline(hdc, r, 10, 1, hovered ? kPlainButtonHoverOutline : kPlainButtonOutline);
    } else if (hovered) {
        BlendColor(hdc, &r, kWhite, kHoverAlpha);  // lightens the button
    }

    HGDIOBJ oldFont = SelectObject(hdc, g_app.fontUi);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, scheme.label);
    const wchar_t* label = tr(scheme.labelKey);
    const int cx = r.left + (r.right - r.left) / 2;
    const int cy = r.top + (r.bottom - r.top) / 2;
    if (id == IDC_START) {
        const int x0 = cx - S(30);
        DrawPlayTriangle(hdc, x0, cy - S(6), scheme.label);
        DrawLabel(hdc, label, {x0 + S(14), r.top, r.right, r.bottom}, DT_LEFT);
    } else if (id == IDC_AUTO) {
        const int x0 = cx - S(34);
        DrawBolt(hdc, x0, cy - S(7), scheme.label);
        DrawLabel(hdc, label, {x0 + S(16), r.top, r.right, r.bottom}, DT_LEFT);
    } else {
        DrawLabel(hdc, label, {r.left + S(kFocusMarkInset), r.top, r.right - S(kFocusMarkInset), r.bottom}, DT_CENTER);
    }
    SelectObject(hdc, oldFont);
    DrawFocusMark(drawItem);
}
