// A window's move to a monitor of another scale, with the messages Windows sends for it.
#pragma once
#include <windows.h>

// The move from a monitor of `fromDpi` to one of `toDpi`, as Windows makes it: it asks the window
// for its size there (WM_GETDPISCALEDSIZE), keeps its own suggestion, the current size scaled by
// toDpi / fromDpi, where the window does not answer, and announces the new DPI with the rectangle
// of that size at the window's place.
void MoveToScale(HWND window, int fromDpi, int toDpi);
