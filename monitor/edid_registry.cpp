// The monitor's whole EDID from HKLM\SYSTEM\CurrentControlSet\Enum\DISPLAY\<hardware id>\<instance>.
#include "monitor/edid_registry.h"

#include <stdlib.h>

#include "monitor/edid.h"
#include "monitor/monitor_key.h"

namespace {

// Whether the instance key `instance` below the open hardware folder has the "Driver" value
// `driverKey`; that value is what ties an instance key to the monitor the walk found.
int InstanceHasDriver(HKEY hardwareKey, const wchar_t* instance, const wchar_t* driverKey) {
    HKEY instanceKey = nullptr;
    if (RegOpenKeyExW(hardwareKey, instance, 0, KEY_READ, &instanceKey) != ERROR_SUCCESS) return 0;
    wchar_t value[kMonitorFieldChars] = {};
    DWORD type = 0;
    DWORD bytes = sizeof(value);
    const LONG status =
        RegQueryValueExW(instanceKey, L"Driver", nullptr, &type, reinterpret_cast<BYTE*>(value), &bytes);
    RegCloseKey(instanceKey);
    if (status != ERROR_SUCCESS || type != REG_SZ || bytes > sizeof(value)) return 0;
    return SameDriverKey(value, bytes / sizeof(wchar_t), driverKey);
}

// Finds the name of the instance key below Enum\DISPLAY\<hardwareId> whose "Driver" is
// `driverKey`, copying it into `instance` (kMonitorFieldChars characters).
int FindMonitorInstance(const MonitorIdParts& parts, wchar_t* instance) {
    wchar_t path[kMonitorKeyPathChars];
    if (!BuildHardwareKeyPath(parts.hardwareId, path, kMonitorKeyPathChars)) return 0;
    HKEY hardwareKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &hardwareKey) != ERROR_SUCCESS) return 0;
    int found = 0;
    for (DWORD index = 0; !found; ++index) {
        DWORD chars = kMonitorFieldChars;
        const LONG status = RegEnumKeyExW(hardwareKey, index, instance, &chars, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_MORE_DATA) continue;  // a name too long for a key path: not ours
        // The end of the list, or an error that would repeat for every index (the key deleted
        // when the monitor is unplugged during the walk, say).
        if (status != ERROR_SUCCESS) break;
        found = InstanceHasDriver(hardwareKey, instance, parts.driverKey);
    }
    RegCloseKey(hardwareKey);
    return found;
}

// Asks for the value's size first, then reads all of it into a buffer of exactly that size.
unsigned char* ReadEdidValue(HKEY key, unsigned long* length) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, L"EDID", nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS) return nullptr;
    // A value shorter than the base block is no EDID; one longer than 255 extensions is not either.
    if (type != REG_BINARY || bytes < kEdidBlockSize || bytes > kEdidLargestSize) return nullptr;
    unsigned char* edid = static_cast<unsigned char*>(malloc(bytes));
    if (edid == nullptr) return nullptr;
    // The value may change between the two reads; only the same type and no more bytes will do.
    DWORD got = bytes;
    const LONG status = RegQueryValueExW(key, L"EDID", nullptr, &type, edid, &got);
    if (status != ERROR_SUCCESS || type != REG_BINARY || got < kEdidBlockSize || got > bytes) {
        free(edid);
        return nullptr;
    }
    *length = got;
    return edid;
}

}  // namespace

unsigned char* GetEDIDFromRegistry(const wchar_t* deviceId, unsigned long* length) {
    if (length == nullptr) return nullptr;
    MonitorIdParts parts;
    if (!SplitMonitorDeviceId(deviceId, &parts)) return nullptr;
    wchar_t instance[kMonitorFieldChars];
    if (!FindMonitorInstance(parts, instance)) return nullptr;
    wchar_t path[kMonitorKeyPathChars];
    if (!BuildEdidKeyPath(parts.hardwareId, instance, path, kMonitorKeyPathChars)) return nullptr;

    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
    unsigned char* edid = ReadEdidValue(key, length);
    RegCloseKey(key);
    return edid;
}
