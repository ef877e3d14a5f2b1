// The console tavro.exe is started with. From a command prompt it prints one line at the end of
// a run that saved a report; started from Explorer, the console made for it alone is given up.
#pragma once
#include <windows.h>

// At start: gives up a console that no other process shares (one made for this start alone).
void LeaveOwnConsole();

// After a run that saved its report where /report asked (or failed to): one line on the console,
// the verdict and the report's path, in the UI language. `verdict` is UTF-8.
void SayRunOutcome(int saved, const wchar_t* path, const char* verdict);
