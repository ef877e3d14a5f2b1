// The HDR screens' note: a panel at the top of the screen, drawn with the other panels.
#include "hdr/hdr_note.h"

#include <algorithm>

#include "app/palette.h"
#include "hdr/hdr_support.h"
#include "hdr/hdr_texts.h"
#include "patterns/toolkit.h"
#include "testrun/catalogue.h"

namespace {

constexpr int kMarginX = 18;
constexpr int kMarginY = 10;
constexpr int kTopDistance = 24;
constexpr BYTE kPanelAlpha = 220;
constexpr int kWidthPermille = 800;  // of the screen's width, at most

}  // namespace

const wchar_t* HdrScreenNote(int mode, int failure) {
    if (!IsHdrMode(mode)) return nullptr;
    if (failure != kPresenterOk) return HdrFailureText(static_cast<PresenterFailure>(failure));
    return HdrIsOff(CurrentColourFacts()) ? HdrText(HT_HDR_OFF) : nullptr;
}

RECT DrawHdrNote(HDC hdc, const RECT* rc, const wchar_t* note) {
    HFONT font = MakePanelFont(16, FW_NORMAL);
    HGDIOBJ oldFont = SelectObject(hdc, font);
    const int marginX = ScaleForPanel(kMarginX), marginY = ScaleForPanel(kMarginY);
    const int screenWidth = rc->right - rc->left;
    const int room = std::max(1, screenWidth * kWidthPermille / 1000 - 2 * marginX);
    RECT text = {0, 0, room, 0};
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    DrawTextW(hdc, note, -1, &text, format | DT_CALCRECT);
    const int width = std::min(room, static_cast<int>(text.right)) + 2 * marginX;
    const int left = rc->left + (screenWidth - width) / 2;
    const int top = rc->top + ScaleForPanel(kTopDistance);
    const RECT panel = {left, top, left + width, top + text.bottom + 2 * marginY};
    BlendColor(hdc, &panel, kUiDark, kPanelAlpha);
    RECT inside = {left + marginX, top + marginY, left + width - marginX, panel.bottom - marginY};
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, kYellow);
    DrawTextW(hdc, note, -1, &inside, format);
    SelectObject(hdc, oldFont);
    DeleteObject(font);
    return panel;
}
