// The test-selection window: header, language combo box, fifteen category cards, the HDR card's line, command buttons, hints.
#pragma once
#include <windows.h>

#include "app/select_layout.h"

LRESULT CALLBACK SelectWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window's style, for sizing its frame.
constexpr DWORD kSelectStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The largest DPI from `dpi` down, and at least 96, at which the whole window, its frame as Windows
// draws it at `dpi`, fits `work`.
int FittedSelectDpi(int dpi, const RECT& work);

// The window's size, frame included: its client area laid out at `layoutDpi`, its frame as drawn
// on a monitor of `frameDpi`.
SIZE SelectWindowSize(int layoutDpi, int frameDpi);

// Lays the window's controls out at `dpi` and gives them the fonts of that size; the window's own
// size is its caller's.
void LayOutSelectWindow(HWND hwnd, int dpi);

// Sends the UI fonts to the controls.
void ApplyFonts(HWND hwnd);

// Sets every text of the window from the catalogue in the current language.
void ReloadUiTexts(HWND hwnd);

// Starts the Windows display control panel; tells the user when it cannot be started.
void OpenDisplaySettings(HWND hwndOwner);

// Asks Windows for one WM_MOUSELEAVE when the pointer leaves `hwnd`.
void TrackMouseEventStruct(HWND hwnd);
