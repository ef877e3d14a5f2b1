// Hides the pointer over the test screens after 1.5 s without a move; only a real move shows it.
#include "testrun/idle_pointer.h"

namespace {

bool g_pointerHidden;
POINT g_pointerAt;  // screen position of the last real move, or where the pointer stood at the start

void ShowArrow() {
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

}  // namespace

void HidePointerOnScreens() {
    GetCursorPos(&g_pointerAt);
    g_pointerHidden = true;
    SetCursor(nullptr);
}

void OnPointerMove(HWND hwnd, LPARAM lParam) {
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hwnd, &at);
    if (at.x == g_pointerAt.x && at.y == g_pointerAt.y) return;
    g_pointerAt = at;
    if (g_pointerHidden) {
        g_pointerHidden = false;
        ShowArrow();
    }
    SetTimer(hwnd, kPointerTimer, kPointerShownMs, nullptr);
}

void OnPointerStill(HWND hwnd) {
    KillTimer(hwnd, kPointerTimer);
    g_pointerHidden = true;
    SetCursor(nullptr);
}

int SetScreenCursor(LPARAM lParam) {
    if (!g_pointerHidden || LOWORD(lParam) != HTCLIENT) return 0;
    SetCursor(nullptr);
    return 1;
}

void ShowPointerAfterRun(HWND hwnd) {
    if (hwnd != nullptr) KillTimer(hwnd, kPointerTimer);
    if (!g_pointerHidden) return;
    g_pointerHidden = false;
    ShowArrow();
}

int PointerHidden() {
    return g_pointerHidden ? 1 : 0;
}
