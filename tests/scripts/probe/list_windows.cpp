// Lists the visible top-level windows of the desktop it runs on, as a person would read them off the
// screen: class, caption, window and client rectangles, and the texts of a message box.
// The end-to-end test runs it inside the Wine virtual desktop, whose windows are no X windows.
#include <windows.h>

#include <stdio.h>

namespace {

void PrintUtf8(const wchar_t* text) {
    char buffer[1024];
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof(buffer), nullptr, nullptr);
    fputs(length > 0 ? buffer : "?", stdout);
}

BOOL CALLBACK PrintStaticText(HWND child, LPARAM) {
    wchar_t className[64];
    wchar_t text[512];
    GetClassNameW(child, className, ARRAYSIZE(className));
    if (lstrcmpiW(className, L"Static") != 0 || !IsWindowVisible(child)) return TRUE;
    if (GetWindowTextW(child, text, ARRAYSIZE(text)) == 0) return TRUE;
    fputs("  text ", stdout);
    PrintUtf8(text);
    fputs("\n", stdout);
    return TRUE;
}

// One line per window: "window CLASS|CAPTION|left,top,right,bottom|client WxH at x,y".
BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM) {
    if (!IsWindowVisible(hwnd)) return TRUE;
    wchar_t className[128];
    wchar_t caption[512];
    GetClassNameW(hwnd, className, ARRAYSIZE(className));
    GetWindowTextW(hwnd, caption, ARRAYSIZE(caption));
    RECT window;
    RECT client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    fputs("window ", stdout);
    PrintUtf8(className);
    fputs("|", stdout);
    PrintUtf8(caption);
    printf("|%ld,%ld,%ld,%ld|client %ldx%ld at %ld,%ld\n", window.left, window.top, window.right, window.bottom,
           client.right, client.bottom, origin.x, origin.y);
    if (lstrcmpW(className, L"#32770") == 0) EnumChildWindows(hwnd, PrintStaticText, 0);
    return TRUE;
}

}  // namespace

int main() {
    printf("screen %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EnumWindows(PrintWindow, 0);
    puts("end");  // the reader polls for this line: the listing is complete
    fflush(stdout);
    return 0;
}
