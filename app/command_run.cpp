// Reading the command line and acting on it.
#include "app/command_run.h"

#include <shellapi.h>

#include "app/format.h"
#include "app/monitor_choice.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "record/report_texts.h"
#include "record/results_window.h"
#include "monitor/monitors.h"
#include "testrun/start_tests.h"

namespace {

// The argument named in the usage box, cut with an ellipsis beyond this: an unbroken path of
// hundreds of characters would make the box wider than the screen.
constexpr int kCulpritChars = 72;

// Why the argument was refused, in the UI language (English where the language has no text yet).
int FormatFault(int fault, const char* culprit, int monitors, char* out, size_t size) {
    switch (fault) {
    case kMissingValue: return FormatUtf8(out, size, ReportText(g_lang, RT_REASON_MISSING), culprit);
    case kUnknownArgument: return FormatUtf8(out, size, ReportText(g_lang, RT_REASON_UNKNOWN), culprit);
    case kTwoStarts: return FormatUtf8(out, size, "%s", ReportText(g_lang, RT_REASON_TWO_STARTS));
    case kBadCards: return FormatUtf8(out, size, ReportText(g_lang, RT_REASON_CARDS), kCategoryCount);
    case kBadMonitor: return FormatUtf8(out, size, ReportText(g_lang, RT_REASON_MONITOR), kMaxMonitorNumber);
    case kMonitorAbsent: return FormatUtf8(out, size, ReportText(g_lang, RT_REASON_MONITOR), monitors);
    case kBadReport: return FormatUtf8(out, size, ReportText(g_lang, RT_REASON_REPORT), kLongestReportPath);
    default: return FormatUtf8(out, size, "");
    }
}

// "Not understood: <argument>", why on a line of its own, then the usage.
void ShowUsage(const wchar_t* culprit, int fault, int monitors) {
    char culpritUtf8[kCulpritChars * 3];
    NarrowToUtf8(culprit, culpritUtf8, sizeof(culpritUtf8));
    char message[4096];
    size_t used = FormatUtf8(message, sizeof(message), ReportText(g_lang, RT_BAD_ARGUMENT), culpritUtf8);
    used += FormatUtf8(message + used, sizeof(message) - used, "\n");
    used += FormatFault(fault, culpritUtf8, monitors, message + used, sizeof(message) - used);
    FormatUtf8(message + used, sizeof(message) - used, "\n\n%s", ReportText(g_lang, RT_USAGE));
    wchar_t text[4096];
    wchar_t caption[128];
    WidenUtf8(message, text, 4096);
    WidenUtf8(ReportText(g_lang, RT_USAGE_TITLE), caption, 128);
    MessageBoxW(nullptr, text, caption, MB_ICONWARNING | MB_OK);
}

}  // namespace

int ReadCommandLine(CommandLine* line) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    wchar_t culprit[kCulpritChars] = L"";
    int fault = kArgumentsGood;
    int ok = argv != nullptr && ParseCommandLine(argc, argv, line, culprit, kCulpritChars, &fault);
    int monitors = 0;
    if (ok && line->monitor > 0) {
        MonitorEntry entries[kMaxMonitors];
        monitors = ListMonitors(entries, kMaxMonitors);
        if (line->monitor > monitors) {
            FormatText(culprit, kCulpritChars, L"/monitor %d", line->monitor);
            fault = kMonitorAbsent;
            ok = 0;
        }
    }
    if (argv != nullptr) LocalFree(argv);
    if (!ok) ShowUsage(culprit, fault, monitors);
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
