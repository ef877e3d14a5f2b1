// The monitors attached to the desktop: their EDIDs and modes, the choice of one, its rectangle.
#include "monitor/monitors.h"

#include <stdlib.h>
#include <wchar.h>

#include "monitor/edid_registry.h"

namespace {

// The adapter a run is for; empty for the primary display.
wchar_t g_chosenDevice[kDeviceNameChars];

void CopyDeviceName(wchar_t* to, const wchar_t* from) {
    wcsncpy(to, from, kDeviceNameChars - 1);
    to[kDeviceNameChars - 1] = L'\0';
}

// Walks the adapters attached to the desktop, handing each to `visit` until it returns nonzero.
template <typename Visit>
void ForEachAttachedAdapter(Visit visit) {
    DISPLAY_DEVICEW adapter = {};
    adapter.cb = sizeof(adapter);
    for (DWORD i = 0; EnumDisplayDevicesW(nullptr, i, &adapter, 0); ++i) {
        if ((adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) continue;
        adapter.DeviceName[kDeviceNameChars - 1] = L'\0';
        if (visit(adapter)) return;
    }
}

void ReadCurrentMode(const wchar_t* device, unsigned long* width, unsigned long* height) {
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    *width = 0;
    *height = 0;
    if (!EnumDisplaySettingsW(device, ENUM_CURRENT_SETTINGS, &mode)) return;
    *width = mode.dmPelsWidth;
    *height = mode.dmPelsHeight;
}

struct MonitorSearch {
    const wchar_t* device;
    RECT* area;
    int found;
};

BOOL CALLBACK MatchMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MonitorSearch* search = reinterpret_cast<MonitorSearch*>(data);
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(monitor, &info) || wcscmp(info.szDevice, search->device) != 0) return TRUE;
    *search->area = info.rcMonitor;
    search->found = 1;
    return FALSE;
}

}  // namespace

unsigned char* ReadMonitorEdidBytes(const wchar_t* device, unsigned long* length) {
    DISPLAY_DEVICEW monitor = {};
    monitor.cb = sizeof(monitor);
    if (!EnumDisplayDevicesW(device, 0, &monitor, 0)) return nullptr;
    monitor.DeviceID[ARRAYSIZE(monitor.DeviceID) - 1] = L'\0';
    if (wcsstr(monitor.DeviceID, L"MONITOR") == nullptr) return nullptr;
    return GetEDIDFromRegistry(monitor.DeviceID, length);
}

int ReadMonitorEdid(const wchar_t* device, unsigned long* width, unsigned long* height, wchar_t* name) {
    if (name != nullptr) name[0] = L'\0';
    unsigned long length = 0;
    unsigned char* edid = ReadMonitorEdidBytes(device, &length);
    if (edid == nullptr) return 0;
    if (name != nullptr) DecodeMonitorName(edid, length, name);
    const int found = GetNativeResolutionFromEDID(edid, length, width, height);
    free(edid);
    return found;
}

int ListMonitors(MonitorEntry* list, int capacity) {
    int count = 0;
    ForEachAttachedAdapter([&](const DISPLAY_DEVICEW& adapter) {
        if (count >= capacity) return 1;
        MonitorEntry& entry = list[count++];
        entry = MonitorEntry{};
        CopyDeviceName(entry.device, adapter.DeviceName);
        entry.primary = (adapter.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0;
        entry.hasNative = ReadMonitorEdid(entry.device, &entry.nativeWidth, &entry.nativeHeight, entry.name);
        ReadCurrentMode(entry.device, &entry.currentWidth, &entry.currentHeight);
        return 0;
    });
    return count;
}

void ChooseMonitor(const wchar_t* device) {
    CopyDeviceName(g_chosenDevice, device != nullptr ? device : L"");
}

void TestedDevice(wchar_t device[kDeviceNameChars]) {
    device[0] = L'\0';
    ForEachAttachedAdapter([&](const DISPLAY_DEVICEW& adapter) {
        if (g_chosenDevice[0] != L'\0' && wcscmp(adapter.DeviceName, g_chosenDevice) == 0) {
            CopyDeviceName(device, adapter.DeviceName);
            return 1;
        }
        if ((adapter.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0) CopyDeviceName(device, adapter.DeviceName);
        return 0;
    });
}

int MonitorArea(const wchar_t* device, RECT* area) {
    MonitorSearch search = {device, area, 0};
    EnumDisplayMonitors(nullptr, nullptr, MatchMonitor, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
