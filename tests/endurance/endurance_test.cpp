// The real selection and test windows under strain: a long auto run stepped by posted keys with
// the sound screen in the list, and runs over bad EDIDs, refused mode changes, pre-registered
// window classes, a missing audio device and a read-only current directory.
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "tests/support/gdi_count.h"
#include "tests/support/test_data.h"
#include "testrun/catalogue.h"
#include "monitor/native_resolution.h"
#include "testrun/paint_ahead.h"
#include "testrun/start_tests.h"
#include "testrun/test_window.h"

namespace {

// Where Wine registers its one monitor; Wine rewrites it at process start, so EDIDs go in from here.
const wchar_t kMonitorParameters[] =
    L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\Default_Monitor\\0000&0000\\Device Parameters";

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string ScreenMode() {
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return "unknown";
    return std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) + "@" +
           std::to_string(mode.dmBitsPerPel);
}

// Resident size of this process in KiB. Wine reads it from /proc/<pid>/status of its own Unix
// process (opening /proc/self through drive Z: from here would reach the Wine server's instead).
long ResidentKib() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return -1;
    return static_cast<long>(counters.WorkingSetSize / 1024);
}

bool WriteEdid(DWORD type, const std::vector<unsigned char>& bytes) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMonitorParameters, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG status =
        RegSetValueExW(key, L"EDID", 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void DeleteEdid() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMonitorParameters, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, L"EDID");
    RegCloseKey(key);
}

struct Reading {
    long residentKib;
    int gdiObjects;
};

bool Present(const char* file) {
    FILE* f = fopen(file, "r");
    if (f != nullptr) fclose(f);
    return f != nullptr;
}

// One selection window for the whole suite, made by the program's own start-up functions, with
// both window classes registered before the program registers them itself.
class Endurance : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SetProcessDPIAware();
        g_app.hInstance = GetModuleHandleW(nullptr);
        g_lang = 0;
        CreateUiFonts();
        WNDCLASSEXW early = {};
        early.cbSize = sizeof(early);
        early.lpfnWndProc = TestWndProc;
        early.hInstance = g_app.hInstance;
        early.lpszClassName = kTestWindowClass;
        ASSERT_NE(RegisterClassExW(&early), 0);
        RegisterSelectWindowClass(g_app.hInstance);
        RegisterSelectWindowClass(g_app.hInstance);  // the second registration fails and must not matter
        hwnd = CreateSelectWindow(g_app.hInstance);
        ASSERT_NE(hwnd, nullptr);
        ShowWindow(hwnd, SW_SHOW);
        UpdateWindow(hwnd);
        WriteStartupTrace();
        Pump();
        modeAtStart = ScreenMode();
    }
    static void TearDownTestSuite() {
        DeleteEdid();
        DestroyWindow(hwnd);
        Pump();
        ReleaseGlobalResources();
    }
    void TearDown() override {
        if (g_app.hwndTest != nullptr) DestroyWindow(g_app.hwndTest);
        Pump();
        DeleteEdid();
    }

    // START or AUTO over every category; the test window must come up on the first screen.
    static void StartRun(int autoFlag) {
        for (int& checked : g_catChecked) checked = 1;
        ASSERT_EQ(StartSelectedTests(hwnd, autoFlag), 1);
        ASSERT_NE(g_app.hwndTest, nullptr);
        ASSERT_EQ(g_app.playlistCount, kModeCount);
        Pump();
    }
    // Posts `screens` steps as the keyboard would and paints each screen before the next key.
    static void Step(int screens) {
        static const WPARAM keys[] = {VK_RIGHT, VK_SPACE, VK_NEXT, VK_RETURN, VK_DOWN};
        for (int i = 0; i < screens; ++i) {
            PostMessageW(g_app.hwndTest, WM_KEYDOWN, keys[i % 5], 0);
            Pump();
            UpdateWindow(g_app.hwndTest);
        }
    }
    // The process as it stands between screens, read where nothing is in flight: the painter is
    // stopped and has ended, so no picture is held or being painted (how many are at a given
    // moment depends on the machine's load). The painter is started again afterwards. ctest runs
    // this with MALLOC_MMAP_THRESHOLD_ set, so that Wine's Unix side gives a freed picture's memory
    // back at once rather than keeping some of it for later, which would scatter the readings by
    // whole pictures.
    static Reading SteadyReading() {
        StopPaintAhead();
        for (int wait = 0; wait < 3000 && RunningPainters() > 0; ++wait) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            Pump();
        }
        EXPECT_EQ(RunningPainters(), 0);
        Pump();
        const Reading reading = {ResidentKib(), LiveGdiObjects()};
        EXPECT_GT(reading.residentKib, 0);
        StartPaintAhead(g_app.hwndTest);
        PrepareAhead({g_app.playlist, g_app.playlistCount, g_app.playlistPos});
        return reading;
    }
    // Esc ends the run: the test window goes, the selection window returns, the mode is as it was.
    static void EndRun() {
        PostMessageW(g_app.hwndTest, WM_KEYDOWN, VK_ESCAPE, 0);
        Pump();
        EXPECT_EQ(g_app.hwndTest, nullptr);
        EXPECT_TRUE(IsWindowVisible(hwnd));
        EXPECT_EQ(ResolutionSwitched(), 0);
        EXPECT_EQ(ScreenMode(), modeAtStart);
    }
    // A START run back round the end of the list to the sound screen and forward again, then Esc.
    static void FullRun() {
        StartRun(0);
        for (WPARAM key : {VK_LEFT, VK_PRIOR, VK_RIGHT, VK_RIGHT, VK_RIGHT}) {
            PostMessageW(g_app.hwndTest, WM_KEYDOWN, key, 0);
            Pump();
            UpdateWindow(g_app.hwndTest);
            if (key == VK_LEFT) {
                EXPECT_EQ(g_app.playlist[g_app.playlistPos], g_cardModes[kModeCount - 1]);  // the last card's last screen
            }
        }
        EXPECT_EQ(g_app.playlistPos, 1);
        EndRun();
    }

    static HWND hwnd;
    static std::string modeAtStart;
};

HWND Endurance::hwnd = nullptr;
std::string Endurance::modeAtStart;

TEST_F(Endurance, LongAutoRunWithSoundGrowsNeitherGdiNorMemory) {
    const char* wanted = getenv("TAVRO_SOAK_SCREENS");
    const int screens = wanted != nullptr ? atoi(wanted) : 680;  // twenty passes; scripts/soak runs 10 000
    ASSERT_TRUE(WriteEdid(REG_BINARY, ReadTestData("edid/A_Hitachi_HEC0088_1BEACBAF42B1.bin")));
    StartRun(1);
    Step(2 * kModeCount);  // two passes settle caches, fonts and the sound device
    // Readings before, half-way and after: a leak grows both halves alike, while anything the run
    // settles into late grows the first half alone.
    Reading readings[3];
    readings[0] = SteadyReading();
    for (int half = 1; half <= 2; ++half) {
        const int target = screens * half / 2;
        for (int done = screens * (half - 1) / 2; done < target;) {
            const int chunk = target - done < 1000 ? target - done : 1000;
            Step(chunk);
            done += chunk;
            if (done < target) printf("soak: %d screens, resident %ld KiB\n", done, ResidentKib());
        }
        readings[half] = SteadyReading();
        printf("soak: %d screens, resident %ld KiB, live GDI objects %d (painter stopped)\n", target,
               readings[half].residentKib, readings[half].gdiObjects);
    }
    const long firstHalf = readings[1].residentKib - readings[0].residentKib;
    const long secondHalf = readings[2].residentKib - readings[1].residentKib;
    printf("soak: resident %ld KiB before, then %+ld KiB and %+ld KiB; GDI objects %d before, %d after\n",
           readings[0].residentKib, firstHalf, secondHalf, readings[0].gdiObjects, readings[2].gdiObjects);
    // A leak of one object per screen would add hundreds; allow a few for Wine's own.
    EXPECT_LE(readings[2].gdiObjects, readings[0].gdiObjects + 8);
    // Steady readings scatter by about 2 MiB. 3 MiB over 340 screens: a leak of about 9 KiB a screen
    // or more fails both halves.
    EXPECT_LE(firstHalf < secondHalf ? firstHalf : secondHalf, 3072)
        << "resident size grew by more than 3 MiB in each half of the run";
    EXPECT_EQ(g_app.autoMode, 1);
    EndRun();
}

TEST_F(Endurance, BadRegistryEdidsLeaveTheProgramWorking) {
    const std::vector<unsigned char> ibm = ReadTestData("edid/A_IBM_IBM24CB_B03976212B04.bin");
    const std::vector<unsigned char> hitachi = ReadTestData("edid/A_Hitachi_HEC0088_1BEACBAF42B1.bin");
    const std::vector<unsigned char> lenovo = ReadTestData("edid/D_Lenovo_LEN67B1_0CB2A39ED8CB.bin");
    ASSERT_EQ(ibm.size(), 128u);
    ASSERT_EQ(hitachi.size(), 256u);
    ASSERT_GE(lenovo.size(), 300u);
    struct Case {
        const char* name;
        DWORD type;
        std::vector<unsigned char> bytes;
    };
    const Case cases[] = {
        {"string of 128 bytes", REG_SZ, ibm},
        {"number", REG_DWORD, {0x00, 0x04, 0x00, 0x00}},
        {"0 bytes", REG_BINARY, {}},
        {"100 bytes", REG_BINARY, std::vector<unsigned char>(ibm.begin(), ibm.begin() + 100)},
        {"256 bytes", REG_BINARY, hitachi},  // a good EDID: the switch is tried and refused by Xvfb
        {"300 bytes", REG_BINARY, std::vector<unsigned char>(lenovo.begin(), lenovo.begin() + 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(WriteEdid(c.type, c.bytes));
        FullRun();
    }
}

TEST_F(Endurance, WithoutAnAudioDeviceTheSoundScreenStaysSilent) {
    if (GetEnvironmentVariableW(L"TAVRO_NO_AUDIO", nullptr, 0) == 0) {
        GTEST_SKIP() << "needs the audio drivers turned off, as tests/scripts/environment_faults.sh does";
    }
    EXPECT_EQ(waveOutGetNumDevs(), 0u);
    FullRun();
}

TEST_F(Endurance, ReadOnlyCurrentDirectorySkipsTheTraceFiles) {
    if (GetEnvironmentVariableW(L"TAVRO_READ_ONLY_DIRECTORY", nullptr, 0) == 0) {
        GTEST_SKIP() << "needs a read-only current directory, as tests/scripts/environment_faults.sh sets up";
    }
    WriteStartupTrace();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    EXPECT_FALSE(Present("debug.txt"));
    EXPECT_FALSE(Present("drawitem.txt"));
    FullRun();
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

}  // namespace
