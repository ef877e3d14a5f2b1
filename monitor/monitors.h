// The monitors attached to the desktop, and the one a test run is for.
#pragma once
#include <windows.h>

#include "monitor/edid.h"

constexpr int kMaxMonitors = 16;
constexpr int kDeviceNameChars = 32;  // as DISPLAY_DEVICEW.DeviceName

struct MonitorEntry {
    wchar_t device[kDeviceNameChars];  // the adapter's device name, \\.\DISPLAY1
    wchar_t name[kMonitorNameChars];   // the model name from the EDID; empty when it names none
    int primary;                       // nonzero for the primary display
    int hasNative;                     // nonzero when the EDID gives a native mode
    unsigned long nativeWidth;
    unsigned long nativeHeight;
    unsigned long currentWidth;  // 0 when Windows gives no current mode
    unsigned long currentHeight;
};

// The whole EDID of the first monitor on adapter `device`, malloc'd (the caller frees it), with its
// size in `length`; null where there is none.
unsigned char* ReadMonitorEdidBytes(const wchar_t* device, unsigned long* length);

// Reads the EDID of the first monitor on adapter `device`. Returns nonzero and writes both sizes
// when it gives a native mode; writes the model name (or an empty one) into `name` unless null.
int ReadMonitorEdid(const wchar_t* device, unsigned long* width, unsigned long* height, wchar_t* name);

// Fills `list` with the monitors attached to the desktop, in the adapters' order, at most
// `capacity` of them; returns how many.
int ListMonitors(MonitorEntry* list, int capacity);

// Makes `device` the monitor a test run is for; null or empty goes back to the primary display.
void ChooseMonitor(const wchar_t* device);

// The adapter of the monitor a test run is for: the chosen one while it is attached to the
// desktop, otherwise the primary display's. Writes an empty name when Windows lists no adapter.
void TestedDevice(wchar_t device[kDeviceNameChars]);

// The desktop rectangle of adapter `device`'s monitor as Windows has it now. Returns 0 and leaves
// `area` when no monitor of that name is there.
int MonitorArea(const wchar_t* device, RECT* area);
