// From a monitor's device ID to its registry keys: splitting, "Driver" matching, key paths.
#include <gtest/gtest.h>

#include <wchar.h>

#include <string>

#include "monitor/monitor_key.h"

namespace {

const wchar_t kClass[] = L"{4d36e96e-e325-11ce-bfc1-08002be10318}";

struct Split {
    int ok;
    std::wstring hardwareId;
    std::wstring driverKey;
};

Split SplitId(const wchar_t* id) {
    MonitorIdParts parts;
    wmemset(parts.hardwareId, L'?', kMonitorFieldChars);
    wmemset(parts.driverKey, L'?', kMonitorFieldChars);
    const int ok = SplitMonitorDeviceId(id, &parts);
    return {ok, parts.hardwareId, parts.driverKey};
}

void ExpectRejected(const std::wstring& id) {
    const Split s = SplitId(id.c_str());
    EXPECT_FALSE(s.ok) << std::string(id.begin(), id.end());
    EXPECT_EQ(s.hardwareId, L"");
    EXPECT_EQ(s.driverKey, L"");
}

TEST(MonitorKey, SplitsRealDeviceIds) {
    Split s = SplitId(L"MONITOR\\GSM5B08\\{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.hardwareId, L"GSM5B08");
    EXPECT_EQ(s.driverKey, L"{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001");

    s = SplitId(L"MONITOR\\Default_Monitor\\{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0000");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.hardwareId, L"Default_Monitor");
    EXPECT_EQ(s.driverKey, L"{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0000");

    s = SplitId(L"monitor\\DEL40B5\\x\\7");
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.hardwareId, L"DEL40B5");
    EXPECT_EQ(s.driverKey, L"x\\7");
}

TEST(MonitorKey, RejectsMalformedIds) {
    const std::wstring cls = kClass;
    EXPECT_FALSE(SplitMonitorDeviceId(nullptr, nullptr));
    EXPECT_FALSE(SplitMonitorDeviceId(L"MONITOR\\A\\B\\C", nullptr));
    for (const std::wstring& id : {std::wstring(), std::wstring(L"M"), std::wstring(L"MONITOR"),
                                   std::wstring(L"MONITOR\\"), std::wstring(L"MONITOR\\GSM5B08"),
                                   std::wstring(L"MONITOR\\GSM5B08\\"), L"MONITOR\\\\" + cls + L"\\0001",
                                   L"MONITOR\\GSM5B08\\" + cls, L"MONITOR\\GSM5B08\\" + cls + L"\\",
                                   std::wstring(L"MONITOR\\GSM5B08\\\\0001"), L"MONITOR\\GSM5B08\\" + cls + L"\\0001\\2",
                                   L"MONITOR\\GSM5B08\\" + cls + L"\\\\0001", L"DISPLAY\\GSM5B08\\" + cls + L"\\0001",
                                   L"MONITORS\\GSM5B08\\" + cls + L"\\0001", L"MONITOR/GSM5B08/" + cls + L"/0001",
                                   L"\\MONITOR\\GSM5B08\\" + cls + L"\\0001", std::wstring(L"\\\\\\\\"),
                                   L"XMONITOR\\GSM5B08\\" + cls + L"\\0001"}) {
        ExpectRejected(id);
    }
}

TEST(MonitorKey, FieldLengthsStopAtRegistryLimits) {
    const std::wstring longest(255, L'h');
    Split s = SplitId((L"MONITOR\\" + longest + L"\\c\\1").c_str());
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.hardwareId, longest);
    ExpectRejected(L"MONITOR\\" + longest + L"h\\c\\1");

    const std::wstring driver = std::wstring(250, L'c') + L"\\0001";  // 255 characters
    s = SplitId((L"MONITOR\\GSM5B08\\" + driver).c_str());
    EXPECT_TRUE(s.ok);
    EXPECT_EQ(s.driverKey, driver);
    ExpectRejected(L"MONITOR\\GSM5B08\\c" + driver);

    // Very long input of every shape is turned down without walking all of it.
    ExpectRejected(L"MONITOR\\" + std::wstring(1000000, L'h') + L"\\c\\1");
    ExpectRejected(L"MONITOR\\h\\" + std::wstring(1000000, L'c') + L"\\1");
    ExpectRejected(L"MONITOR\\h\\c\\" + std::wstring(1000000, L'1'));
    ExpectRejected(std::wstring(1000000, L'\\'));
    ExpectRejected(L"MONITOR" + std::wstring(1000000, L'\\'));
}

TEST(MonitorKey, DriverValueMatchesIgnoringCase) {
    const wchar_t upper[] = L"{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0001";
    const wchar_t lower[] = L"{4d36e96e-e325-11ce-bfc1-08002be10318}\\0001";
    const size_t n = wcslen(upper);
    EXPECT_TRUE(SameDriverKey(upper, n, lower));
    EXPECT_TRUE(SameDriverKey(lower, n, upper));
    EXPECT_TRUE(SameDriverKey(upper, n + 1, lower));  // terminator counted in the stored length
    const wchar_t padded[] = L"{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0001\0\0\0";
    EXPECT_TRUE(SameDriverKey(padded, n + 4, lower));

    // A value stored without its terminator is read only up to its length.
    wchar_t unterminated[64];
    wmemset(unterminated, L'X', 64);
    wmemcpy(unterminated, upper, n);
    EXPECT_TRUE(SameDriverKey(unterminated, n, lower));
    EXPECT_FALSE(SameDriverKey(unterminated, n + 1, lower));

    EXPECT_FALSE(SameDriverKey(upper, n - 1, lower));  // \000 is not \0001
    EXPECT_FALSE(SameDriverKey(L"{4D36E96E-E325-11CE-BFC1-08002BE10318}\\00010", n + 1, lower));
    EXPECT_FALSE(SameDriverKey(L"{4D36E96E-E325-11CE-BFC1-08002BE10318}\\0002", n, lower));
    EXPECT_FALSE(SameDriverKey(L"", 0, lower));
    EXPECT_FALSE(SameDriverKey(L"", 0, L""));
    EXPECT_FALSE(SameDriverKey(nullptr, 5, lower));
    EXPECT_FALSE(SameDriverKey(upper, n, nullptr));
    // Only ASCII letters fold: these differ by more than case.
    EXPECT_FALSE(SameDriverKey(L"[", 1, L"{"));
    EXPECT_FALSE(SameDriverKey(L"@", 1, L"`"));
}

TEST(MonitorKey, BuildsKeyPaths) {
    wchar_t path[kMonitorKeyPathChars];
    EXPECT_TRUE(BuildEdidKeyPath(L"GSM5B08", L"5&1a2b3c4d&0&UID256", path, kMonitorKeyPathChars));
    EXPECT_STREQ(path, L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\GSM5B08\\5&1a2b3c4d&0&UID256\\Device Parameters");
    EXPECT_TRUE(BuildHardwareKeyPath(L"Default_Monitor", path, kMonitorKeyPathChars));
    EXPECT_STREQ(path, L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\Default_Monitor");

    // SYSTEM\CurrentControlSet\Enum\DISPLAY\A\B\Device Parameters is 58 characters.
    const size_t length = wcslen(L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\A\\B\\Device Parameters");
    EXPECT_TRUE(BuildEdidKeyPath(L"A", L"B", path, length + 1));
    EXPECT_EQ(wcslen(path), length);
    path[0] = L'?';
    EXPECT_FALSE(BuildEdidKeyPath(L"A", L"B", path, length));
    EXPECT_STREQ(path, L"");
    EXPECT_FALSE(BuildEdidKeyPath(L"A", L"B", path, 0));
    EXPECT_FALSE(BuildEdidKeyPath(L"A", L"B", nullptr, 100));

    // The longest names still fit the program's 512-character path.
    const std::wstring longest(255, L'n');
    EXPECT_TRUE(BuildEdidKeyPath(longest.c_str(), L"0000", path, kMonitorKeyPathChars));
    EXPECT_FALSE(BuildEdidKeyPath(longest.c_str(), longest.c_str(), path, kMonitorKeyPathChars));
    EXPECT_FALSE(BuildEdidKeyPath((longest + L"n").c_str(), L"0", path, 4096));
    EXPECT_FALSE(BuildHardwareKeyPath((longest + L"n").c_str(), path, 4096));

    for (const wchar_t* bad : {L"", L"a\\b", L"\\"}) {
        EXPECT_FALSE(BuildEdidKeyPath(bad, L"0000", path, kMonitorKeyPathChars));
        EXPECT_FALSE(BuildEdidKeyPath(L"GSM5B08", bad, path, kMonitorKeyPathChars));
        EXPECT_FALSE(BuildHardwareKeyPath(bad, path, kMonitorKeyPathChars));
    }
    EXPECT_FALSE(BuildEdidKeyPath(nullptr, L"0", path, kMonitorKeyPathChars));
    EXPECT_FALSE(BuildEdidKeyPath(L"A", nullptr, path, kMonitorKeyPathChars));
}

}  // namespace
