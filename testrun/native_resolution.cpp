// Native resolution: for now no monitor's EDID is read, so the display mode is never switched.
#include "testrun/native_resolution.h"

#include "app/app_state.h"

int GetNativeResolutionForCurrentMonitor(unsigned long*, unsigned long*) {
    return 0;
}

int SetDisplayResolution(const wchar_t*, unsigned long, unsigned long) {
    return 0;
}

void RestoreOriginalResolution() {}
