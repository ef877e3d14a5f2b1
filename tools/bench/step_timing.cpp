// Steps through a real test window, as the keyboard steps, with the clock running.
#include "tools/bench/step_timing.h"

#include <windows.h>
#include <psapi.h>

#include "app/app_state.h"
#include "testrun/catalogue.h"
#include "testrun/motion_run.h"
#include "testrun/overlay.h"
#include "testrun/paint_ahead.h"
#include "testrun/test_window.h"
#include "tools/bench/bench_clock.h"

namespace {

constexpr double kWaitLimitMs = 300000.0;  // the slowest screen at 7680 x 4320 takes about half a minute

SIZE_T g_peakWorkingSet = 0;  // the most seen while steps were timed
WNDPROC g_testWindowProc = nullptr;
double g_shownPaintEndMs = 0.0;  // when the last paint that showed its screen itself ended
std::vector<double>* g_frameTimes = nullptr;  // while motion is timed: each frame message's handling

// The test window's own procedure, with the clock read when a paint has put its screen on the glass.
LRESULT CALLBACK StampedTestWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const double start = BenchNowMs();
    const LRESULT result = CallWindowProcW(g_testWindowProc, hwnd, msg, wParam, lParam);
    if (msg == kMotionFrameMessage && g_frameTimes != nullptr) {
        GdiFlush();
        g_frameTimes->push_back(BenchNowMs() - start);
    }
    if (msg == WM_PAINT && ScreenShowable(g_app.playlist[g_app.playlistPos])) {
        GdiFlush();
        g_shownPaintEndMs = BenchNowMs();
    }
    return result;
}

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)) ? counters.WorkingSetSize : 0;
}

// Dispatches messages until `done` holds; 0 if it does not within the limit.
template <typename Done>
int PumpUntil(Done done) {
    const double start = BenchNowMs();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const SIZE_T now = WorkingSet();
        if (now > g_peakWorkingSet) g_peakWorkingSet = now;
        if (done()) return 1;
        if (BenchNowMs() - start > kWaitLimitMs) return 0;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

// Opens the test window on `playlist` and makes it `width` x `height`, whatever the screen's size.
HWND OpenWindow(std::vector<int>* playlist, int width, int height) {
    g_app.hInstance = GetModuleHandleW(nullptr);
    g_app.playlist = playlist->data();
    g_app.playlistCount = static_cast<int>(playlist->size());
    g_app.playlistPos = 0;
    g_app.autoMode = 0;
    CreateTestWindow();
    HWND hwnd = g_app.hwndTest;
    if (hwnd == nullptr) return nullptr;
    g_testWindowProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StampedTestWndProc)));
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return hwnd;
}

void CloseTestWindow(HWND hwnd) {
    DestroyWindow(hwnd);
    PumpUntil([] { return RunningPainters() == 0; });
    g_app.playlist = nullptr;
    g_app.playlistCount = 0;
}

int Entry(int pos, int count) {
    return ((pos % count) + count) % count;
}

// Posts the step to entry `to` and returns the milliseconds until a paint has shown its screen.
// What follows the paint in the same step (the sweep's start on the sound screen) is not counted.
double TimeOneStep(HWND hwnd, int to) {
    g_shownPaintEndMs = 0.0;
    const double start = BenchNowMs();
    PostMessageW(hwnd, WM_KEYDOWN, VK_RIGHT, 0);
    PumpUntil([hwnd, to] {
        return g_app.playlistPos == to && g_shownPaintEndMs > 0.0 && !GetUpdateRect(hwnd, nullptr, FALSE);
    });
    return g_shownPaintEndMs - start;
}

BenchFigure TimeStepsTo(HWND hwnd, int to, int runs, bool cold) {
    const int from = Entry(to - 1, g_app.playlistCount);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        GotoMode(hwnd, from);
        if (cold) {
            PumpUntil([] { return PaintAheadIdle() != 0; });
            ForgetPreparedScreens();
        } else {
            PumpUntil([to, from] { return ScreenShowable(g_app.playlist[to]) && ScreenShowable(g_app.playlist[from]); });
        }
        times.push_back(TimeOneStep(hwnd, to));
    }
    return SummariseTimes(times);
}

}  // namespace

int TimeSteps(const std::vector<int>& modes, int width, int height, int runs, std::vector<StepFigures>* figures,
              double* peakMb) {
    const SIZE_T before = WorkingSet();
    g_peakWorkingSet = before;
    std::vector<int> playlist = modes;
    HWND hwnd = OpenWindow(&playlist, width, height);
    if (hwnd == nullptr) return 0;
    for (int pos = 0; pos < static_cast<int>(playlist.size()); ++pos) {
        StepFigures f = {playlist[pos], {}, {}};
        f.prepared = TimeStepsTo(hwnd, pos, runs > 0 ? runs : 5, false);
        f.cold = TimeStepsTo(hwnd, pos, runs > 0 ? runs : 3, true);
        figures->push_back(f);
    }
    CloseTestWindow(hwnd);
    *peakMb = static_cast<double>(g_peakWorkingSet - before) / (1024.0 * 1024.0);
    return 1;
}

int TimeEscape(int mode, int width, int height, double waitMs, int runs, BenchFigure* figure) {
    std::vector<double> times;
    // At least three: one Esc is too easily a moment when the shared processors were busy.
    for (int run = 0; run < (runs > 3 ? runs : 3); ++run) {
        std::vector<int> playlist = {mode};
        HWND hwnd = OpenWindow(&playlist, width, height);
        if (hwnd == nullptr) return 0;
        PumpUntil([] { return PaintAheadIdle() != 0; });
        ForgetPreparedScreens();
        PrepareAhead({g_app.playlist, g_app.playlistCount, g_app.playlistPos});  // the painter starts on the screen again
        Sleep(static_cast<DWORD>(waitMs));
        const double start = BenchNowMs();
        PostMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpUntil([hwnd] { return !IsWindow(hwnd); });
        times.push_back(BenchNowMs() - start);
        CloseTestWindow(hwnd);
    }
    *figure = SummariseTimes(times);
    return 1;
}

int TimeMotion(int width, int height, double seconds, MotionFigures* figures) {
    std::vector<int> playlist = {kMovingBlocksMode, kFrameCheckMode};
    HWND hwnd = OpenWindow(&playlist, width, height);
    if (hwnd == nullptr) return 0;
    std::vector<double> times;
    int dropped = 0;
    for (int pos = 0; pos < 2; ++pos) {
        GotoMode(hwnd, pos);
        HideOSD(hwnd);
        PumpUntil([hwnd] { return !GetUpdateRect(hwnd, nullptr, FALSE); });
        g_frameTimes = &times;
        const double start = BenchNowMs();
        PumpUntil([start, seconds] { return BenchNowMs() - start >= seconds * 1000.0; });
        g_frameTimes = nullptr;
        dropped += MotionNow().dropped;
    }
    figures->hz = MotionNow().painted.hz;
    CloseTestWindow(hwnd);
    figures->frames = static_cast<int>(times.size());
    figures->medianMs = SummariseTimes(times).medianMs;
    figures->p99Ms = PercentileOf(times, 0.99);
    figures->dropped = dropped;
    return 1;
}
