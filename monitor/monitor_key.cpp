// Monitor device ID to registry key path: splitting, matching the "Driver" value, building paths.
#include "monitor/monitor_key.h"

namespace {

const wchar_t kDisplayEnumKey[] = L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY";
const wchar_t kDeviceParameters[] = L"Device Parameters";
const wchar_t kMonitorPrefix[] = L"MONITOR";

wchar_t AsciiLower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Copies text up to `stop` (or the end) into `out`; fails on an empty or over-long field.
// Returns the number of characters copied, or 0 on failure; never reads past the field's end
// or past kMonitorFieldChars characters.
size_t CopyField(const wchar_t* text, wchar_t stop, wchar_t* out) {
    size_t n = 0;
    while (text[n] != L'\0' && text[n] != stop) {
        if (n + 1 >= kMonitorFieldChars) return 0;
        out[n] = text[n];
        ++n;
    }
    out[n] = L'\0';
    return n;
}

int IsKeyName(const wchar_t* name) {
    if (name == nullptr || name[0] == L'\0') return 0;
    for (size_t n = 0; name[n] != L'\0'; ++n) {
        if (n + 1 >= kMonitorFieldChars || name[n] == L'\\') return 0;
    }
    return 1;
}

// Appends `text` at path[*used]; keeps the path terminated and fails when it would not fit.
int Append(wchar_t* path, size_t pathChars, size_t* used, const wchar_t* text) {
    for (size_t i = 0; text[i] != L'\0'; ++i) {
        if (*used + 1 >= pathChars) return 0;
        path[(*used)++] = text[i];
    }
    path[*used] = L'\0';
    return 1;
}

int BuildPath(const wchar_t* const* pieces, size_t count, wchar_t* path, size_t pathChars) {
    if (path == nullptr || pathChars == 0) return 0;
    path[0] = L'\0';
    size_t used = 0;
    for (size_t i = 0; i < count; ++i) {
        if (!Append(path, pathChars, &used, pieces[i])) {
            path[0] = L'\0';
            return 0;
        }
    }
    return 1;
}

}  // namespace

int SplitMonitorDeviceId(const wchar_t* deviceId, MonitorIdParts* parts) {
    if (parts == nullptr) return 0;
    parts->hardwareId[0] = L'\0';
    parts->driverKey[0] = L'\0';
    if (deviceId == nullptr) return 0;

    size_t i = 0;
    for (; kMonitorPrefix[i] != L'\0'; ++i) {
        if (AsciiLower(deviceId[i]) != AsciiLower(kMonitorPrefix[i])) return 0;
    }
    if (deviceId[i++] != L'\\') return 0;

    const size_t hardwareChars = CopyField(deviceId + i, L'\\', parts->hardwareId);
    if (hardwareChars == 0 || deviceId[i + hardwareChars] != L'\\') {
        parts->hardwareId[0] = L'\0';
        return 0;
    }
    i += hardwareChars + 1;

    // The driver key is the rest: exactly two nonempty fields, class and index.
    const size_t driverChars = CopyField(deviceId + i, L'\0', parts->driverKey);
    size_t backslashes = 0;
    int emptyField = driverChars == 0 || parts->driverKey[0] == L'\\' || parts->driverKey[driverChars - 1] == L'\\';
    for (size_t n = 0; n < driverChars; ++n) {
        if (parts->driverKey[n] != L'\\') continue;
        ++backslashes;
        if (parts->driverKey[n + 1] == L'\\') emptyField = 1;
    }
    if (emptyField || backslashes != 1) {
        parts->hardwareId[0] = L'\0';
        parts->driverKey[0] = L'\0';
        return 0;
    }
    return 1;
}

int SameDriverKey(const wchar_t* value, size_t valueChars, const wchar_t* driverKey) {
    if (value == nullptr || driverKey == nullptr || driverKey[0] == L'\0') return 0;
    // Registry strings may or may not carry their terminator within the stored length.
    while (valueChars > 0 && value[valueChars - 1] == L'\0') --valueChars;
    size_t i = 0;
    for (; i < valueChars; ++i) {
        if (driverKey[i] == L'\0' || AsciiLower(value[i]) != AsciiLower(driverKey[i])) return 0;
    }
    return driverKey[i] == L'\0';
}

int BuildHardwareKeyPath(const wchar_t* hardwareId, wchar_t* path, size_t pathChars) {
    if (path != nullptr && pathChars > 0) path[0] = L'\0';
    if (!IsKeyName(hardwareId)) return 0;
    const wchar_t* const pieces[] = {kDisplayEnumKey, L"\\", hardwareId};
    return BuildPath(pieces, sizeof(pieces) / sizeof(pieces[0]), path, pathChars);
}

int BuildEdidKeyPath(const wchar_t* hardwareId, const wchar_t* instance, wchar_t* path, size_t pathChars) {
    if (path != nullptr && pathChars > 0) path[0] = L'\0';
    if (!IsKeyName(hardwareId) || !IsKeyName(instance)) return 0;
    const wchar_t* const pieces[] = {kDisplayEnumKey, L"\\", hardwareId, L"\\", instance, L"\\", kDeviceParameters};
    return BuildPath(pieces, sizeof(pieces) / sizeof(pieces[0]), path, pathChars);
}
