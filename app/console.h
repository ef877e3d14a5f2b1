// The console tavro.exe is started with. From a command prompt it prints one line at the end of
// a run whose report /report asked for; started from Explorer, the console made for it alone is
// given up.
#pragma once
#include <windows.h>

// At start: gives up a console that no other process shares (one made for this start alone).
void LeaveOwnConsole();

// After a run that saved its report where /report asked (or failed to): one line on the console,
// or as UTF-8 into the file or pipe standard output goes to, in the UI language: the verdict and
// the report's path when `saved`, else the path and `reason`. `verdict` is UTF-8.
void SayRunOutcome(int saved, const wchar_t* path, const char* verdict, const wchar_t* reason);
