// Switching to the EDID's mode and back, inside a Wine virtual desktop of 1024 x 768 (the
// native_resolution_desktop script starts this executable there; elsewhere these tests skip).
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "registry_setup.h"
#include "testrun/native_resolution.h"
#include "testrun/test_window.h"

namespace {

const char kIbm1280x1024[] = "A_IBM_IBM24CB_B03976212B04.bin";
const char kHitachi1024x768[] = "A_Hitachi_HEC0088_1BEACBAF42B1.bin";

std::string Screen() {
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + "x" + std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

std::string Saved() {
    return std::to_string(SavedDisplayMode()->dmPelsWidth) + "x" + std::to_string(SavedDisplayMode()->dmPelsHeight);
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
        RestoreOriginalResolution();
        DeleteValue(kWineMonitorParameters, L"EDID");
    }
    void TearDown() override {
        DeleteValue(kWineMonitorParameters, L"EDID");
        RestoreOriginalResolution();
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
    EXPECT_EQ(ResolutionSwitched(), 1);
    EXPECT_EQ(Saved(), "1024x768");
    RestoreOriginalResolution();
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_EQ(ResolutionSwitched(), 0);
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

// Without an EDID, and where the monitor runs its native mode already (a switch to it would only
// blank many monitors for a moment), the run keeps the current mode and puts nothing back.
TEST_F(ModeSwitch, WithoutEdidOrInItsNativeModeTheRunKeepsTheCurrentMode) {
    for (const char* edid : {static_cast<const char*>(nullptr), kHitachi1024x768}) {
        SCOPED_TRACE(edid != nullptr ? edid : "no EDID");
        if (edid != nullptr) PutEdid(edid);
        EXPECT_FALSE(SwitchToNativeResolution());
        EXPECT_EQ(Screen(), "1024x768");
        EXPECT_EQ(ResolutionSwitched(), 0);
        EXPECT_EQ(Saved(), "1024x768");
        ASSERT_TRUE(ChangeModeTo(800, 600));
        RestoreOriginalResolution();  // nothing was changed, so nothing is put back
        EXPECT_EQ(Screen(), "800x600");
        ASSERT_TRUE(ChangeModeTo(1024, 768));
    }
}

// A saved mode Windows no longer takes (the monitor was exchanged during the run, say) gives way to
// the mode in the registry, which a temporary switch never changes.
TEST_F(ModeSwitch, ASavedModeThatCannotBeSetAgainGivesWayToTheRegistryMode) {
    PutEdid(kIbm1280x1024);
    ASSERT_TRUE(SwitchToNativeResolution());
    ASSERT_EQ(Screen(), "1280x1024");
    const_cast<DEVMODEW*>(SavedDisplayMode())->dmPelsWidth = 1;
    EXPECT_TRUE(RestoreOriginalResolution());
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_EQ(ResolutionSwitched(), 0);
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
    EXPECT_EQ(ResolutionSwitched(), 0);
}

// A run's window: a switch to another program puts the user's mode back and minimizes the
// window; coming back switches again and shows the same screen on the whole monitor. Windows
// ending the session puts the mode back at once.
TEST_F(ModeSwitch, SwitchingToAnotherProgramAndBackAndTheSessionsEnd) {
    PutEdid(kIbm1280x1024);
    int playlist[] = {0, 2, 3};
    g_app.hInstance = GetModuleHandleW(nullptr);
    g_app.playlist = playlist;
    g_app.playlistCount = 3;
    CreateTestWindow();
    HWND hwnd = g_app.hwndTest;
    ASSERT_NE(hwnd, nullptr);
    ASSERT_EQ(Screen(), "1280x1024");
    GotoMode(hwnd, 1);

    SendMessageW(hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_TRUE(IsIconic(hwnd));
    PutEdid(kIbm1280x1024);  // Wine rewrote its monitor keys on the mode change
    SendMessageW(hwnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(Screen(), "1280x1024");
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_EQ(g_app.playlistPos, 1);
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 1280);
    EXPECT_EQ(rc.bottom - rc.top, 1024);

    SendMessageW(hwnd, WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(Screen(), "1024x768");
    DestroyWindow(hwnd);
    EXPECT_EQ(Screen(), "1024x768");
    g_app.playlist = nullptr;
    g_app.playlistCount = 0;
    g_app.playlistPos = 0;
}

// A crash during a run: this test starts itself again as a child that switches the mode and then
// dies of an unhandled exception; the mode must be the user's again afterwards.
TEST_F(ModeSwitch, ACrashPutsTheModeBack) {
    if (GetEnvironmentVariableW(L"TAVRO_CRASH_CHILD", nullptr, 0) != 0) {
        PutEdid(kIbm1280x1024);
        RestoreResolutionOnCrash();
        SetErrorMode(SEM_NOGPFAULTERRORBOX);  // no debugger, no dialog: the process just ends
        ASSERT_TRUE(SwitchToNativeResolution());
        RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
        return;
    }
    // Wine's debugger reports the crash on the console rather than in a dialog nobody would close.
    const DWORD noDialog = 0;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", L"ShowCrashDialog", REG_DWORD, &noDialog,
                              sizeof(noDialog)),
              ERROR_SUCCESS);
    wchar_t exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    std::wstring command = L"\"" + std::wstring(exe) +
                           L"\" --gtest_filter=ModeSwitch.ACrashPutsTheModeBack --gtest_catch_exceptions=0";
    // The child's own test lines go nowhere, so that this run's count of tests stays its own.
    SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
    HANDLE nowhere = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(nowhere, INVALID_HANDLE_VALUE);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nowhere;
    PROCESS_INFORMATION child = {};
    SetEnvironmentVariableW(L"TAVRO_CRASH_CHILD", L"1");
    const BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                                        nullptr, &startup, &child);
    SetEnvironmentVariableW(L"TAVRO_CRASH_CHILD", nullptr);
    CloseHandle(nowhere);
    ASSERT_TRUE(started);
    EXPECT_EQ(WaitForSingleObject(child.hProcess, 30000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    EXPECT_EQ(code, 0xE0000001u) << "the child did not die of its exception";
    EXPECT_EQ(Screen(), "1024x768");
}

}  // namespace
