// Focus marks in the selection window, by Windows' own rule: hidden while the window is used with
// the mouse, shown once the keyboard moves the focus (WM_CHANGEUISTATE, UISF_HIDEFOCUS).
#pragma once
#include <windows.h>

// WM_CHANGEUISTATE of the selection window, a top-level window: the change goes to the window
// and its children as WM_UPDATEUISTATE.
LRESULT OnChangeUiState(HWND hwnd, WPARAM wParam);

// WM_UPDATEUISTATE: takes UISF_HIDEFOCUS set or cleared, and repaints the focused control when
// its mark comes or goes.
LRESULT OnUpdateUiState(HWND hwnd, WPARAM wParam);

// Nonzero once the marks are shown.
int FocusCuesShown();

// `itemState` of a draw request with ODS_NOFOCUSRECT added while the marks are hidden (Wine's
// owner-drawn buttons never add it themselves).
UINT ApplyFocusCueRule(UINT itemState);
