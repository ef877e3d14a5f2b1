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
    "  --modes   screens to paint: numbers and ranges 0..61, e.g. 0-61 or 5,19,23-25 (default all);\n"
    "            the HDR screens 48..59 among them are also built, uploaded and presented in FP16\n"
    "  --sizes   WIDTHxHEIGHT list, 1..16384 each, e.g. 1920x1080,3840x2160\n"
    "            (default 1920x1080,3840x2160,7680x4320)\n"
    "  --runs    paints per screen and size, 1..1000 (default: at least 5, more while under a second)\n"
    "  --starts  program starts for the start-up time, 1..50 (default 7)\n"
    "  --tavro   tavro.exe to start (default: ..\\..\\tavro.exe from this tool)\n"
    "  exit codes: 0 measured, 1 a measurement failed, 2 bad arguments\n";

// Parses argv (argv[0] is the program); options take their value as the next argument or after
// "=". On kBenchParseError, `error` holds one line without a trailing newline that says what is wrong.
BenchParse ParseBenchArgs(int argc, const wchar_t* const* argv, BenchArgs* args, std::wstring* error);
