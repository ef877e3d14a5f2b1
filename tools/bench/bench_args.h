// Command-line parsing of tavro-bench; plain standard C++ so the tests can call it directly.
#pragma once

#include <string>
#include <vector>

#include "testrun/catalogue.h"

struct BenchSize {
    int width;
    int height;
};

struct BenchArgs {
    std::vector<int> modes;       // ascending, each once
    std::vector<BenchSize> sizes;  // in the order given, each once
    int runs = 0;                  // paints per screen and size; 0 lets the tool choose by time
    int starts = 7;                // program starts for the start-up figure
    std::wstring tavro;            // tavro.exe to start; empty means the one beside the build's tools
};

enum BenchParse { kBenchParseOk, kBenchParseHelp, kBenchParseError };

constexpr int kBenchMaxSide = 16384;
constexpr int kBenchMaxRuns = 1000;
constexpr int kBenchMaxStarts = 50;

constexpr const char* kBenchUsage =
    "usage: tavro-bench [--modes LIST] [--sizes LIST] [--runs N] [--starts N] [--tavro PATH]\n"
    "  --modes   screens to paint: numbers and ranges 0..33, e.g. 0-33 or 5,19,23-25 (default all)\n"
    "  --sizes   WIDTHxHEIGHT list, 1..16384 each, e.g. 1920x1080,3840x2160\n"
    "            (default 1920x1080,3840x2160,7680x4320)\n"
    "  --runs    paints per screen and size, 1..1000 (default: at least 5, more while under a second)\n"
    "  --starts  program starts for the start-up time, 1..50 (default 7)\n"
    "  --tavro   tavro.exe to start (default: ..\\..\\tavro.exe from this tool)\n"
    "  exit codes: 0 measured, 1 a measurement failed, 2 bad arguments\n";

// Reads a decimal number of at most `maxValue` from text[begin, end): digits only, at least one.
inline int ParseBenchNumber(const std::wstring& text, size_t begin, size_t end, int maxValue, int* value) {
    if (begin >= end) return 0;
    long long result = 0;
    for (size_t i = begin; i < end; ++i) {
        if (text[i] < L'0' || text[i] > L'9') return 0;
        result = result * 10 + (text[i] - L'0');
        if (result > maxValue) return 0;
    }
    *value = static_cast<int>(result);
    return 1;
}

// Splits at commas; an empty piece (",," or a trailing comma) is kept so the caller rejects it.
inline std::vector<std::wstring> SplitBenchList(const std::wstring& text) {
    std::vector<std::wstring> pieces;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(L',', start);
        pieces.push_back(text.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start));
        if (comma == std::wstring::npos) return pieces;
        start = comma + 1;
    }
}

// "0-33", "5", "5,19,23-25": every screen named, ascending and each once.
inline int ParseBenchModes(const std::wstring& text, std::vector<int>* modes) {
    bool chosen[kModeCount] = {};
    for (const std::wstring& piece : SplitBenchList(text)) {
        const size_t dash = piece.find(L'-');
        int first = 0;
        int last = 0;
        if (dash == std::wstring::npos) {
            if (!ParseBenchNumber(piece, 0, piece.size(), kModeCount - 1, &first)) return 0;
            last = first;
        } else if (!ParseBenchNumber(piece, 0, dash, kModeCount - 1, &first) ||
                   !ParseBenchNumber(piece, dash + 1, piece.size(), kModeCount - 1, &last) || last < first) {
            return 0;
        }
        for (int mode = first; mode <= last; ++mode) chosen[mode] = true;
    }
    modes->clear();
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (chosen[mode]) modes->push_back(mode);
    }
    return 1;
}

// "1920x1080,3840x2160": sizes in the order given, a repeated one only once.
inline int ParseBenchSizes(const std::wstring& text, std::vector<BenchSize>* sizes) {
    sizes->clear();
    for (const std::wstring& piece : SplitBenchList(text)) {
        const size_t cross = piece.find_first_of(L"xX");
        BenchSize size = {0, 0};
        if (cross == std::wstring::npos || !ParseBenchNumber(piece, 0, cross, kBenchMaxSide, &size.width) ||
            !ParseBenchNumber(piece, cross + 1, piece.size(), kBenchMaxSide, &size.height) || size.width == 0 ||
            size.height == 0) {
            return 0;
        }
        bool seen = false;
        for (const BenchSize& other : *sizes) seen = seen || (other.width == size.width && other.height == size.height);
        if (!seen) sizes->push_back(size);
    }
    return 1;
}

inline std::wstring BenchQuoted(const std::wstring& text) { return L"\"" + text + L"\""; }

// Parses argv (argv[0] is the program); options take their value as the next argument or after
// "=". On kBenchParseError, `error` holds one line without a trailing newline that says what is wrong.
inline BenchParse ParseBenchArgs(int argc, const wchar_t* const* argv, BenchArgs* args, std::wstring* error) {
    args->modes.clear();
    for (int mode = 0; mode < kModeCount; ++mode) args->modes.push_back(mode);
    args->sizes = {{1920, 1080}, {3840, 2160}, {7680, 4320}};
    for (int i = 1; i < argc; ++i) {
        std::wstring name = argv[i];
        if (name == L"--help" || name == L"-h" || name == L"/?") return kBenchParseHelp;
        std::wstring value;
        bool hasValue = false;
        const size_t equals = name.find(L'=');
        if (name.compare(0, 2, L"--") == 0 && equals != std::wstring::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasValue = true;
        }
        if (name != L"--modes" && name != L"--sizes" && name != L"--runs" && name != L"--starts" &&
            name != L"--tavro") {
            *error = L"unknown argument " + BenchQuoted(argv[i]);
            return kBenchParseError;
        }
        if (!hasValue) {
            if (i + 1 >= argc) {
                *error = name + L" needs a value";
                return kBenchParseError;
            }
            value = argv[++i];
        }
        if (name == L"--modes" && !ParseBenchModes(value, &args->modes)) {
            *error = L"bad --modes " + BenchQuoted(value) + L": expected screen numbers or ranges 0..33, e.g. 0-33";
            return kBenchParseError;
        }
        if (name == L"--sizes" && !ParseBenchSizes(value, &args->sizes)) {
            *error = L"bad --sizes " + BenchQuoted(value) + L": expected WIDTHxHEIGHT, 1..16384 each, e.g. 1920x1080";
            return kBenchParseError;
        }
        if (name == L"--runs" && (!ParseBenchNumber(value, 0, value.size(), kBenchMaxRuns, &args->runs) ||
                                  args->runs == 0)) {
            *error = L"bad --runs " + BenchQuoted(value) + L": expected 1..1000";
            return kBenchParseError;
        }
        if (name == L"--starts" && (!ParseBenchNumber(value, 0, value.size(), kBenchMaxStarts, &args->starts) ||
                                    args->starts == 0)) {
            *error = L"bad --starts " + BenchQuoted(value) + L": expected 1..50";
            return kBenchParseError;
        }
        if (name == L"--tavro") {
            if (value.empty()) {
                *error = L"empty --tavro path";
                return kBenchParseError;
            }
            args->tavro = value;
        }
    }
    return kBenchParseOk;
}
