// The monitor walk through Wine's own display device and monitor key, with EDIDs the test writes.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "registry_setup.h"
#include "monitor/native_resolution.h"

namespace {

constexpr unsigned long kUntouched = 77;

// Wine rewrites its monitor keys when a process starts, so the EDID goes in from inside this one.
class MonitorWalk : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(KeyExists(kWineMonitorParameters)) << "Wine's monitor key moved";
        DeleteValue(kWineMonitorParameters, L"EDID");
    }
    void TearDown() override { DeleteValue(kWineMonitorParameters, L"EDID"); }

    std::string Walk() {
        unsigned long width = kUntouched;
        unsigned long height = kUntouched;
        if (!GetNativeResolutionForCurrentMonitor(&width, &height)) {
            EXPECT_EQ(width, kUntouched);
            EXPECT_EQ(height, kUntouched);
            return "none";
        }
        return std::to_string(width) + "x" + std::to_string(height);
    }

    void PutEdid(const char* file, size_t bytes = 0) {
        const std::vector<unsigned char> edid = RealEdid(file, bytes);
        ASSERT_FALSE(edid.empty()) << file;
        ASSERT_TRUE(WriteBinary(kWineMonitorParameters, L"EDID", edid));
    }
};

TEST_F(MonitorWalk, FindsTheEdidOfWinesMonitor) {
    EXPECT_EQ(Walk(), "none");  // Wine stores BAD_EDID and no EDID for Xvfb's screen
    PutEdid("A_IBM_IBM24CB_B03976212B04.bin");
    EXPECT_EQ(Walk(), "1280x1024");
    PutEdid("D_Apple_APPA032_F271ABD77405.bin");  // base block and a DisplayID extension
    EXPECT_EQ(Walk(), "4096x2304");
    PutEdid("D_Lenovo_LEN67B1_0CB2A39ED8CB.bin");  // two extensions, the mode in the second
    EXPECT_EQ(Walk(), "5120x1440");
    PutEdid("D_Valve_VLV91A8_FDD5071FF7F2.bin");  // descriptors only in the base block
    EXPECT_EQ(Walk(), "2880x1600");
}

TEST_F(MonitorWalk, UnusableEdidsGiveNoResolution) {
    PutEdid("D_Valve_VLV91A8_FDD5071FF7F2.bin", 128);  // descriptors only, without its extension
    EXPECT_EQ(Walk(), "none");
    // The first 100 bytes of a block already hold its header and first timing; a value cut
    // that short is still no EDID.
    PutEdid("A_IBM_IBM24CB_B03976212B04.bin", 100);
    EXPECT_EQ(Walk(), "none");
}

TEST_F(MonitorWalk, NoSwitchWhereTheDisplayRefusesModeChanges) {
    // Plain Xvfb without a Wine virtual desktop turns every mode change down.
    PutEdid("A_IBM_IBM24CB_B03976212B04.bin");
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_NE(width, 1280);
    RestoreOriginalResolution();
    EXPECT_FALSE(SwitchToNativeResolution());
    EXPECT_EQ(ResolutionSwitched(), 0);
    EXPECT_EQ(SavedDisplayMode()->dmPelsWidth, static_cast<DWORD>(width));
    EXPECT_EQ(SavedDisplayMode()->dmPelsHeight, static_cast<DWORD>(height));
    // The run's first screen says so, naming both modes.
    EXPECT_EQ(g_refusedSwitch.refused, 1);
    EXPECT_EQ(g_refusedSwitch.nativeWidth * 10000 + g_refusedSwitch.nativeHeight, 1280u * 10000 + 1024u);
    EXPECT_EQ(g_refusedSwitch.currentWidth, static_cast<unsigned long>(width));
    EXPECT_EQ(g_refusedSwitch.currentHeight, static_cast<unsigned long>(height));
    DeleteValue(kWineMonitorParameters, L"EDID");
    EXPECT_FALSE(SwitchToNativeResolution());
    EXPECT_EQ(g_refusedSwitch.refused, 0);  // no EDID: nothing was tried, so nothing was refused
    RestoreOriginalResolution();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), width);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), height);
}

}  // namespace
