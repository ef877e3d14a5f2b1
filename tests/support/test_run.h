// A run of the test window started and ended the way the window tests drive it: the play list
// given, no AUTO, the window made at once; and ended with its painters gone and no play list left.
#pragma once
#include <windows.h>

#include <vector>

// Starts a run of `*modes` (the vector must outlive the run) at its first screen; the test window,
// or null where none could be made.
HWND StartTestRun(std::vector<int>* modes);

// Ends whatever run is on: the window destroyed, its messages handled, the painters finished (for
// at most `waitMs`), the play list cleared.
void EndTestRun(DWORD waitMs);
