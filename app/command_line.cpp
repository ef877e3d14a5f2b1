// Parsing of TAVRO's command line.
#include "app/command_line.h"

#include <wchar.h>
#include <wctype.h>

#include "app/bounded_format.h"

namespace {

const wchar_t* const kOptions[] = {L"auto", L"start", L"cards", L"monitor", L"report"};

bool Is(const wchar_t* arg, const wchar_t* option) {
    if (arg[0] != L'/' && arg[0] != L'-') return false;
    for (++arg; *arg != 0 || *option != 0; ++arg, ++option) {
        if (towlower(*arg) != static_cast<wint_t>(*option)) return false;
    }
    return true;
}

bool IsOption(const wchar_t* arg) {
    for (const wchar_t* option : kOptions) {
        if (Is(arg, option)) return true;
    }
    return false;
}

// A decimal number 1..max filling [begin, end); nonzero on success.
int ReadNumber(const wchar_t* begin, const wchar_t* end, int max, int* value) {
    if (begin == end || end - begin > 3) return 0;
    int n = 0;
    for (const wchar_t* p = begin; p < end; ++p) {
        if (*p < L'0' || *p > L'9') return 0;
        n = n * 10 + (*p - L'0');
    }
    if (n < 1 || n > max) return 0;
    *value = n;
    return 1;
}

int ReadCards(const wchar_t* list, int cards[kCategoryCount]) {
    for (int c = 0; c < kCategoryCount; ++c) cards[c] = 0;
    const wchar_t* begin = list;
    for (;;) {
        const wchar_t* end = begin;
        while (*end != 0 && *end != L',') ++end;
        int card = 0;
        if (!ReadNumber(begin, end, kCategoryCount, &card)) return 0;
        cards[card - 1] = 1;
        if (*end == 0) return 1;
        begin = end + 1;
    }
}

// Names the argument that was not understood, cut with an ellipsis where it does not fit, and
// why; returns 0 for the caller to return.
int Refuse(const wchar_t* arg, int why, wchar_t* culprit, int culpritChars, int* fault) {
    if (fault != nullptr) *fault = why;
    if (culpritChars <= 0) return 0;
    if (arg[0] == 0) arg = L"\"\"";
    const int written = FormatText(culprit, static_cast<size_t>(culpritChars), L"%ls", arg);
    if (written > 0 && wcslen(arg) > static_cast<size_t>(written)) culprit[written - 1] = L'\u2026';
    return 0;
}

}  // namespace

int ParseCommandLine(int argc, const wchar_t* const* argv, CommandLine* line, wchar_t* culprit, int culpritChars,
                     int* fault) {
    *line = CommandLine{};
    if (culpritChars > 0) culprit[0] = 0;
    if (fault != nullptr) *fault = kArgumentsGood;
    for (int i = 1; i < argc; ++i) {
        const wchar_t* arg = argv[i];
        const bool takesValue = Is(arg, L"cards") || Is(arg, L"monitor") || Is(arg, L"report");
        if (takesValue && (i + 1 >= argc || IsOption(argv[i + 1]))) {
            return Refuse(arg, kMissingValue, culprit, culpritChars, fault);
        }
        if (Is(arg, L"auto") || Is(arg, L"start")) {
            if (line->start != kNoRunStart) return Refuse(arg, kTwoStarts, culprit, culpritChars, fault);
            line->start = Is(arg, L"auto") ? kAutoRun : kStartRun;
        } else if (Is(arg, L"cards")) {
            const wchar_t* list = argv[++i];
            if (line->cardsGiven || !ReadCards(list, line->cards)) {
                return Refuse(list, kBadCards, culprit, culpritChars, fault);
            }
            line->cardsGiven = 1;
        } else if (Is(arg, L"monitor")) {
            const wchar_t* value = argv[++i];
            if (line->monitor != 0 || !ReadNumber(value, value + wcslen(value), kMaxMonitorNumber, &line->monitor)) {
                return Refuse(value, kBadMonitor, culprit, culpritChars, fault);
            }
        } else if (Is(arg, L"report")) {
            const wchar_t* path = argv[++i];
            // Only what could never be saved: the full path is checked once it is filled in.
            if (line->report[0] != 0 || path[0] == 0 || wcslen(path) >= static_cast<size_t>(kReportPatternChars) ||
                ShortestFilledLength(path) > kLongestReportPath) {
                return Refuse(path, kBadReport, culprit, culpritChars, fault);
            }
            wcscpy(line->report, path);
        } else {
            return Refuse(arg, kUnknownArgument, culprit, culpritChars, fault);
        }
    }
    return 1;
}
