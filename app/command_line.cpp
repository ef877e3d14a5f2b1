// Parsing of TAVRO's command line.
#include "app/command_line.h"

#include <wchar.h>
#include <wctype.h>

namespace {

constexpr int kMaxMonitorNumber = 16;

bool Is(const wchar_t* arg, const wchar_t* option) {
    if (arg[0] != L'/' && arg[0] != L'-') return false;
    for (++arg; *arg != 0 || *option != 0; ++arg, ++option) {
        if (towlower(*arg) != static_cast<wint_t>(*option)) return false;
    }
    return true;
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

// Names the argument that was not understood (what was wrong with it the usage tells).
void Say(wchar_t* error, int errorChars, const wchar_t*, const wchar_t* arg) {
    swprintf(error, errorChars, L"%ls", arg[0] != 0 ? arg : L"\"\"");
}

}  // namespace

int ParseCommandLine(int argc, const wchar_t* const* argv, CommandLine* line, wchar_t* error, int errorChars) {
    *line = CommandLine{};
    error[0] = 0;
    for (int i = 1; i < argc; ++i) {
        const wchar_t* arg = argv[i];
        const bool takesValue = Is(arg, L"cards") || Is(arg, L"monitor") || Is(arg, L"report");
        if (takesValue && i + 1 >= argc) {
            Say(error, errorChars, L"a value is missing after", arg);
            return 0;
        }
        if (Is(arg, L"auto") || Is(arg, L"start")) {
            if (line->start != kNoRunStart) {
                Say(error, errorChars, L"only one of /auto and /start may be given", arg);
                return 0;
            }
            line->start = Is(arg, L"auto") ? kAutoRun : kStartRun;
        } else if (Is(arg, L"cards")) {
            if (line->cardsGiven || !ReadCards(argv[++i], line->cards)) {
                Say(error, errorChars, L"bad or repeated card list", argv[i]);
                return 0;
            }
            line->cardsGiven = 1;
        } else if (Is(arg, L"monitor")) {
            const wchar_t* value = argv[++i];
            if (line->monitor != 0 || !ReadNumber(value, value + wcslen(value), kMaxMonitorNumber, &line->monitor)) {
                Say(error, errorChars, L"bad or repeated monitor number", value);
                return 0;
            }
        } else if (Is(arg, L"report")) {
            const wchar_t* path = argv[++i];
            if (line->report[0] != 0 || path[0] == 0 || wcslen(path) >= static_cast<size_t>(kReportPathChars)) {
                Say(error, errorChars, L"bad or repeated report path", path);
                return 0;
            }
            wcscpy(line->report, path);
        } else {
            Say(error, errorChars, L"unknown argument", arg);
            return 0;
        }
    }
    return 1;
}
