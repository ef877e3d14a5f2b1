// Child windows for swap chains over the test window.
#include "hdr/view_window.h"

#include "app/app_state.h"

namespace {

LRESULT CALLBACK ViewWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCHITTEST:
            return HTTRANSPARENT;  // clicks and the pointer belong to the test window beneath
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            ValidateRect(hwnd, nullptr);  // the swap chain shows what was presented
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

HWND CreateViewWindow(HWND parent, const wchar_t* className, int width, int height) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ViewWindowProc;
    wc.hInstance = g_app.hInstance;
    wc.lpszClassName = className;
    RegisterClassExW(&wc);  // already there from the second run on
    SetWindowLongPtrW(parent, GWL_STYLE, GetWindowLongPtrW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_DISABLED, 0, 0, width, height, parent, nullptr,
                           g_app.hInstance, nullptr);
}
