// DPI lookups, with the newer calls of user32 and shcore looked up at run time so that the
// program still starts on Windows 7.
#include "app/display_scale.h"

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
