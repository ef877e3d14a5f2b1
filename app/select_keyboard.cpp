// Keys of the selection window: the focus order, moves in the card grid, Enter.
#include "app/select_keyboard.h"

#include <initializer_list>

#include "app/app_state.h"
#include "app/focus_cues.h"
#include "app/monitor_choice.h"
#include "app/select_layout.h"

namespace {

// The order Tab walks, Shift+Tab backwards, wrapping round: the language box, the monitor box
// (where it is shown), the cards row by row, the command buttons. A new control of the window
// takes its place in this table.
HWND* const kTabOrder[] = {
    &g_hLangCombo, &g_hMonitorCombo,
    &g_hCatChecks[0], &g_hCatChecks[1], &g_hCatChecks[2], &g_hCatChecks[3], &g_hCatChecks[4],
    &g_hCatChecks[5], &g_hCatChecks[6], &g_hCatChecks[7], &g_hCatChecks[8], &g_hCatChecks[9],
    &g_hCatChecks[10], &g_hCatChecks[11], &g_hCatChecks[12], &g_hCatChecks[13], &g_hCatChecks[14],
    &g_hBtnStart, &g_hBtnAuto, &g_hBtnSettings, &g_hBtnAbout,
};
constexpr int kTabCount = ARRAYSIZE(kTabOrder);
constexpr int kCardCount = ARRAYSIZE(g_hCatChecks);
constexpr int kCardColumns = kSelectCardColumns;
static_assert(kTabCount == 2 + kCardCount + 4, "Tab reaches every card");

// The control that had the focus when the window went behind another one.
HWND g_focusWhenInactive;

int TabIndex(HWND control) {
    for (int i = 0; i < kTabCount; ++i) {
        if (*kTabOrder[i] == control) return i;
    }
    return -1;
}

int CardIndex(HWND control) {
    for (int i = 0; i < kCardCount; ++i) {
        if (g_hCatChecks[i] == control) return i;
    }
    return -1;
}

// The keyboard moved the focus: from now on the focused control shows its mark.
void MoveFocus(HWND hwnd, HWND target) {
    SendMessageW(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(target);
}

void OnTab(HWND hwnd, bool backwards) {
    for (HWND box : {g_hLangCombo, g_hMonitorCombo}) {
        if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0)) SendMessageW(box, CB_SHOWDROPDOWN, FALSE, 0);
    }
    const int current = TabIndex(GetFocus());
    const int step = backwards ? kTabCount - 1 : 1;
    int next = current >= 0 ? (current + step) % kTabCount : (backwards ? kTabCount - 1 : 0);
    // A hidden control (the monitor box with one monitor) is passed over.
    for (int tried = 0; tried < kTabCount && !IsWindowVisible(*kTabOrder[next]); ++tried) {
        next = (next + step) % kTabCount;
    }
    MoveFocus(hwnd, *kTabOrder[next]);
}

// The card an arrow key leads to from `card`; the card itself at the edge of the grid.
int CardAfterArrow(int card, WPARAM key) {
    const int column = card % kCardColumns;
    switch (key) {
        case VK_LEFT:
            return column > 0 ? card - 1 : card;
        case VK_RIGHT:
            return column + 1 < kCardColumns && card + 1 < kCardCount ? card + 1 : card;
        case VK_UP:
            return card >= kCardColumns ? card - kCardColumns : card;
        default:  // VK_DOWN
            return card + kCardColumns < kCardCount ? card + kCardColumns : card;
    }
}

// Enter: the focused command button, or START from a card. Anything else keeps the key.
int OnEnter(HWND hwnd, HWND focus) {
    int id = focus != nullptr ? GetDlgCtrlID(focus) : 0;
    if (CardIndex(focus) >= 0) id = IDC_START;
    if (id < IDC_START || id > IDC_ABOUT) return 0;
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(hwnd, id)));
    return 1;
}

}  // namespace

int SelectWindowKey(const MSG* msg) {
    const HWND hwnd = g_app.hwndSelect;
    if (msg->message != WM_KEYDOWN || hwnd == nullptr) return 0;
    if (msg->hwnd != hwnd && !IsChild(hwnd, msg->hwnd)) return 0;
    const HWND focus = GetFocus();
    switch (msg->wParam) {
        case VK_TAB:
            OnTab(hwnd, GetKeyState(VK_SHIFT) < 0);
            return 1;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            const int card = CardIndex(focus);
            if (card < 0) return 0;  // the language box takes its arrows itself
            MoveFocus(hwnd, g_hCatChecks[CardAfterArrow(card, msg->wParam)]);
            return 1;
        }
        case VK_RETURN:
            return OnEnter(hwnd, focus);
        default:
            return 0;
    }
}

LRESULT OnSelectActivate(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        g_focusWhenInactive = focus != nullptr && IsChild(hwnd, focus) ? focus : nullptr;
    } else if (LOWORD(wParam) == WA_ACTIVE && HIWORD(wParam) == 0 && FocusCuesShown() &&
               g_focusWhenInactive != nullptr &&
               IsWindow(g_focusWhenInactive)) {
        // Only for keyboard users: with the mouse the window keeps the focus itself, as it always has,
        // and a click that activates the window gives the focus to what it clicks.
        SetFocus(g_focusWhenInactive);
        return 0;
    }
    return DefWindowProcW(hwnd, WM_ACTIVATE, wParam, lParam);
}
