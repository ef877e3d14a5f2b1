// The selection window by keyboard, as in a dialog: Tab and Shift+Tab along one order of controls,
// the arrow keys across the grid of cards, Enter for the focused button (START from a card).
// Space is the buttons' own: it clicks the focused card or button.
#pragma once
#include <windows.h>

// Handles `msg` when it is a key the selection window answers itself; nonzero when it did, and
// the message is then neither translated nor dispatched. The message loop asks it first.
int SelectWindowKey(const MSG* msg);

// WM_ACTIVATE of the selection window: remembers the focused control while another window is in
// front (a test run, a message box) and gives the focus back to it once the keyboard has been used.
LRESULT OnSelectActivate(HWND hwnd, WPARAM wParam, LPARAM lParam);
