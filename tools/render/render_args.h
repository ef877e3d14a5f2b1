// Command-line parsing of tavro-render; plain standard C++ so the tests can call it directly.
#pragma once

#include <string>

#include "app/texts.h"
#include "testrun/catalogue.h"

struct RenderArgs {
    int mode = -1;
    int width = 0;
    int height = 0;
    int lang = 0;
    int osdPos = 0;    // 1-based position in a play list of osdCount screens; 0: no overlay
    int osdCount = 0;
    std::wstring out;
};

enum RenderParse { kRenderParseOk, kRenderParseHelp, kRenderParseError };

constexpr int kRenderMaxSide = 16384;

constexpr const char* kRenderUsage =
    "usage: tavro-render MODE WIDTH HEIGHT OUT.bmp [--lang N] [--osd POS COUNT]\n"
    "  MODE 0..33, WIDTH and HEIGHT 1..16384, N 0..12 (0 = English)\n"
    "  --osd: the overlay as the test window shows it for entry POS of a run of COUNT screens (1..34)\n"
    "  exit codes: 0 written, 1 could not paint or write, 2 bad arguments, 3 screen not in this build\n";

// Reads a decimal number of at most `maxValue` made of digits only (no sign, no spaces).
// Returns nonzero on success.
inline int ParseRenderNumber(const wchar_t* text, int maxValue, int* value) {
    if (text == nullptr || *text == L'\0') return 0;
    long long result = 0;
    for (const wchar_t* p = text; *p != L'\0'; ++p) {
        if (*p < L'0' || *p > L'9') return 0;
        result = result * 10 + (*p - L'0');
        if (result > maxValue) return 0;
    }
    *value = static_cast<int>(result);
    return 1;
}

inline std::wstring RenderQuoted(const wchar_t* text) { return L"\"" + std::wstring(text) + L"\""; }

// Reads the two numbers after --osd at argv[i + 1] and argv[i + 2]: a run of COUNT screens (at
// most the whole catalogue) and a position POS in it. Returns nonzero on success.
inline int ParseRenderOsd(int argc, const wchar_t* const* argv, int i, RenderArgs* args, std::wstring* error) {
    if (i + 2 >= argc) {
        *error = L"--osd needs a position and a count: --osd POS COUNT";
        return 0;
    }
    int count = 0;
    if (!ParseRenderNumber(argv[i + 2], kModeCount, &count) || count == 0) {
        *error = L"bad overlay count " + RenderQuoted(argv[i + 2]) + L": expected 1..34 screens";
        return 0;
    }
    int pos = 0;
    if (!ParseRenderNumber(argv[i + 1], count, &pos) || pos == 0) {
        *error = L"bad overlay position " + RenderQuoted(argv[i + 1]) + L": expected 1.." +
                 std::to_wstring(count);
        return 0;
    }
    args->osdPos = pos;
    args->osdCount = count;
    return 1;
}

// Parses argv (argv[0] is the program). On kRenderParseError, `error` holds one line without
// a trailing newline that says what is wrong.
inline RenderParse ParseRenderArgs(int argc, const wchar_t* const* argv, RenderArgs* args, std::wstring* error) {
    const wchar_t* positional[4] = {};
    int count = 0;
    bool langSeen = false;
    bool osdSeen = false;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--help" || arg == L"-h" || arg == L"/?") return kRenderParseHelp;
        if (arg == L"--osd") {
            if (osdSeen) {
                *error = L"--osd is given twice";
                return kRenderParseError;
            }
            if (!ParseRenderOsd(argc, argv, i, args, error)) return kRenderParseError;
            osdSeen = true;
            i += 2;
            continue;
        }
        if (arg == L"--lang") {
            if (langSeen) {
                *error = L"--lang is given twice";
                return kRenderParseError;
            }
            if (i + 1 >= argc) {
                *error = L"--lang needs a language number 0..12";
                return kRenderParseError;
            }
            if (!ParseRenderNumber(argv[i + 1], kLanguageCount - 1, &args->lang)) {
                *error = L"bad language " + RenderQuoted(argv[i + 1]) + L": expected a number 0..12";
                return kRenderParseError;
            }
            langSeen = true;
            ++i;
            continue;
        }
        // "-5" is a (bad) number, not an option, so it gets the width or height message.
        if (arg.size() > 1 && arg[0] == L'-' && (arg[1] < L'0' || arg[1] > L'9')) {
            *error = L"unknown option " + RenderQuoted(argv[i]);
            return kRenderParseError;
        }
        if (count == 4) {
            *error = L"too many arguments: " + RenderQuoted(argv[i]) + L" is one too many";
            return kRenderParseError;
        }
        positional[count++] = argv[i];
    }
    if (count < 4) {
        *error = L"missing arguments: expected MODE WIDTH HEIGHT OUT.bmp";
        return kRenderParseError;
    }
    if (!ParseRenderNumber(positional[0], kModeCount - 1, &args->mode)) {
        *error = L"unknown mode " + RenderQuoted(positional[0]) + L": expected a screen number 0..33";
        return kRenderParseError;
    }
    static const wchar_t* const sideNames[2] = {L"width", L"height"};
    int* sides[2] = {&args->width, &args->height};
    for (int s = 0; s < 2; ++s) {
        const wchar_t* text = positional[1 + s];
        if (!ParseRenderNumber(text, kRenderMaxSide, sides[s]) || *sides[s] == 0) {
            *error = L"bad " + std::wstring(sideNames[s]) + L" " + RenderQuoted(text) + L": expected 1..16384 pixels";
            return kRenderParseError;
        }
    }
    if (*positional[3] == L'\0') {
        *error = L"empty output file name";
        return kRenderParseError;
    }
    args->out = positional[3];
    return kRenderParseOk;
}
