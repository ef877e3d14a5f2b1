// Switching to the EDID's mode and back, inside a Wine virtual desktop of 1024 x 768 (the
// native_resolution_desktop script starts this executable there; elsewhere these tests skip).
#include <gtest/gtest.h>

#include <stdlib.h>

#include <exception>
#include <string>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "registry_setup.h"
#include "app/ui_fonts.h"
#include "testrun/crash_restore.h"
#include "monitor/native_resolution.h"
#include "testrun/paint_ahead.h"
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

HWND g_fittedWindow;

LRESULT CALLBACK FitMaximizedToNewMode(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_fittedWindow && call->message == WM_DISPLAYCHANGE &&
        !IsIconic(call->hwnd)) {
        SetWindowPos(call->hwnd, nullptr, 0, 0, LOWORD(call->lParam), HIWORD(call->lParam), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
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
    // The screens around prepared, as a run has them.
    const DWORD begin = GetTickCount();
    while (!(ScreenShowable(0) && ScreenShowable(2) && ScreenShowable(3)) && GetTickCount() - begin < 20000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    ASSERT_TRUE(ScreenShowable(2));
    // Windows fits a maximized window to the new mode as the mode changes; Wine's desktop does not,
    // so the test does it for Wine.
    g_fittedWindow = hwnd;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, FitMaximizedToNewMode, nullptr, GetCurrentThreadId());

    SendMessageW(hwnd, WM_ACTIVATEAPP, FALSE, 0);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(Screen(), "1024x768");
    EXPECT_TRUE(IsIconic(hwnd));
    // Minimized before the mode went back: no resize threw the prepared pictures away.
    EXPECT_TRUE(ScreenShowable(0) && ScreenShowable(2) && ScreenShowable(3));
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

// Ways the program can die during a run, each in a child process: this test executable started
// again, which switches the mode and then crashes. Exit codes of the children besides the crashes':
constexpr DWORD kEarlierFilterExit = 0xEA;         // the filter installed before the program's ended it
constexpr DWORD kCrashedWindowRanAgain = 0xC0DE;  // the crashed window procedure was called again
constexpr DWORD kChildSurvived = 0xA11FE;         // the crash returned
constexpr DWORD kNoChildExit = 0x7E57;            // the child did not start, or did not end within 30 s
// Wine raises a stack overflow with one page of stack left, whatever the thread's guarantee; the
// dispatch outgrows it, Wine ends that thread alone, and the process then ends with 0 (on Windows
// it ends with STATUS_STACK_OVERFLOW).
constexpr DWORD kWineStackOverflowExit = 0;

volatile int g_neverDepth = -1;       // a recursion depth the program never reaches
int* volatile g_nowhere = nullptr;    // an address the compiler cannot see is null
volatile bool g_windowCrashed = false;

// Recursion the compiler can neither drop nor turn into a loop: each frame is read after the call.
int Recurse(int depth) {
    volatile char frame[256];
    frame[0] = static_cast<char>(depth);
    if (depth == g_neverDepth) return 0;
    return Recurse(depth + 1) + frame[0];
}

void OverflowTheStack() {
    Recurse(0);
}

DWORD WINAPI WriteNowhere(void*) {
    *g_nowhere = 1;
    return 0;
}

void FaultOnAWorkerThread() {
    HANDLE worker = CreateThread(nullptr, 0, WriteNowhere, nullptr, 0, nullptr);
    WaitForSingleObject(worker, INFINITE);
}

// A window procedure that faults on WM_APP and tells whether it is called again afterwards: the
// mode change's WM_DISPLAYCHANGE must not reach the crashed window.
LRESULT CALLBACK CrashingWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DISPLAYCHANGE && g_windowCrashed) TerminateProcess(GetCurrentProcess(), kCrashedWindowRanAgain);
    if (message == WM_APP) {
        g_windowCrashed = true;
        *g_nowhere = 1;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void FaultInAWindowProcedure() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = CrashingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TavroCrashingWindow";
    RegisterClassW(&windowClass);
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, windowClass.hInstance, nullptr);
    SendMessageW(hwnd, WM_APP, 0, 0);
}

// Tells the parent the crash comes now, so that it can time how soon the mode is back.
const wchar_t kCrashNowEvent[] = L"TavroChildCrashesNow";

// ... and that the program's crash handling is done with it: the filter before the program's.
const wchar_t kCrashGoesOnEvent[] = L"TavroChildCrashGoesOn";

void Say(const wchar_t* event) {
    HANDLE handle = OpenEventW(EVENT_MODIFY_STATE, FALSE, event);
    if (handle != nullptr) SetEvent(handle);
}

void SayCrashNow() {
    Say(kCrashNowEvent);
}

LONG WINAPI SayCrashGoesOn(EXCEPTION_POINTERS*) {
    Say(kCrashGoesOnEvent);
    return EXCEPTION_CONTINUE_SEARCH;
}

// The program's own windows, as a run has them: the selection window and the test window, each
// with the controls and helper windows of its own; then a fault on the UI thread that owns them.
void FaultOnTheUiThreadOfTheProgramsWindows() {
    static int playlist[] = {0, 2};
    g_app.hInstance = GetModuleHandleW(nullptr);
    CreateUiFonts();
    RegisterSelectWindowClass(g_app.hInstance);
    ShowWindow(CreateSelectWindow(g_app.hInstance), SW_SHOW);
    g_app.playlist = playlist;
    g_app.playlistCount = 2;
    CreateTestWindow();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    SayCrashNow();
    *g_nowhere = 1;
}

DWORD WINAPI OverflowOnAWorker(void*) {
    OverflowTheStack();
    return 0;
}

// A stack overflow the program lives through (under Wine the overflowed worker alone ends, as a
// thread with a handler of its own for it would go on on Windows), a second switch, and then a
// crash, which must find the restore ready again.
void SurviveAnOverflowThenFaultAfterTheNextSwitch() {
    HANDLE worker = CreateThread(nullptr, 0, OverflowOnAWorker, nullptr, 0, nullptr);
    WaitForSingleObject(worker, INFINITE);
    WriteBinary(kWineMonitorParameters, L"EDID", RealEdid(kIbm1280x1024));  // Wine rewrote its keys
    SwitchToNativeResolution();
    SayCrashNow();
    FaultOnAWorkerThread();
}

void Abort() {
    abort();
}

void Terminate() {
    std::terminate();
}

void RaiseUnhandled() {
    RaiseException(0xE0000001, EXCEPTION_NONCONTINUABLE, 0, nullptr);
}

LONG WINAPI EarlierFilter(EXCEPTION_POINTERS*) {
    TerminateProcess(GetCurrentProcess(), kEarlierFilterExit);
    return EXCEPTION_CONTINUE_SEARCH;
}

struct ChildCrash {
    const char* name;
    void (*crash)();
    bool earlierFilter;  // a filter of someone else's was installed before the program's
    DWORD exitCode;      // what the child dies of
};

const ChildCrash kChildCrashes[] = {
    {"stack overflow on the UI thread", OverflowTheStack, false, kWineStackOverflowExit},
    {"access violation on a worker thread", FaultOnAWorkerThread, false, STATUS_ACCESS_VIOLATION},
    {"access violation in a window procedure", FaultInAWindowProcedure, false, STATUS_ACCESS_VIOLATION},
    {"abort()", Abort, false, 3},
    {"std::terminate()", Terminate, false, 3},
    {"an unhandled exception after an earlier filter", RaiseUnhandled, true, kEarlierFilterExit},
    {"access violation on the UI thread of the program's windows", FaultOnTheUiThreadOfTheProgramsWindows, false,
     STATUS_ACCESS_VIOLATION},
    {"a stack overflow lived through, then a fault after the next switch", SurviveAnOverflowThenFaultAfterTheNextSwitch,
     false, STATUS_ACCESS_VIOLATION},
};

// The milliseconds from `since` until the screen is 1024 x 768 again, polled while `child` lives
// and for a second after; -1 if it never is.
long MillisecondsUntilTheModeIsBack(HANDLE child, DWORD since) {
    DWORD ended = 0;
    for (;;) {
        if (Screen() == "1024x768") return static_cast<long>(GetTickCount() - since);
        if (ended == 0 && WaitForSingleObject(child, 0) == WAIT_OBJECT_0) ended = GetTickCount();
        if (ended != 0 && GetTickCount() - ended > 1000) return -1;
        Sleep(5);
    }
}

// Starts this executable again as a child that switches the mode and dies of kChildCrashes[index],
// with the program's crash handlers or without; returns the child's exit code, and in `restoreMs`
// the milliseconds from the child's word that the crash comes now (where it gives one) until the
// mode is back and the crash handling has let the crash go on (-1: the mode never came back).
DWORD RunCrashingChild(size_t index, bool handlers, long* restoreMs = nullptr) {
    wchar_t exe[MAX_PATH];
    if (GetModuleFileNameW(nullptr, exe, MAX_PATH) == 0) return kNoChildExit;
    std::wstring command = L"\"" + std::wstring(exe) +
                           L"\" --gtest_filter=ModeSwitch.ACrashPutsTheModeBack --gtest_catch_exceptions=0";
    // The child's own test lines go nowhere, so that this run's count of tests stays its own.
    SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
    HANDLE nowhere = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nowhere;
    PROCESS_INFORMATION child = {};
    HANDLE crashNow = CreateEventW(nullptr, TRUE, FALSE, kCrashNowEvent);
    HANDLE crashGoesOn = CreateEventW(nullptr, TRUE, FALSE, kCrashGoesOnEvent);
    SetEnvironmentVariableW(L"TAVRO_CRASH_CHILD", std::to_wstring(index).c_str());
    SetEnvironmentVariableW(L"TAVRO_CRASH_HANDLERS", handlers ? L"1" : L"0");
    const BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                                        nullptr, &startup, &child);
    SetEnvironmentVariableW(L"TAVRO_CRASH_CHILD", nullptr);
    SetEnvironmentVariableW(L"TAVRO_CRASH_HANDLERS", nullptr);
    CloseHandle(nowhere);
    if (!started) return kNoChildExit;
    const HANDLE waits[2] = {crashNow, child.hProcess};
    if (restoreMs != nullptr && WaitForMultipleObjects(2, waits, FALSE, 30000) == WAIT_OBJECT_0) {
        const DWORD since = GetTickCount();
        const HANDLE goesOnOrEnded[2] = {crashGoesOn, child.hProcess};
        WaitForMultipleObjects(2, goesOnOrEnded, FALSE, 30000);
        const long goesOnMs = static_cast<long>(GetTickCount() - since);
        const long backMs = MillisecondsUntilTheModeIsBack(child.hProcess, since);
        *restoreMs = backMs < 0 ? -1 : (backMs > goesOnMs ? backMs : goesOnMs);
    }
    CloseHandle(crashNow);
    CloseHandle(crashGoesOn);
    DWORD code = kNoChildExit;
    if (WaitForSingleObject(child.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(child.hProcess, &code);
    else TerminateProcess(child.hProcess, kNoChildExit);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return code;
}

// Wine's debugger reports a crash on the console rather than in a dialog nobody would close.
void NoCrashDialog() {
    const DWORD noDialog = 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", L"ShowCrashDialog", REG_DWORD, &noDialog,
                    sizeof(noDialog));
}

// A crash during a run, wherever it happens, puts the user's mode back before the process ends.
// The children of this test and the next run here too.
TEST_F(ModeSwitch, ACrashPutsTheModeBack) {
    wchar_t child[16];
    if (GetEnvironmentVariableW(L"TAVRO_CRASH_CHILD", child, 16) != 0) {
        const ChildCrash& crash = kChildCrashes[_wtoi(child)];
        PutEdid(kIbm1280x1024);
        SetErrorMode(SEM_NOGPFAULTERRORBOX);  // no debugger, no dialog: the process just ends
        SetUnhandledExceptionFilter(crash.earlierFilter ? EarlierFilter : SayCrashGoesOn);
        if (GetEnvironmentVariableW(L"TAVRO_CRASH_HANDLERS", child, 16) != 0 && child[0] == L'1') {
            RestoreResolutionOnCrash();
        }
        ASSERT_TRUE(SwitchToNativeResolution());
        crash.crash();
        TerminateProcess(GetCurrentProcess(), kChildSurvived);
    }
    NoCrashDialog();
    for (size_t i = 0; i < sizeof(kChildCrashes) / sizeof(kChildCrashes[0]); ++i) {
        SCOPED_TRACE(kChildCrashes[i].name);
        long restoreMs = -2;  // the child gave no word of its crash
        EXPECT_EQ(RunCrashingChild(i, true, &restoreMs), kChildCrashes[i].exitCode) << "the child did not die of its crash";
        if (restoreMs != -2) {
            EXPECT_GE(restoreMs, 0) << "the mode never came back";
            EXPECT_LE(restoreMs, 1000) << "the mode took that long to come back";
        }
        EXPECT_EQ(Screen(), "1024x768");
        if (Screen() != "1024x768") ChangeModeTo(1024, 768);
    }
}

// The control: the same crashes without the program's handlers leave the native mode behind, so
// that the test above shows the handlers' work and not Wine's.
TEST_F(ModeSwitch, WithoutTheCrashHandlersACrashLeavesTheModeSwitched) {
    NoCrashDialog();
    for (size_t i = 0; i < sizeof(kChildCrashes) / sizeof(kChildCrashes[0]); ++i) {
        SCOPED_TRACE(kChildCrashes[i].name);
        EXPECT_EQ(RunCrashingChild(i, false), kChildCrashes[i].exitCode) << "the child did not die of its crash";
        EXPECT_EQ(Screen(), "1280x1024");
        ChangeModeTo(1024, 768);
    }
}

}  // namespace
