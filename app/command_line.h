// TAVRO's command line, for people who test many monitors: start a run at once, choose its cards
// and its monitor, and save the report at its end. Plain standard C++ (no Windows headers).
#pragma once

#include "testrun/catalogue.h"

constexpr int kReportPathChars = 260;

enum RunStart { kNoRunStart = 0, kStartRun = 1, kAutoRun = 2 };

struct CommandLine {
    int start;                     // a RunStart
    int cardsGiven;                // nonzero when /cards chose the cards
    int cards[kCategoryCount];     // one flag per card
    int monitor;                   // 1-based as the monitor box lists them; 0 when not given
    wchar_t report[kReportPathChars];  // empty when not given
};

// Reads the arguments after the program's name (case does not matter: /AUTO is /auto):
//   /auto or /start     begin a run at once
//   /cards 1,2,5        the cards to tick, numbered as on screen from 1
//   /monitor N          the monitor, numbered as in the monitor box from 1
//   /report PATH        save the report there when the run ends, without asking
// Returns nonzero on success; on a bad argument returns 0 with `error` holding the argument.
int ParseCommandLine(int argc, const wchar_t* const* argv, CommandLine* line, wchar_t* error, int errorChars);
