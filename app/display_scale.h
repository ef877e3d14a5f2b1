// Display scale: the DPI of the monitor a window is on, and sizes made at 96 DPI scaled to it.
// TAVRO handles DPI itself, per monitor, so that its patterns are never stretched; its windows and
// panels grow with the scale, its patterns never do.
#pragma once
#include <windows.h>

constexpr int kBaseDpi = 96;

// The DPI of the monitor that shows `hwnd`: GetDpiForWindow where Windows has it (10, version
// 1607, on), otherwise the monitor's from GetDpiForMonitor (8.1 on), otherwise the system's.
int WindowDpi(HWND hwnd);

// The DPI of the monitor `monitor`, as above.
int MonitorDpi(HMONITOR monitor);

// `size` at 96 DPI at `dpi`.
inline int ScaleToDpi(int size, int dpi) {
    return MulDiv(size, dpi, kBaseDpi);
}

// AdjustWindowRectEx for a window at `dpi`: its frame as Windows draws it there.
void AdjustFrameForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi);
