// DPI lookups, the request for per-monitor pixels and the fitting of windows to a work area, with
// the newer calls of user32 and shcore looked up at run time so that the program still starts on
// Windows 7.
#include "app/display_scale.h"

#include "app/window_place.h"

namespace {

typedef UINT(WINAPI* GetDpiForWindowFn)(HWND);
typedef HRESULT(WINAPI* GetDpiForMonitorFn)(HMONITOR, int, UINT*, UINT*);
typedef BOOL(WINAPI* AdjustWindowRectExForDpiFn)(RECT*, DWORD, BOOL, DWORD, UINT);

// The newer calls, looked up once; null where this Windows lacks them.
struct DpiCalls {
    bool looked;
    GetDpiForWindowFn getDpiForWindow;
    GetDpiForMonitorFn getDpiForMonitor;
    AdjustWindowRectExForDpiFn adjustWindowRectExForDpi;
};
DpiCalls g_dpiCalls;
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

void* Export(HMODULE module, const char* name) {
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

const DpiCalls& Calls() {
    if (!g_dpiCalls.looked) {
        g_dpiCalls.looked = true;
        HMODULE user = GetModuleHandleW(L"user32.dll");
        HMODULE shcore = LoadLibraryW(L"shcore.dll");  // kept for the life of the process
        g_dpiCalls.getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(Export(user, "GetDpiForWindow"));
        g_dpiCalls.getDpiForMonitor = reinterpret_cast<GetDpiForMonitorFn>(Export(shcore, "GetDpiForMonitor"));
        g_dpiCalls.adjustWindowRectExForDpi =
            reinterpret_cast<AdjustWindowRectExForDpiFn>(Export(user, "AdjustWindowRectExForDpi"));
    }
    return g_dpiCalls;
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : kBaseDpi;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int MonitorDpi(HMONITOR monitor) {
    const GetDpiForMonitorFn getDpiForMonitor = Calls().getDpiForMonitor;
    UINT x = 0;
    UINT y = 0;
    if (monitor != nullptr && getDpiForMonitor != nullptr && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) &&
        y > 0) {
        return static_cast<int>(y);
    }
    return SystemDpi();
}

int WindowDpi(HWND hwnd) {
    const GetDpiForWindowFn getDpiForWindow = Calls().getDpiForWindow;
    if (hwnd != nullptr && getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(hwnd);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return MonitorDpi(hwnd != nullptr ? MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY) : nullptr);
}

void AdjustFrameForDpi(RECT* rect, DWORD style, DWORD exStyle, int dpi) {
    const AdjustWindowRectExForDpiFn adjust = Calls().adjustWindowRectExForDpi;
    if (adjust == nullptr || !adjust(rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(rect, style, FALSE, exStyle);
    }
}

SIZE ScaledWindowSize(int clientWidth, int clientHeight, DWORD style, int layoutDpi, int frameDpi) {
    RECT frame = {0, 0, ScaleToDpi(clientWidth, layoutDpi), ScaleToDpi(clientHeight, layoutDpi)};
    AdjustFrameForDpi(&frame, style, 0, frameDpi);
    return {frame.right - frame.left, frame.bottom - frame.top};
}

int FittedLayoutDpi(int clientWidth, int clientHeight, DWORD style, int dpi, const RECT& work) {
    int fitted = dpi;
    while (fitted > kBaseDpi) {
        const SIZE size = ScaledWindowSize(clientWidth, clientHeight, style, fitted, dpi);
        if (size.cx <= work.right - work.left && size.cy <= work.bottom - work.top) break;
        --fitted;
    }
    return fitted > kBaseDpi ? fitted : kBaseDpi;
}

namespace {

RECT WorkAreaOfMonitor(HMONITOR monitor) {
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    return info.rcWork;
}

}  // namespace

RECT WorkAreaOf(const RECT& rect) {
    return WorkAreaOfMonitor(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST));
}

RECT WorkAreaAtDpi(HWND hwnd, int dpi) {
    POINT pointer = {};
    if (GetCursorPos(&pointer)) {
        const HMONITOR under = MonitorFromPoint(pointer, MONITOR_DEFAULTTONULL);
        if (under != nullptr && MonitorDpi(under) == dpi) return WorkAreaOfMonitor(under);
    }
    return WorkAreaOfMonitor(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST));
}

RECT KeptInWorkArea(const RECT& rect, const RECT& work) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int left = KeptInside(rect.left, width, work.left, work.right);
    const int top = KeptInside(rect.top, height, work.top, work.bottom);
    return {left, top, left + width, top + height};
}

namespace {

const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));
constexpr int kProcessPerMonitorAware = 2;  // PROCESS_PER_MONITOR_DPI_AWARE

// Windows refuses a second awareness: the manifest's, or an earlier call's, stays.
bool AlreadyAware() {
    return GetLastError() == ERROR_ACCESS_DENIED;
}

}  // namespace

AwarenessCalls LookUpAwarenessCalls() {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    HMODULE shcore = LoadLibraryW(L"shcore.dll");  // kept for the life of the process
    AwarenessCalls calls = {};
    calls.setContext = reinterpret_cast<BOOL(WINAPI*)(HANDLE)>(Export(user, "SetProcessDpiAwarenessContext"));
    calls.setShcore = reinterpret_cast<HRESULT(WINAPI*)(int)>(Export(shcore, "SetProcessDpiAwareness"));
    calls.setSystem = reinterpret_cast<BOOL(WINAPI*)()>(Export(user, "SetProcessDPIAware"));
    return calls;
}

AwarenessWay AskForPerMonitorPixels(const AwarenessCalls& calls) {
    if (calls.setContext != nullptr) {
        if (calls.setContext(kPerMonitorAwareV2) || calls.setContext(kPerMonitorAware) || AlreadyAware()) {
            return kAwareByContext;
        }
    }
    if (calls.setShcore != nullptr) {
        const HRESULT result = calls.setShcore(kProcessPerMonitorAware);
        if (SUCCEEDED(result) || result == E_ACCESSDENIED) return kAwareByShcore;
    }
    if (calls.setSystem != nullptr && calls.setSystem()) return kAwareBySystem;
    return kAwareByNone;
}
