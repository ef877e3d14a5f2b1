// The choice of monitor in the selection window, and the line that says what a run will do to it.
#pragma once
#include <windows.h>

enum : int {
    IDC_MONITOR_COMBO = 1006,
    IDC_MONITOR_INFO = 3007,
    IDC_MONITOR_COLOUR = 3008,
};

extern HWND g_hMonitorCombo;  // shown only while more than one monitor is attached
extern HWND g_hMonitorInfo;
extern HWND g_hMonitorColour;  // the second monitor line, shown only while something of the colours is known

// Creates the monitor box beside the language box and the information lines below the footer.
void CreateMonitorChoice(HWND parent, HINSTANCE instance);

// Reads the attached monitors and the tested one's colour facts again and refills the box and the
// lines, keeping the chosen monitor while it is there (after a display change, a language change,
// the end of a run).
void RefreshMonitorChoice();

// Gives the monitor box and the monitor line the selection window's small font (again, after the
// fonts were made anew for another scale).
void ApplyMonitorChoiceFont();

// Makes the monitor picked in the box the one the next run tests.
void OnMonitorPicked();
