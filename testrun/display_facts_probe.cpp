// The tested monitor's mode, scale and native mode, read for the one-to-one screen.
#include "testrun/display_facts_probe.h"

#include <string.h>

#include "app/display_scale.h"
#include "monitor/monitors.h"
#include "monitor/native_resolution.h"

DisplayFacts ReadTestedDisplayFacts(HWND hwnd) {
    DisplayFacts facts = {};
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    DEVMODEW mode;
    memset(&mode, 0, sizeof(mode));
    mode.dmSize = sizeof(mode);
    if (EnumDisplaySettingsW(device[0] != L'\0' ? device : nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        facts = {1, static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight), 0, 0, 0, 0, 0};
    }
    if (hwnd != nullptr) {
        facts.scaleKnown = 1;
        facts.scalePercent = MulDiv(WindowDpi(hwnd), 100, kBaseDpi);
    }
    unsigned long width = 0;
    unsigned long height = 0;
    if (GetNativeResolutionForCurrentMonitor(&width, &height)) {
        facts.nativeKnown = 1;
        facts.nativeWidth = static_cast<int>(width);
        facts.nativeHeight = static_cast<int>(height);
    }
    return facts;
}

int UpdateDisplayFacts(HWND hwnd) {
    const DisplayFacts before = CurrentDisplayFacts();
    SetDisplayFacts(ReadTestedDisplayFacts(hwnd));
    const DisplayFacts after = CurrentDisplayFacts();
    return memcmp(&before, &after, sizeof(before)) != 0;
}
