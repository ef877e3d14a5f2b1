// Program entry: language, fonts, selection window, the message loop, teardown.
#include <windows.h>

#include <shellapi.h>

#include "app/app_state.h"
#include "app/command_run.h"
#include "app/console.h"
#include "app/format.h"
#include "app/lifetime.h"
#include "app/select_keyboard.h"
#include "app/texts.h"
#include "record/results_window.h"
#include "testrun/crash_restore.h"

namespace {

// The exit code: after runs whose reports /report asked for, 0 when every one was saved and 1 when
// one was not; otherwise the message loop's own.
int ExitCode(int loopCode) {
    const int outcome = ReportsOutcome();
    if (outcome == kNoReportAsked) return loopCode;
    return outcome == kReportFailed ? 1 : 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int showCommand) {
    LeaveOwnConsole();
    g_lang = DetectLanguage();
    CommandLine line;
    if (!ReadCommandLine(&line)) return 2;
    g_app.hInstance = hInstance;
    UseUnscaledPixels();
    RestoreResolutionOnCrash();
    CreateUiFonts();
    RegisterSelectWindowClass(hInstance);

    HWND hwnd = CreateSelectWindow(hInstance);
    if (hwnd == nullptr) {
        wchar_t message[256];
        FormatText(message, 256, L"CreateWindowEx failed: %lu", GetLastError());
        MessageBoxW(nullptr, message, L"Error", MB_ICONERROR | MB_OK);
        return 1;
    }
    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);
    WriteStartupTrace();
    ApplyCommandLine(hwnd, line);

    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (SelectWindowKey(&msg)) continue;
        if (g_hResults != nullptr && IsDialogMessageW(g_hResults, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    ReleaseGlobalResources();
    return ExitCode(static_cast<int>(msg.wParam));
}
