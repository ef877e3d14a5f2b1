// Whether the selection window shows focus marks. It starts with them hidden, as a dialog opened
// with the mouse does, so a mouse user sees no mark on the card or button clicked last.
#include "app/focus_cues.h"

namespace {

bool g_focusCuesHidden = true;

}  // namespace

LRESULT OnChangeUiState(HWND hwnd, WPARAM wParam) {
    // Windows' default handling of a top-level window does this itself; Wine's drops the message.
    SendMessageW(hwnd, WM_UPDATEUISTATE, wParam, 0);
    return 0;
}

LRESULT OnUpdateUiState(HWND hwnd, WPARAM wParam) {
    const int action = LOWORD(wParam);
    if ((HIWORD(wParam) & UISF_HIDEFOCUS) != 0 && (action == UIS_SET || action == UIS_CLEAR)) {
        const bool hidden = action == UIS_SET;
        if (hidden != g_focusCuesHidden) {
            g_focusCuesHidden = hidden;
            const HWND focus = GetFocus();
            if (focus != nullptr && IsChild(hwnd, focus)) InvalidateRect(focus, nullptr, TRUE);
        }
    }
    return DefWindowProcW(hwnd, WM_UPDATEUISTATE, wParam, 0);
}

int FocusCuesShown() {
    return g_focusCuesHidden ? 0 : 1;
}

UINT ApplyFocusCueRule(UINT itemState) {
    return g_focusCuesHidden ? itemState | ODS_NOFOCUSRECT : itemState;
}
