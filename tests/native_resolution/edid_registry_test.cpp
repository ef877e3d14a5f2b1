// Reading a monitor's EDID from the registry, with instance keys the test sets up and removes.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "registry_setup.h"
#include "monitor/edid.h"
#include "monitor/edid_registry.h"

namespace {

const std::wstring kHardwareId = L"TAVRO_TEST_GSM5B08";
const std::wstring kFolder = std::wstring(kDisplayEnum) + L"\\" + kHardwareId;
const std::wstring kUpperClass = L"{4D36E96E-E325-11CE-BFC1-08002BE10318}";
const std::wstring kLowerClass = L"{4d36e96e-e325-11ce-bfc1-08002be10318}";

const char kIbm1280x1024[] = "A_IBM_IBM24CB_B03976212B04.bin";      // 128 bytes
const char kHitachi1024x768[] = "A_Hitachi_HEC0088_1BEACBAF42B1.bin";  // 256 bytes
const char kLenovo5120x1440[] = "D_Lenovo_LEN67B1_0CB2A39ED8CB.bin";   // 384 bytes, mode in block 2

std::wstring DeviceId(const std::wstring& cls, const wchar_t* index) {
    return L"MONITOR\\" + kHardwareId + L"\\" + cls + L"\\" + index;
}

// Registers one instance key with a "Driver" value (none when `driver` is empty) and an EDID.
void AddInstance(const wchar_t* instance, const std::wstring& driver, const std::vector<unsigned char>& edid) {
    const std::wstring key = kFolder + L"\\" + instance;
    ASSERT_TRUE(WriteString(key, L"Class", L"Monitor"));
    if (!driver.empty()) {
        ASSERT_TRUE(WriteString(key, L"Driver", driver));
    }
    if (!edid.empty()) {
        ASSERT_TRUE(WriteBinary(key + L"\\Device Parameters", L"EDID", edid));
    }
}

// What GetEDIDFromRegistry gives for `deviceId`: "WIDTHxHEIGHT" of the EDID it read, "read but
// no size", or "failed"; `length` gets the bytes read.
std::string ReadAndDecode(const std::wstring& deviceId, unsigned long* length = nullptr) {
    unsigned long bytes = 0;
    unsigned char* edid = GetEDIDFromRegistry(deviceId.c_str(), &bytes);
    if (edid == nullptr) return "failed";
    if (length != nullptr) *length = bytes;
    unsigned long width = 0;
    unsigned long height = 0;
    const int found = GetNativeResolutionFromEDID(edid, bytes, &width, &height);
    free(edid);
    if (!found) return "read but no size";
    return std::to_string(width) + "x" + std::to_string(height);
}

class EdidRegistry : public testing::Test {
protected:
    void SetUp() override {
        DeleteTree(kFolder);
        ASSERT_FALSE(RealEdid(kIbm1280x1024).empty()) << "tests/data/edid not found";
    }
    void TearDown() override {
        DeleteTree(kFolder);
        EXPECT_FALSE(KeyExists(kFolder));
    }
};

TEST_F(EdidRegistry, FindsTheInstanceWhoseDriverMatchesInAnyCase) {
    AddInstance(L"5&1a2b3c4d&0&UID256", kUpperClass + L"\\0001", RealEdid(kIbm1280x1024));
    EXPECT_EQ(ReadAndDecode(DeviceId(kLowerClass, L"0001")), "1280x1024");
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0001")), "1280x1024");
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0002")), "failed");
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"000")), "failed");
    // The device ID exactly as the path text, and other shapes, name no key.
    EXPECT_EQ(ReadAndDecode(L"MONITOR\\" + kHardwareId), "failed");
    EXPECT_EQ(ReadAndDecode(L""), "failed");
    unsigned long length = 77;
    EXPECT_EQ(GetEDIDFromRegistry(nullptr, &length), nullptr);
    EXPECT_EQ(GetEDIDFromRegistry(DeviceId(kUpperClass, L"0001").c_str(), nullptr), nullptr);
    EXPECT_EQ(length, 77u);
}

TEST_F(EdidRegistry, SeveralInstancesUnderOneHardwareId) {
    AddInstance(L"4&aaa&0&UID1", kUpperClass + L"\\0000", RealEdid(kHitachi1024x768));
    AddInstance(L"4&bbb&0&UID2", L"", RealEdid(kLenovo5120x1440));            // no "Driver" at all
    AddInstance(L"4&ccc&0&UID3", kLowerClass + L"\\0001", RealEdid(kIbm1280x1024));
    AddInstance(L"4&ddd&0&UID4", kUpperClass + L"\\00011", RealEdid(kLenovo5120x1440));
    EXPECT_EQ(ReadAndDecode(DeviceId(kLowerClass, L"0000")), "1024x768");
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0001")), "1280x1024");
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0011")), "failed");
}

TEST_F(EdidRegistry, InstanceWithoutUsableDriverValue) {
    AddInstance(L"0000", L"", RealEdid(kIbm1280x1024));
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed");
    // A "Driver" of the wrong type does not count either.
    const std::wstring driver = kUpperClass + L"\\0000";
    ASSERT_TRUE(WriteValue(kFolder + L"\\0000", L"Driver", REG_BINARY, driver.c_str(),
                           static_cast<DWORD>((driver.size() + 1) * sizeof(wchar_t))));
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed");
    ASSERT_TRUE(WriteString(kFolder + L"\\0000", L"Driver", driver));
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "1280x1024");
}

TEST_F(EdidRegistry, MissingKeysAndValues) {
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed");  // no hardware ID folder
    AddInstance(L"0000", kUpperClass + L"\\0000", {});                      // no Device Parameters
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed");
    ASSERT_TRUE(WriteString(kFolder + L"\\0000\\Device Parameters", L"BAD_EDID", L""));  // as Wine leaves it
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed");
}

TEST_F(EdidRegistry, ValueTypeAndSize) {
    const std::wstring parameters = kFolder + L"\\0000\\Device Parameters";
    AddInstance(L"0000", kUpperClass + L"\\0000", RealEdid(kIbm1280x1024));
    const std::wstring id = DeviceId(kUpperClass, L"0000");
    EXPECT_EQ(ReadAndDecode(id), "1280x1024");

    const std::vector<unsigned char> ibm = RealEdid(kIbm1280x1024);
    ASSERT_TRUE(WriteValue(parameters, L"EDID", REG_NONE, ibm.data(), 128));
    EXPECT_EQ(ReadAndDecode(id), "failed");
    ASSERT_TRUE(WriteValue(parameters, L"EDID", REG_SZ, ibm.data(), 128));
    EXPECT_EQ(ReadAndDecode(id), "failed");

    // The whole value is read, whatever its length, up to a base block and 255 extensions.
    std::vector<unsigned char> hitachi = RealEdid(kHitachi1024x768);
    ASSERT_EQ(hitachi.size(), 256u);
    unsigned long length = 0;
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", hitachi));
    EXPECT_EQ(ReadAndDecode(id, &length), "1024x768");
    EXPECT_EQ(length, 256u);
    hitachi.push_back(0);  // 257 bytes: the odd byte is read and left alone
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", hitachi));
    EXPECT_EQ(ReadAndDecode(id, &length), "1024x768");
    EXPECT_EQ(length, 257u);
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", RealEdid(kLenovo5120x1440)));
    EXPECT_EQ(ReadAndDecode(id, &length), "5120x1440");  // only in the third block
    EXPECT_EQ(length, 384u);
    hitachi.resize(256 * 128, 0);
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", hitachi));
    EXPECT_EQ(ReadAndDecode(id, &length), "1024x768");
    EXPECT_EQ(length, 256u * 128u);
    hitachi.push_back(0);
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", hitachi));
    EXPECT_EQ(ReadAndDecode(id), "failed");
}

TEST_F(EdidRegistry, ShortValueIsNoEdid) {
    const std::wstring parameters = kFolder + L"\\0000\\Device Parameters";
    AddInstance(L"0000", kUpperClass + L"\\0000", RealEdid(kIbm1280x1024));
    // The first 100 bytes already hold a good header and a first timing of 1280 x 1024; a value
    // cut there must not pass as an EDID.
    for (size_t bytes : {100, 127}) {
        ASSERT_TRUE(WriteBinary(parameters, L"EDID", RealEdid(kIbm1280x1024, bytes)));
        EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed") << bytes;
    }
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", {}));
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "failed");
    ASSERT_TRUE(WriteBinary(parameters, L"EDID", RealEdid(kIbm1280x1024)));
    EXPECT_EQ(ReadAndDecode(DeviceId(kUpperClass, L"0000")), "1280x1024");
}

}  // namespace

namespace {

struct Walk {
    std::wstring deviceId;
    unsigned char* edid;
};

DWORD WINAPI WalkOnce(void* param) {
    Walk* walk = static_cast<Walk*>(param);
    unsigned long bytes = 0;
    walk->edid = GetEDIDFromRegistry(walk->deviceId.c_str(), &bytes);
    return 0;
}

// A monitor unplugged during the walk: its keys go while the walk is half-way down the list of
// instances. Every index then fails alike, and the walk must end rather than try them all. The
// walk is held still (SuspendThread) while the keys are deleted, so it meets the deleted key.
TEST_F(EdidRegistry, AWalkEndsWhenTheKeysGoDuringIt) {
    for (int n = 0; n < 600; ++n) AddInstance(std::to_wstring(n).c_str(), L"{other}\\0000", {});
    Walk walk = {DeviceId(kUpperClass, L"0000"), nullptr};
    HANDLE walker = CreateThread(nullptr, 0, WalkOnce, &walk, 0, nullptr);
    ASSERT_NE(walker, nullptr);
    Sleep(20);
    const bool heldMidWay = SuspendThread(walker) != static_cast<DWORD>(-1) &&
                            WaitForSingleObject(walker, 0) == WAIT_TIMEOUT;
    DeleteTree(kFolder);
    ResumeThread(walker);
    const DWORD ended = WaitForSingleObject(walker, 10000);
    if (ended != WAIT_OBJECT_0) TerminateThread(walker, 1);
    CloseHandle(walker);
    EXPECT_EQ(ended, WAIT_OBJECT_0) << "the walk went on over the deleted key";
    EXPECT_EQ(walk.edid, nullptr);
    if (!heldMidWay) GTEST_SKIP() << "the walk was over before it could be held";
}

}  // namespace
