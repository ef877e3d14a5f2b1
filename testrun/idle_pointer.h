// The pointer over the test screens: hidden while the mouse is still, shown while it moves.
#pragma once
#include <windows.h>

#include "testrun/window_ids.h"

// How long the pointer stays shown after a move.
constexpr UINT kPointerShownMs = 1500;

// From the first screen on: hides the pointer and remembers where it stands.
void HidePointerOnScreens();

// WM_MOUSEMOVE of `hwnd` at client point `lParam`. A move to another place shows the pointer and
// restarts the timer; a message at the same place (Wine and X send them when a window appears or
// is repainted) changes nothing.
void OnPointerMove(HWND hwnd, LPARAM lParam);

// kPointerTimer: the mouse has been still for kPointerShownMs.
void OnPointerStill(HWND hwnd);

// WM_SETCURSOR with hit-test code LOWORD(lParam): nonzero when it has hidden the pointer, zero when
// the default handling is to set the window's arrow.
int SetScreenCursor(LPARAM lParam);

// The run is over: the pointer is shown again and the timer of `hwnd` stopped.
void ShowPointerAfterRun(HWND hwnd);

// Nonzero while the pointer is hidden over the test screens.
int PointerHidden();
