// Display scale: the DPI of the monitor a window is on, and sizes made at 96 DPI scaled to it.
// TAVRO handles DPI itself, per monitor, so that its patterns are never stretched; its windows and
// panels grow with the scale, its patterns never do.
#pragma once
#include <windows.h>

constexpr int kBaseDpi = 96;

// WM_GETDPISCALEDSIZE (Windows 10, version 1703, on), which the headers of this build's Windows
// version leave out: Windows asks a window for its size at a new DPI before it moves it there.
constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

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

// The size of a window, frame included, whose client area is `clientWidth` x `clientHeight` at
// 96 DPI laid out at `layoutDpi`, its frame of `style` as drawn on a monitor of `frameDpi`.
SIZE ScaledWindowSize(int clientWidth, int clientHeight, DWORD style, int layoutDpi, int frameDpi);

// The largest DPI from `dpi` down, and at least 96, at which such a window, its frame drawn at
// `dpi`, fits `work`: a window too large for its monitor at that scale is scaled down to fit.
int FittedLayoutDpi(int clientWidth, int clientHeight, DWORD style, int dpi, const RECT& work);

// The work area of the monitor that holds the most of `rect`.
RECT WorkAreaOf(const RECT& rect);

// The work area a window of `hwnd` goes to when Windows announces its new DPI `dpi`: the one of the
// monitor under the pointer where that monitor is at `dpi` (the window is being dragged there),
// otherwise the one of the monitor the window is on.
RECT WorkAreaAtDpi(HWND hwnd, int dpi);

// `rect` moved by the least into `work`, its top-left corner kept inside where it is larger.
RECT KeptInWorkArea(const RECT& rect, const RECT& work);

// The ways a process can ask Windows for per-monitor pixels, newest first; a way this Windows
// lacks is null.
struct AwarenessCalls {
    BOOL(WINAPI* setContext)(HANDLE);     // user32 SetProcessDpiAwarenessContext: 10, version 1703, on
    HRESULT(WINAPI* setShcore)(int);      // shcore SetProcessDpiAwareness: 8.1 on
    BOOL(WINAPI* setSystem)();            // user32 SetProcessDPIAware: Vista on, system awareness only
};

// How the process came to its awareness.
enum AwarenessWay { kAwareByContext, kAwareByShcore, kAwareBySystem, kAwareByNone };

// This Windows' calls.
AwarenessCalls LookUpAwarenessCalls();

// Asks for per-monitor awareness (version 2, then 1) through the newest of `calls` there is, and
// only where none of those is there, for system awareness. An awareness already set, by the
// manifest or an earlier call, counts as asked for. Says which way answered.
AwarenessWay AskForPerMonitorPixels(const AwarenessCalls& calls);
