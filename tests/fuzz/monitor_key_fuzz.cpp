// Fuzzes the path from a monitor device ID to its registry keys: splitting the ID, matching a
// "Driver" value and building both key paths. Input: device ID, "Driver" value and instance key
// name, separated by line feeds; each byte becomes one character.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <wchar.h>

#include <memory>
#include <vector>

#include "monitor/monitor_key.h"

namespace {

void Check(bool ok) {
    if (!ok) abort();
}

// The next line-feed-separated field of the input, widened; `terminate` adds the NUL.
std::vector<wchar_t> NextField(const uint8_t** data, const uint8_t* end, bool terminate) {
    std::vector<wchar_t> field;
    while (*data < end && **data != '\n') field.push_back(static_cast<wchar_t>(*(*data)++));
    if (*data < end) ++*data;
    if (terminate) field.push_back(L'\0');
    return field;
}

wchar_t Lower(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Builds a path into buffers of exactly the size needed and one character less; a path must
// either fit with its terminator or come back empty, and never be written past its buffer.
template <typename Build>
void CheckPathSizes(Build build) {
    std::vector<wchar_t> full(kMonitorKeyPathChars);
    const int built = build(full.data(), full.size());
    const size_t length = wcslen(full.data());
    Check(built ? length > 0 : length == 0);
    if (!built) return;
    std::vector<wchar_t> exact(length + 1);
    Check(build(exact.data(), exact.size()) == 1 && wcscmp(exact.data(), full.data()) == 0);
    std::vector<wchar_t> tooSmall(length);
    Check(build(tooSmall.data(), tooSmall.size()) == 0 && (length == 0 || tooSmall[0] == L'\0'));
    Check(build(nullptr, 0) == 0);
}

void CheckSplit(const wchar_t* deviceId, const MonitorIdParts& parts, int split) {
    const size_t hardware = wcslen(parts.hardwareId);
    const size_t driver = wcslen(parts.driverKey);
    if (!split) {
        Check(hardware == 0 && driver == 0);
        return;
    }
    Check(hardware > 0 && hardware < kMonitorFieldChars && wcschr(parts.hardwareId, L'\\') == nullptr);
    const wchar_t* slash = wcschr(parts.driverKey, L'\\');
    Check(slash != nullptr && slash != parts.driverKey && slash[1] != L'\0' && wcschr(slash + 1, L'\\') == nullptr);
    // The parts put back together give the ID again, after its MONITOR prefix.
    const wchar_t* rest = deviceId + 8;
    Check(wcsncmp(rest, parts.hardwareId, hardware) == 0 && rest[hardware] == L'\\');
    Check(wcscmp(rest + hardware + 1, parts.driverKey) == 0);
    // A driver key always matches itself, whatever the letter case and trailing NULs.
    std::vector<wchar_t> upper(parts.driverKey, parts.driverKey + driver);
    for (wchar_t& c : upper) c = (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
    upper.push_back(L'\0');
    Check(SameDriverKey(upper.data(), upper.size(), parts.driverKey) == 1);
}

void CheckDriverMatch(const std::vector<wchar_t>& value, const wchar_t* driverKey) {
    // The value has no terminator of its own: AddressSanitizer stops any read past it.
    std::unique_ptr<wchar_t[]> exact(new wchar_t[value.size() ? value.size() : 1]);
    for (size_t i = 0; i < value.size(); ++i) exact[i] = value[i];
    const int same = SameDriverKey(exact.get(), value.size(), driverKey);
    size_t chars = value.size();
    while (chars > 0 && value[chars - 1] == L'\0') --chars;
    if (same) {
        Check(chars == wcslen(driverKey));
        for (size_t i = 0; i < chars; ++i) Check(Lower(value[i]) == Lower(driverKey[i]));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* end = data + size;
    const std::vector<wchar_t> deviceId = NextField(&data, end, true);
    const std::vector<wchar_t> driverValue = NextField(&data, end, false);
    const std::vector<wchar_t> instance = NextField(&data, end, true);

    std::unique_ptr<MonitorIdParts> parts(new MonitorIdParts);
    const int split = SplitMonitorDeviceId(deviceId.data(), parts.get());
    CheckSplit(deviceId.data(), *parts, split);
    CheckDriverMatch(driverValue, parts->driverKey);
    CheckDriverMatch(driverValue, deviceId.data());

    // The path builders also see names the splitter never produced.
    for (const wchar_t* hardwareId : {static_cast<const wchar_t*>(parts->hardwareId), deviceId.data()}) {
        CheckPathSizes([&](wchar_t* path, size_t chars) { return BuildHardwareKeyPath(hardwareId, path, chars); });
        CheckPathSizes(
            [&](wchar_t* path, size_t chars) { return BuildEdidKeyPath(hardwareId, instance.data(), path, chars); });
    }
    Check(SplitMonitorDeviceId(nullptr, parts.get()) == 0);
    Check(SplitMonitorDeviceId(deviceId.data(), nullptr) == 0);
    return 0;
}
