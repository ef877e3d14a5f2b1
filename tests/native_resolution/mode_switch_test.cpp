// Switching to the EDID's mode and back, inside a Wine virtual desktop of 1024 x 768 (the
// native_resolution_desktop script starts this executable there; elsewhere these tests skip).
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "registry_setup.h"
#include "testrun/native_resolution.h"

namespace {

const char kIbm1280x1024[] = "A_IBM_IBM24CB_B03976212B04.bin";
const char kHitachi1024x768[] = "A_Hitachi_HEC0088_1BEACBAF42B1.bin";

std::string Screen() {
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

std::string Saved() {
    return std::to_string(g_app.savedMode.dmPelsWidth) + "x" + std::to_string(g_app.savedMode.dmPelsHeight);
}

// A mode change made behind the program's back, as the user or another program might.
bool ChangeModeTo(DWORD width, DWORD height) {
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    return ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

class ModeSwitch : public testing::Test {
protected:
    void SetUp() override {
        if (GetEnvironmentVariableW(L"TAVRO_VIRTUAL_DESKTOP", nullptr, 0) == 0) {
            GTEST_SKIP() << "needs the Wine virtual desktop of tests/scripts/native_resolution_desktop.sh";
        }
        ASSERT_EQ(Screen(), "1024x768");
        g_app.resolutionChanged = 0;
        DeleteValue(kWineMonitorParameters, L"EDID");
    }
    void TearDown() override {
        DeleteValue(kWineMonitorParameters, L"EDID");
        g_app.resolutionChanged = 0;
        if (Screen() != "1024x768") ChangeModeTo(1024, 768);
    }

    void PutEdid(const char* file) {
        ASSERT_TRUE(KeyExists(kWineMonitorParameters)) << "Wine's monitor key moved";
        ASSERT_TRUE(WriteBinary(kWineMonitorParameters, L"EDID", RealEdid(file)));
    }
};

TEST_F(ModeSwitch, RunsAtTheEdidModeAndRestoresTheSavedOne) {
    PutEdid(kIbm1280x1024);
    EXPECT_TRUE(SwitchToNativeResolution());
    EXPECT_EQ(Screen(), "1280x1024");
    EXPECT_EQ(g_app.resolutionChanged, 1);
    EXPECT_EQ(Saved(), "1024x768");
    RestoreOriginalResolution();
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_EQ(g_app.resolutionChanged, 0);
}

TEST_F(ModeSwitch, RestoringTwiceChangesTheModeOnce) {
    PutEdid(kIbm1280x1024);
    ASSERT_TRUE(SwitchToNativeResolution());
    RestoreOriginalResolution();
    ASSERT_EQ(Screen(), "1024x768");
    // Someone else picks 800 x 600 now; a second restore must leave it alone.
    ASSERT_TRUE(ChangeModeTo(800, 600));
    RestoreOriginalResolution();
    EXPECT_EQ(Screen(), "800x600");
}

TEST_F(ModeSwitch, WithoutEdidTheRunKeepsTheCurrentMode) {
    EXPECT_FALSE(SwitchToNativeResolution());
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_EQ(g_app.resolutionChanged, 0);
    EXPECT_EQ(Saved(), "1024x768");
    ASSERT_TRUE(ChangeModeTo(800, 600));
    RestoreOriginalResolution();  // nothing was changed, so nothing is put back
    EXPECT_EQ(Screen(), "800x600");
}

TEST_F(ModeSwitch, SwitchToTheModeAlreadySetCounts) {
    PutEdid(kHitachi1024x768);
    EXPECT_TRUE(SwitchToNativeResolution());
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_EQ(g_app.resolutionChanged, 1);
    RestoreOriginalResolution();
    EXPECT_EQ(g_app.resolutionChanged, 0);
    EXPECT_EQ(Screen(), "1024x768");
}

TEST_F(ModeSwitch, EachRunRestoresTheModeItBeganIn) {
    PutEdid(kIbm1280x1024);
    ASSERT_TRUE(SwitchToNativeResolution());
    RestoreOriginalResolution();
    ASSERT_TRUE(ChangeModeTo(800, 600));
    PutEdid(kIbm1280x1024);  // Wine rewrote its monitor keys on the mode changes
    ASSERT_TRUE(SwitchToNativeResolution());
    EXPECT_EQ(Screen(), "1280x1024");
    EXPECT_EQ(Saved(), "800x600");
    RestoreOriginalResolution();
    EXPECT_EQ(Screen(), "800x600");
}

TEST_F(ModeSwitch, ASecondSwitchKeepsTheFirstSavedMode) {
    // A run that starts while an earlier switch is still in force must not take the switched
    // mode for the user's own.
    PutEdid(kIbm1280x1024);
    ASSERT_TRUE(SwitchToNativeResolution());
    PutEdid(kIbm1280x1024);  // Wine rewrote its monitor keys on the mode change
    ASSERT_TRUE(SwitchToNativeResolution());
    EXPECT_EQ(Saved(), "1024x768");
    RestoreOriginalResolution();
    EXPECT_EQ(Screen(), "1024x768");
}

TEST_F(ModeSwitch, ProgramEndRestoresTheMode) {
    PutEdid(kIbm1280x1024);
    ASSERT_TRUE(SwitchToNativeResolution());
    ASSERT_EQ(Screen(), "1280x1024");
    ReleaseGlobalResources();
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_EQ(g_app.resolutionChanged, 0);
}

}  // namespace
