// Switching the display to the monitor's native resolution for a test run, and back.
#pragma once
#include <windows.h>

// Puts g_app.savedMode back if the program switched the display mode.
void RestoreOriginalResolution();
