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
#include "app/ui_fonts.h"
#include "record/results_window.h"
#include "testrun/crash_restore.h"

namespace {

// What the exit code tells a script that started TAVRO.
enum ExitCode : int {
    kExitDone = 0,          // every report /report asked for was saved (or none was asked for)
    kExitNoReport = 1,      // /report was given, and a report was not saved or no run ended
    kExitBadArgument = 2,   // the command line was refused
    kExitNoWindows = 3,     // the program could not start its windows
};

// With /report, 0 only when runs ended and every report was saved; otherwise the message loop's own.
int ExitCodeAfterLoop(const CommandLine& line, int loopCode) {
    if (line.report[0] == L'\0') return loopCode;
    return ReportsOutcome() == kReportSaved ? kExitDone : kExitNoReport;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int showCommand) {
    LeaveOwnConsole();
    g_lang = DetectLanguage();
    CommandLine line;
    if (!ReadCommandLine(&line)) return kExitBadArgument;
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
        return kExitNoWindows;
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
    return ExitCodeAfterLoop(line, static_cast<int>(msg.wParam));
}
