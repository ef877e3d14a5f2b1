// The fonts of the program's own windows: the UI face at the scale of the window's monitor.
#pragma once
#include <windows.h>

// Creates the four UI fonts of g_app at `dpi`, the selection window's (a failed creation leaves that
// field null); fonts made before are deleted first.
void CreateUiFonts(int dpi = 96);

// The UI's text font, `height` pixels at 96 DPI, at `dpi`; the caller deletes it.
HFONT CreateUiTextFont(int height, int weight, int dpi);

// Deletes the four UI fonts of g_app and clears their fields.
void DeleteUiFonts();
