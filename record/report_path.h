// Where a report goes: the command line's /report path with {model}, {serial}, {date} and {time}
// filled in, and the "-2", "-3", ... variants of a path. Plain standard C++ (no Windows headers).
#pragma once

constexpr int kReportPathChars = 260;  // Windows' MAX_PATH, terminator included
// The most characters a report's full path may have once filled in and numbered: MAX_PATH's 259
// less the 10 of the longest temporary suffix (".1000.part") the file is first written under.
constexpr int kLongestReportPath = 249;
// Room for a /report pattern: the longest whose shortest filling could still be saved (each
// {serial} may fill in as one character).
constexpr int kReportPatternChars = 2000;

// The local time a report is saved at.
struct ReportClock {
    int year, month, day;
    int hour, minute, second;
};

// Fills in `pattern`: {model} is the EDID's model name, {serial} its serial number text, else its
// serial number where that is not 0, {date} YYYY-MM-DD and {time} HHMMSS of `when`. Where the EDID
// gives no model or serial, "unknown". In the filled-in values (never in the rest of the pattern)
// each character a file name cannot hold becomes '_', as does a trailing dot or space; a name
// that a placeholder made into one of the devices Windows reserves (CON, PRN, AUX, NUL, COM0-9,
// LPT0-9, CONIN$, CONOUT$, with any extension) gets '_' after the device's name. Any other
// {word} is left as typed. Returns nonzero and writes `out` (room for `outChars`, terminator
// included) when the whole path fits; returns 0 and leaves `out` empty otherwise.
int ExpandReportPath(const wchar_t* pattern, const unsigned char* edid, unsigned long edidLength,
                     const ReportClock& when, wchar_t* out, int outChars);

// The `n`-th path (n >= 2) for `path`: "-n" before the last component's extension, or at its end
// where it has none ("out.html" gives "out-2.html", "dir.v1\out" gives "dir.v1\out-2"). Returns 0
// and leaves `out` empty where `n` is below 2 or the result does not fit.
int ReportPathVariant(const wchar_t* path, int n, wchar_t* out, int outChars);

// The fewest characters `pattern` can fill in to, whatever the EDID: a {model} or {serial} of one
// character, a {date} of 10, a {time} of 6.
int ShortestFilledLength(const wchar_t* pattern);

// Nonzero when `path` ends in ".json", in any case.
int IsJsonReportPath(const wchar_t* path);
