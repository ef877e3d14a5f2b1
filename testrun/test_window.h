// The full-screen test window: shows the play list's screens and steps through them.
#pragma once
#include <windows.h>

extern const wchar_t kTestWindowClass[];

// Saves the display mode, switches to the native resolution if it can, and opens the
// topmost full-screen window on the first play-list entry. Tells the user if the window cannot be made.
void CreateTestWindow();

LRESULT CALLBACK TestWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Mode of the current play-list entry, or -1 when there is none.
int CurrentMode();

// Makes play-list entry `pos` (0..playlistCount-1) current.
void GotoMode(HWND hwnd, int pos);

// Moves `delta` entries (+1 or -1) along the play list, wrapping around at both ends.
void AdvanceMode(HWND hwnd, int delta);

// Sets the window text for the current entry.
void UpdateTestTitle(HWND hwnd);
