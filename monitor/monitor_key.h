// Where a monitor's EDID lives in the registry, derived from the monitor's device ID.
// Plain standard C++ (no Windows headers).
#pragma once
#include <stddef.h>

// Registry key names are at most 255 characters, so no field of a usable device ID is longer.
constexpr size_t kMonitorFieldChars = 256;
// Room for a full key path below HKEY_LOCAL_MACHINE.
constexpr size_t kMonitorKeyPathChars = 512;

// The two halves of a monitor device ID such as
// MONITOR\GSM5B08\{4d36e96e-e325-11ce-bfc1-08002be10318}\0001:
// the hardware ID names the folder below Enum\DISPLAY, and the driver key (class GUID and index)
// is the "Driver" value of the one instance key in that folder that belongs to this monitor.
struct MonitorIdParts {
    wchar_t hardwareId[kMonitorFieldChars];  // GSM5B08
    wchar_t driverKey[kMonitorFieldChars];   // {4d36e96e-e325-11ce-bfc1-08002be10318}\0001
};

// Splits a device ID of the form MONITOR\<hardware id>\<class>\<index> (MONITOR in any case,
// every field nonempty). Returns 0 for anything else, a null pointer included, and then leaves
// `parts` holding empty strings.
int SplitMonitorDeviceId(const wchar_t* deviceId, MonitorIdParts* parts);

// Whether a "Driver" value read from the registry (`valueChars` characters, trailing NULs
// allowed, no terminator needed) names `driverKey`, ignoring ASCII letter case.
int SameDriverKey(const wchar_t* value, size_t valueChars, const wchar_t* driverKey);

// SYSTEM\CurrentControlSet\Enum\DISPLAY\<hardwareId>: the folder holding the monitor's instances.
int BuildHardwareKeyPath(const wchar_t* hardwareId, wchar_t* path, size_t pathChars);

// SYSTEM\CurrentControlSet\Enum\DISPLAY\<hardwareId>\<instance>\Device Parameters: the key holding
// the "EDID" value. Both build functions return 0, with an empty `path`, for an empty or
// over-long name, a name holding a backslash, or a path that does not fit in `pathChars`.
int BuildEdidKeyPath(const wchar_t* hardwareId, const wchar_t* instance, wchar_t* path, size_t pathChars);
