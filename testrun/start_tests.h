// START and AUTO: turning the checked categories into a test run.
#pragma once
#include <windows.h>

// Builds the play list of the checked categories (0 = START, 1 = AUTO). With nothing
// checked it tells the user so and changes nothing. Returns nonzero when a play list was built.
int StartSelectedTests(HWND hwnd, int autoFlag);
