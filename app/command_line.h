// TAVRO's command line, for people who test many monitors: start a run at once, choose its cards
// and its monitor, and save the report at its end. Plain standard C++ (no Windows headers).
#pragma once

#include "record/report_path.h"
#include "testrun/catalogue.h"

constexpr int kMaxMonitorNumber = 16;  // the highest /monitor number read before the monitors are counted

enum RunStart { kNoRunStart = 0, kStartRun = 1, kAutoRun = 2 };

// Why an argument was refused.
enum ArgumentFault {
    kArgumentsGood = 0,
    kMissingValue,     // /cards, /monitor or /report last, or followed by another option
    kUnknownArgument,  // not one of the options
    kTwoStarts,        // /auto and /start together, or either twice
    kBadCards,         // a card list that is not numbers 1..kCategoryCount, or a second one
    kBadMonitor,       // a monitor number that is not 1..kMaxMonitorNumber, or a second one
    kBadReport,        // an empty path, one that fills in to more than kLongestReportPath, or a second one
    kMonitorAbsent,    // a monitor number beyond the monitors present (the caller counts them)
};

struct CommandLine {
    int start;                     // a RunStart
    int cardsGiven;                // nonzero when /cards chose the cards
    int cards[kCategoryCount];     // one flag per card
    int monitor;                   // 1-based as the monitor box lists them; 0 when not given
    wchar_t report[kReportPatternChars];  // empty when not given
};

// Reads the arguments after the program's name (case does not matter: /AUTO is /auto; - serves
// as well as /):
//   /auto or /start     begin a run at once
//   /cards 1,2,5        the cards to tick, numbered as on screen from 1
//   /monitor N          the monitor, numbered as in the monitor box from 1
//   /report PATH        save the report there when the run ends, without asking
// Returns nonzero on success. On a bad argument returns 0 with `culprit` (room for `culpritChars`)
// holding the argument, cut with "…" where it does not fit, and `fault`, when given, an
// ArgumentFault.
int ParseCommandLine(int argc, const wchar_t* const* argv, CommandLine* line, wchar_t* culprit, int culpritChars,
                     int* fault = nullptr);
