// Switching the display to the monitor's native resolution for a test run, and back.
#pragma once
#include <windows.h>

// The native resolution of the first desktop-attached adapter's monitor that has a usable EDID.
// Returns nonzero and writes both outputs when one was found; otherwise returns 0 and leaves them.
int GetNativeResolutionForCurrentMonitor(unsigned long* width, unsigned long* height);

// Asks for a temporary full-screen mode of width x height on `deviceName` (null: the default
// display); depth and refresh rate are left to the system. Returns nonzero when it was applied.
int SetDisplayResolution(const wchar_t* deviceName, unsigned long width, unsigned long height);

// At the start of a test run: saves the current mode into g_app.savedMode, then switches to the
// monitor's native resolution if one is known, setting g_app.resolutionChanged when it did.
// Returns nonzero when the mode was switched; a run simply goes on in the current mode otherwise.
int SwitchToNativeResolution();

// Puts g_app.savedMode back if the program switched the display mode.
void RestoreOriginalResolution();
