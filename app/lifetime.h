// Start-up and teardown of the program around its one message loop.
#pragma once
#include <windows.h>

// Window class of the selection window.
extern const wchar_t kSelectWindowClass[];

// Before any window: every coordinate a physical pixel, on every monitor where Windows allows it
// (per-monitor awareness on Windows 8.1 on, system awareness before).
void UseUnscaledPixels();

// Picks the UI language from Windows' UI language settings.
int DetectLanguage();

// Registers the selection window's class; the result is deliberately not checked,
// a failed registration shows up as a failed window creation.
void RegisterSelectWindowClass(HINSTANCE hInstance);

// Creates the hidden selection window, its client area kSelectClientWidth x kSelectClientHeight,
// at the primary monitor's scale as far as its work area holds it, centred in that work area and
// never beyond it at the top or the left; null on failure.
HWND CreateSelectWindow(HINSTANCE hInstance);

// Left edge of a window of `windowSize` centred on a screen of `screenSize` (truncating division).
int CentredOrigin(int screenSize, int windowSize);

// Rewrites "debug.txt" in the current directory with the start-up line; a file that cannot be opened is ignored.
void WriteStartupTrace();

// Stops the sound, restores the display mode and frees every global resource.
void ReleaseGlobalResources();
