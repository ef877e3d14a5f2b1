// Reading the command line and acting on it.
#include "app/command_run.h"

#include <shellapi.h>
#include <stdio.h>

#include "app/format.h"
#include "app/monitor_choice.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "record/report_texts.h"
#include "record/results_window.h"
#include "testrun/monitors.h"
#include "testrun/start_tests.h"

namespace {

void ShowUsage(const wchar_t* culprit) {
    const ReportTexts& t = *ReportTextsOf(g_lang);
    char culpritUtf8[512];
    WideCharToMultiByte(CP_UTF8, 0, culprit, -1, culpritUtf8, sizeof(culpritUtf8), nullptr, nullptr);
    char message[2048];
    const int used = snprintf(message, sizeof(message), t[RT_BAD_ARGUMENT], culpritUtf8);
    snprintf(message + (used > 0 ? used : 0), sizeof(message) - (used > 0 ? used : 0), "\n\n%s", t[RT_USAGE]);
    wchar_t text[2048];
    wchar_t caption[128];
    WidenUtf8(message, text, 2048);
    WidenUtf8(t[RT_USAGE_TITLE], caption, 128);
    MessageBoxW(nullptr, text, caption, MB_ICONWARNING | MB_OK);
}

}  // namespace

int ReadCommandLine(CommandLine* line) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    wchar_t culprit[kReportPathChars + 8] = L"";
    int ok = argv != nullptr && ParseCommandLine(argc, argv, line, culprit, ARRAYSIZE(culprit));
    if (ok && line->monitor > 0) {
        MonitorEntry monitors[kMaxMonitors];
        if (line->monitor > ListMonitors(monitors, kMaxMonitors)) {
            wsprintfW(culprit, L"/monitor %d", line->monitor);
            ok = 0;
        }
    }
    if (argv != nullptr) LocalFree(argv);
    if (!ok) ShowUsage(culprit);
    return ok;
}

void ApplyCommandLine(HWND selectWindow, const CommandLine& line) {
    if (line.cardsGiven) {
        for (int c = 0; c < kCategoryCount; ++c) {
            g_catChecked[c] = line.cards[c];
            InvalidateRect(g_hCatChecks[c], nullptr, FALSE);
        }
    }
    if (line.monitor > 0) {
        MonitorEntry monitors[kMaxMonitors];
        if (line.monitor <= ListMonitors(monitors, kMaxMonitors)) ChooseMonitor(monitors[line.monitor - 1].device);
        RefreshMonitorChoice();
    }
    if (line.report[0] != L'\0') SaveReportsTo(line.report);
    if (line.start != kNoRunStart) StartSelectedTests(selectWindow, line.start == kAutoRun);
}
