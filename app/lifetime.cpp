// Start-up and teardown pieces of wWinMain, kept in the library so tests can drive them.
#include "app/lifetime.h"

#include <initializer_list>
#include <stdio.h>
#include <stdlib.h>

#include "app/app_state.h"
#include "app/display_scale.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "sound/sweep.h"
#include "testrun/display_awake.h"
#include "testrun/idle_pointer.h"
#include "monitor/native_resolution.h"

const wchar_t kSelectWindowClass[] = L"TAVROSelectWindow";

namespace {

void DeleteIfSet(HGDIOBJ object) {
    if (object != nullptr) DeleteObject(object);
}

}  // namespace

void UseUnscaledPixels() {
    // Per-monitor awareness keeps Windows from stretching the test window's bitmap on a monitor
    // whose scale differs from the primary's. The manifest asks for it before the first line runs;
    // this asks again for a start without the manifest's settings.
    AskForPerMonitorPixels(LookUpAwarenessCalls());
}

int DetectLanguage() {
    LANGID id = GetUserDefaultUILanguage();
    if (id == 0) id = GetSystemDefaultUILanguage();
    return LanguageFromLangId(id);
}

void RegisterSelectWindowClass(HINSTANCE hInstance) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = SelectWndProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadIconW(hInstance, MAKEINTRESOURCEW(1));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kSelectWindowClass;
    RegisterClassExW(&wc);
}

int CentredOrigin(int screenSize, int windowSize) {
    return (screenSize - windowSize) / 2;
}

HWND CreateSelectWindow(HINSTANCE hInstance) {
    // Frames differ: Wine's takes 3 px a side, Windows 10 and 11 take about 8. The window is as
    // large as the layout's client area plus this system's frame, at the primary monitor's scale
    // as far as its work area holds it, and centred in that work area: a taskbar at the top or the
    // side never covers its caption.
    const HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(primary, &monitor);
    const RECT& work = monitor.rcWork;
    const int monitorDpi = MonitorDpi(primary);
    int dpi = FittedSelectDpi(monitorDpi, work);
    const SIZE size = SelectWindowSize(dpi, monitorDpi);
    const int x = work.left + CentredOrigin(work.right - work.left, size.cx);
    const int y = work.top + CentredOrigin(work.bottom - work.top, size.cy);
    const RECT placed = KeptInWorkArea({x, y, x + size.cx, y + size.cy}, work);
    return CreateWindowExW(0, kSelectWindowClass, tr(STR_WINDOW_TITLE), kSelectStyle, placed.left, placed.top,
                           size.cx, size.cy, nullptr, nullptr, hInstance, &dpi);
}

void WriteStartupTrace() {
    FILE* file = fopen("debug.txt", "w");
    if (file == nullptr) return;
    fprintf(file, "Window created OK\n");
    fclose(file);
}

void ReleaseGlobalResources() {
    // A run still on when the program ends gives the pointer and the display back too.
    ShowPointerAfterRun(g_app.hwndTest);
    LetDisplaySleep();
    StopSweep();
    RestoreOriginalResolution();
    if (g_waveBuf != nullptr) {
        free(g_waveBuf);
        g_waveBuf = nullptr;
    }
    if (g_app.playlist != nullptr) {
        free(g_app.playlist);
        g_app.playlist = nullptr;
        g_app.playlistCount = 0;
    }
    DeleteUiFonts();
    for (HBRUSH* brush : {&g_app.brushBackground, &g_app.brushCard, &g_app.brushCardChecked, &g_app.brushDark,
                          &g_app.brushAccent}) {
        DeleteIfSet(*brush);
        *brush = nullptr;
    }
}
