// Native resolution: the tested monitor's EDID, the mode switch at the start of a run and its restore.
#include "testrun/native_resolution.h"

#include <string.h>
#include <wchar.h>

#include "app/app_state.h"
#include "testrun/monitors.h"

RefusedSwitch g_refusedSwitch;

namespace {

// Null for the default display, the adapter's name otherwise.
const wchar_t* DeviceOrDefault(const wchar_t* device) {
    return device[0] != L'\0' ? device : nullptr;
}

// Saves the current mode of the tested monitor's adapter. Without a saved mode there would be
// nothing to restore, so the run then keeps the current one.
int SaveTestedMode() {
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    DEVMODEW current;
    memset(&current, 0, sizeof(current));
    current.dmSize = sizeof(current);
    if (!EnumDisplaySettingsW(DeviceOrDefault(device), ENUM_CURRENT_SETTINGS, &current)) return 0;
    g_app.savedMode = current;
    static_assert(sizeof(g_app.savedDevice) == sizeof(device), "one size of device name");
    memcpy(g_app.savedDevice, device, sizeof(device));
    return 1;
}

}  // namespace

int GetNativeResolutionForCurrentMonitor(unsigned long* width, unsigned long* height) {
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    return device[0] != L'\0' && ReadMonitorEdid(device, width, height, nullptr);
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
    g_refusedSwitch = RefusedSwitch{};
    // While an earlier switch is still in force, savedMode holds the mode to go back to; reading
    // the current (switched) mode over it would lose the user's own mode for good.
    if (!g_app.resolutionChanged && !SaveTestedMode()) return 0;
    const wchar_t* device = g_app.savedDevice;
    unsigned long width = 0;
    unsigned long height = 0;
    if (device[0] == L'\0' || !ReadMonitorEdid(device, &width, &height, nullptr)) return 0;
    if (!SetDisplayResolution(device, width, height)) {
        g_refusedSwitch = {1, width, height, g_app.savedMode.dmPelsWidth, g_app.savedMode.dmPelsHeight};
        return 0;
    }
    g_app.resolutionChanged = 1;
    return 1;
}

void RestoreOriginalResolution() {
    if (!g_app.resolutionChanged) return;
    // A refused restore leaves nothing better to try; the flag is cleared all the same.
    ChangeDisplaySettingsExW(DeviceOrDefault(g_app.savedDevice), &g_app.savedMode, nullptr, 0, nullptr);
    g_app.resolutionChanged = 0;
}
