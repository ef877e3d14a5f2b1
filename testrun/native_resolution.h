// Switching the display to the monitor's native resolution for a test run, and back.
#pragma once
#include <windows.h>

// Finds the native resolution of the primary monitor from its EDID; nonzero when found.
int GetNativeResolutionForCurrentMonitor(unsigned long* width, unsigned long* height);

// Asks for a mode change of `deviceName` (null: the default display); nonzero on success.
int SetDisplayResolution(const wchar_t* deviceName, unsigned long width, unsigned long height);

// Puts g_app.savedMode back if the program switched the display mode.
void RestoreOriginalResolution();
