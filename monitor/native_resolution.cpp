// Native resolution: the tested monitor's EDID, the mode switch at the start of a run and its restore.
#include "monitor/native_resolution.h"

#include <string.h>
#include <wchar.h>

#include "monitor/monitors.h"

RefusedSwitch g_refusedSwitch;

namespace {

// The mode the latest run began in and the adapter it belongs to; `switched` while the program
// has that adapter in another mode. The crash restore reads and clears `switched` from its own
// thread, so it is only touched through Interlocked functions, which also order the saved mode
// before it.
struct ModeSwitchState {
    volatile LONG switched;
    DEVMODEW saved;
    wchar_t device[kDeviceNameChars];  // empty for the default display
};

ModeSwitchState g_modeSwitch;

// Called right before each switch; the crash restore arms itself through it.
void (*g_beforeModeSwitch)();

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
    g_modeSwitch.saved = current;
    memcpy(g_modeSwitch.device, device, sizeof(device));
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
    // While an earlier switch is still in force, the saved mode is the one to go back to; reading
    // the current (switched) mode over it would lose the user's own mode for good.
    const int wasSwitched = ResolutionSwitched();
    if (!wasSwitched && !SaveTestedMode()) return 0;
    const wchar_t* device = g_modeSwitch.device;
    unsigned long width = 0;
    unsigned long height = 0;
    if (device[0] == L'\0' || !ReadMonitorEdid(device, &width, &height, nullptr)) return 0;
    const DEVMODEW& saved = g_modeSwitch.saved;
    // A switch to the mode already set would only blank many monitors for a moment.
    if (!wasSwitched && saved.dmPelsWidth == width && saved.dmPelsHeight == height) return 0;
    // Marked before the change, so that a crash on another thread during it still puts the mode back.
    if (g_beforeModeSwitch != nullptr) g_beforeModeSwitch();
    InterlockedExchange(&g_modeSwitch.switched, 1);
    if (!SetDisplayResolution(device, width, height)) {
        if (!wasSwitched) InterlockedExchange(&g_modeSwitch.switched, 0);
        g_refusedSwitch = {1, width, height, saved.dmPelsWidth, saved.dmPelsHeight};
        return 0;
    }
    return 1;
}

int RestoreOriginalResolution() {
    // Whoever clears the flag first puts the mode back, once; a refused restore leaves nothing
    // better to try later either.
    if (InterlockedExchange(&g_modeSwitch.switched, 0) == 0) return 1;
    const wchar_t* device = DeviceOrDefault(g_modeSwitch.device);
    if (ChangeDisplaySettingsExW(device, &g_modeSwitch.saved, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL) return 1;
    // The saved mode cannot be replayed (the monitor was exchanged, say): the mode in the registry,
    // which a temporary switch never touches.
    return ChangeDisplaySettingsExW(device, nullptr, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

int ResolutionSwitched() {
    return InterlockedCompareExchange(&g_modeSwitch.switched, 0, 0) != 0;
}

const DEVMODEW* SavedDisplayMode() {
    return &g_modeSwitch.saved;
}

const wchar_t* SwitchedDevice() {
    return g_modeSwitch.device;
}

void SetBeforeModeSwitch(void (*beforeSwitch)()) {
    g_beforeModeSwitch = beforeSwitch;
}
