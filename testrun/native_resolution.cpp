// Native resolution: the monitor walk, the mode switch at the start of a run and its restore.
#include "testrun/native_resolution.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "app/app_state.h"
#include "testrun/edid.h"
#include "testrun/edid_registry.h"

namespace {

// Reads and decodes the EDID of the adapter's first monitor, if it has one.
int NativeResolutionOfAdapter(const DISPLAY_DEVICEW& adapter, unsigned long* width, unsigned long* height) {
    DISPLAY_DEVICEW monitor = {};
    monitor.cb = sizeof(monitor);
    if (!EnumDisplayDevicesW(adapter.DeviceName, 0, &monitor, 0)) return 0;
    monitor.DeviceID[ARRAYSIZE(monitor.DeviceID) - 1] = L'\0';
    if (wcsstr(monitor.DeviceID, L"MONITOR") == nullptr) return 0;
    unsigned long length = 0;
    unsigned char* edid = GetEDIDFromRegistry(monitor.DeviceID, &length);
    if (edid == nullptr) return 0;
    const int found = GetNativeResolutionFromEDID(edid, length, width, height);
    free(edid);
    return found;
}

}  // namespace

int GetNativeResolutionForCurrentMonitor(unsigned long* width, unsigned long* height) {
    DISPLAY_DEVICEW adapter = {};
    adapter.cb = sizeof(adapter);
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &adapter, 0); ++i) {
        if ((adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) continue;
        if (NativeResolutionOfAdapter(adapter, width, height)) return 1;
    }
    return 0;
}

int SetDisplayResolution(const wchar_t* deviceName, unsigned long width, unsigned long height) {
    DEVMODEW request;
    memset(&request, 0, sizeof(request));
    request.dmSize = sizeof(request);
    request.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    request.dmPelsWidth = width;
    request.dmPelsHeight = height;
    return ChangeDisplaySettingsExW(deviceName, &request, nullptr, CDS_FULLSCREEN, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

int SwitchToNativeResolution() {
    // While an earlier switch is still in force, savedMode holds the mode to go back to; reading
    // the current (switched) mode over it would lose the user's own mode for good.
    if (!g_app.resolutionChanged) {
        DEVMODEW current;
        memset(&current, 0, sizeof(current));
        current.dmSize = sizeof(current);
        // Without a saved mode there would be nothing to restore, so the run keeps the current one.
        if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &current)) return 0;
        g_app.savedMode = current;
    }
    unsigned long width = 0;
    unsigned long height = 0;
    if (!GetNativeResolutionForCurrentMonitor(&width, &height)) return 0;
    if (!SetDisplayResolution(nullptr, width, height)) return 0;
    g_app.resolutionChanged = 1;
    return 1;
}

void RestoreOriginalResolution() {
    if (!g_app.resolutionChanged) return;
    // A refused restore leaves nothing better to try; the flag is cleared all the same.
    ChangeDisplaySettingsExW(nullptr, &g_app.savedMode, nullptr, 0, nullptr);
    g_app.resolutionChanged = 0;
}
