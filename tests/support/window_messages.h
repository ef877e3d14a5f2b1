// Small helpers of the window tests: the program's message loop run dry, and a rectangle's sides.
#pragma once
#include <windows.h>

// Dispatches every message waiting for this thread's windows.
void PumpMessages();

inline int RectWidth(const RECT& r) {
    return r.right - r.left;
}

inline int RectHeight(const RECT& r) {
    return r.bottom - r.top;
}
