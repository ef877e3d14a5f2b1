// The pacer of the motion screens and the painting of their frames in the test window.
#include "testrun/motion_run.h"

#include <dwmapi.h>
#include <math.h>
#include <mmsystem.h>

#include "testrun/window_ids.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

constexpr DWORD kDroppedShownMs = 1000;  // how long the status names late frames after one
constexpr int kMaxCovered = 4;

// The compositor's functions, looked up at run time so that the program starts where dwmapi.dll is missing.
typedef HRESULT(WINAPI* DwmFlushFn)();
typedef HRESULT(WINAPI* DwmIsCompositionEnabledFn)(BOOL*);
typedef HRESULT(WINAPI* DwmGetCompositionTimingInfoFn)(HWND, DWM_TIMING_INFO*);

struct Compositor {
    bool looked;
    DwmFlushFn flush;
    DwmIsCompositionEnabledFn isEnabled;
    DwmGetCompositionTimingInfoFn timingInfo;
};
Compositor g_compositor;

// Shared by the window and its pacer thread; the last of the two to let go frees it.
struct Pacer {
    LONG refs;
    HANDLE stop;     // set by the window: end now
    HANDLE painted;  // set by the window after each frame
    HWND hwnd;
    LPARAM generation;
    double period;   // seconds
    DwmFlushFn flush;  // null: pace on the timer from the start
};

struct MotionState {
    Pacer* pacer;
    HANDLE thread;
    LPARAM generation;
    int mode;
    int hz;
    long long frame;
    int dropped;
    DWORD droppedShownUntil;
    MotionFrame painted;
    RECT covered[kMaxCovered];
    int coveredCount;
};
MotionState g_motion = {nullptr, nullptr, 0, -1, kDefaultRefreshHz, 0, 0, 0, {0, kDefaultRefreshHz, 0}, {}, 0};

// An export of `module` as a plain pointer, to be cast to its own type.
void* Export(HMODULE module, const char* name) {
    return reinterpret_cast<void*>(GetProcAddress(module, name));
}

const Compositor& TheCompositor() {
    if (!g_compositor.looked) {
        g_compositor.looked = true;
        HMODULE dwm = LoadLibraryW(L"dwmapi.dll");  // kept for the life of the process
        if (dwm != nullptr) {
            g_compositor.flush = reinterpret_cast<DwmFlushFn>(Export(dwm, "DwmFlush"));
            g_compositor.isEnabled = reinterpret_cast<DwmIsCompositionEnabledFn>(Export(dwm, "DwmIsCompositionEnabled"));
            g_compositor.timingInfo =
                reinterpret_cast<DwmGetCompositionTimingInfoFn>(Export(dwm, "DwmGetCompositionTimingInfo"));
        }
    }
    return g_compositor;
}

bool Composing() {
    const Compositor& dwm = TheCompositor();
    BOOL enabled = FALSE;
    return dwm.flush != nullptr && dwm.isEnabled != nullptr && SUCCEEDED(dwm.isEnabled(&enabled)) && enabled;
}

long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

void Release(Pacer* pacer) {
    if (InterlockedDecrement(&pacer->refs) != 0) return;
    CloseHandle(pacer->stop);
    CloseHandle(pacer->painted);
    HeapFree(GetProcessHeap(), 0, pacer);
}

// Waits until `deadline` (performance-counter ticks) on `timer`; false when told to stop.
bool WaitUntil(const Pacer* pacer, HANDLE timer, long long deadline, double ticksPerSecond) {
    const long long left = deadline - Now();
    if (left > 0) {
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>(left * 1e7 / ticksPerSecond);  // relative, in 100 ns
        if (timer == nullptr || !SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
            return WaitForSingleObject(pacer->stop, static_cast<DWORD>(left * 1000 / ticksPerSecond)) == WAIT_TIMEOUT;
        }
        const HANDLE handles[2] = {pacer->stop, timer};
        return WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
    }
    return WaitForSingleObject(pacer->stop, 0) == WAIT_TIMEOUT;
}

DWORD WINAPI PacerMain(void* parameter) {
    Pacer* pacer = static_cast<Pacer*>(parameter);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const double ticksPerSecond = static_cast<double>(frequency.QuadPart);
    const double ticksPerPeriod = pacer->period * ticksPerSecond;
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    const bool coarseTimer = timer == nullptr;
    if (coarseTimer) {
        timer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
        timeBeginPeriod(1);
    }
    DwmFlushFn flush = pacer->flush;
    int quickReturns = 0;
    long long last = Now();
    long long deadline = last + static_cast<long long>(ticksPerPeriod);
    for (;;) {
        bool woken = false;
        if (flush != nullptr) {
            const long long before = Now();
            // A compositor that returns at once does not pace (Wine's does): the timer takes over.
            if (SUCCEEDED(flush()) && Now() - before >= ticksPerPeriod / 4) {
                woken = true;
                quickReturns = 0;
            } else if (++quickReturns >= 3) {
                flush = nullptr;
            }
        }
        if (!woken && !WaitUntil(pacer, timer, deadline, ticksPerSecond)) break;
        const long long now = Now();
        long long periods = llround((now - last) / ticksPerPeriod);
        if (periods < 1) periods = 1;
        last = now;
        while (deadline <= now) deadline += static_cast<long long>(ticksPerPeriod);  // stays on its grid
        if (!PostMessageW(pacer->hwnd, kMotionFrameMessage, static_cast<WPARAM>(periods), pacer->generation)) break;
        const HANDLE handles[2] = {pacer->stop, pacer->painted};
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0) break;
    }
    if (coarseTimer) timeEndPeriod(1);
    if (timer != nullptr) CloseHandle(timer);
    Release(pacer);
    return 0;
}

int ShownDropped() {
    return GetTickCount() - g_motion.droppedShownUntil < 0x80000000u ? 0 : g_motion.dropped;
}

MotionFrame CurrentFrame() {
    return {g_motion.frame, g_motion.hz, ShownDropped()};
}

void PaintChangedParts(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const MotionFrame now = CurrentFrame();
    RECT changed[kMaxChangedRects + 1];
    int count = MotionChangedRects(&client, g_motion.mode, g_motion.hz, g_motion.painted.frame, now.frame, changed);
    HDC hdc = GetDC(hwnd);
    if (now.dropped != g_motion.painted.dropped) changed[count++] = MotionStatusBox(hdc, &client);
    if (count > 0) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        for (int k = 0; k < count; ++k) {
            HRGN part = CreateRectRgnIndirect(&changed[k]);
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        }
        for (int k = 0; k < g_motion.coveredCount; ++k) {
            HRGN part = CreateRectRgnIndirect(&g_motion.covered[k]);
            CombineRgn(region, region, part, RGN_DIFF);
            DeleteObject(part);
        }
        SelectClipRgn(hdc, region);
        DrawMotionFrame(hdc, &client, g_motion.mode, now);
        SelectClipRgn(hdc, nullptr);
        DeleteObject(region);
        GdiFlush();
    }
    ReleaseDC(hwnd, hdc);
    g_motion.painted = now;
}

}  // namespace

int RefreshRateOf(HWND hwnd, double* periodSeconds) {
    double rate = 0;
    const Compositor& dwm = TheCompositor();
    DWM_TIMING_INFO timing = {};
    timing.cbSize = sizeof(timing);
    if (Composing() && dwm.timingInfo != nullptr && SUCCEEDED(dwm.timingInfo(nullptr, &timing)) &&
        timing.rateRefresh.uiDenominator != 0) {
        rate = static_cast<double>(timing.rateRefresh.uiNumerator) / timing.rateRefresh.uiDenominator;
    }
    if (rate < 1) {
        MONITORINFOEXW monitor = {};
        monitor.cbSize = sizeof(monitor);
        DEVMODEW mode = {};
        mode.dmSize = sizeof(mode);
        if (GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor) &&
            EnumDisplaySettingsW(monitor.szDevice, ENUM_CURRENT_SETTINGS, &mode) && mode.dmDisplayFrequency > 1) {
            rate = mode.dmDisplayFrequency;  // 0 and 1 stand for the hardware's default
        }
    }
    if (rate < 1 || rate > 1000) rate = kDefaultRefreshHz;
    *periodSeconds = 1 / rate;
    return static_cast<int>(rate + 0.5);
}

void StartMotion(HWND hwnd, int mode) {
    StopMotion();
    double period = 0;
    g_motion.mode = mode;
    g_motion.hz = RefreshRateOf(hwnd, &period);
    g_motion.frame = 0;
    g_motion.dropped = 0;
    g_motion.droppedShownUntil = GetTickCount();
    g_motion.painted = {-1, g_motion.hz, 0};  // nothing of this screen painted yet: the next paint is whole
    InvalidateRect(hwnd, nullptr, FALSE);

    Pacer* pacer = static_cast<Pacer*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Pacer)));
    if (pacer == nullptr) return;  // the first frame stays, unmoving
    pacer->refs = 2;
    pacer->stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    pacer->painted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    pacer->hwnd = hwnd;
    pacer->generation = ++g_motion.generation;
    pacer->period = period;
    pacer->flush = Composing() ? TheCompositor().flush : nullptr;
    HANDLE thread = pacer->stop != nullptr && pacer->painted != nullptr
                        ? CreateThread(nullptr, 0, PacerMain, pacer, 0, nullptr)
                        : nullptr;
    if (thread == nullptr) {
        pacer->refs = 1;
        Release(pacer);
        return;
    }
    g_motion.pacer = pacer;
    g_motion.thread = thread;
}

void StopMotion() {
    ++g_motion.generation;  // frames already posted are not painted
    if (g_motion.pacer == nullptr) return;
    SetEvent(g_motion.pacer->stop);
    // The pacer ends within one refresh; a compositor that never returns cannot hold the window.
    WaitForSingleObject(g_motion.thread, 1000);
    CloseHandle(g_motion.thread);
    Release(g_motion.pacer);
    g_motion.pacer = nullptr;
    g_motion.thread = nullptr;
    g_motion.coveredCount = 0;
}

void OnMotionFrame(HWND hwnd, WPARAM periods, LPARAM generation) {
    if (g_motion.pacer == nullptr || generation != g_motion.generation) return;
    g_motion.frame += static_cast<long long>(periods);
    if (periods > 1) {
        g_motion.dropped += static_cast<int>(periods - 1);
        g_motion.droppedShownUntil = GetTickCount() + kDroppedShownMs;
    }
    RECT pending;
    if (GetUpdateRect(hwnd, &pending, FALSE)) {
        UpdateWindow(hwnd);  // a whole frame is painted now
    } else if (g_motion.painted.frame >= 0) {
        PaintChangedParts(hwnd);
    }
    SetEvent(g_motion.pacer->painted);
}

COLORREF PaintMotionScreen(HDC hdc, const RECT* rc, int mode) {
    MotionFrame frame = {0, g_motion.hz, 0};
    if (mode == g_motion.mode) frame = CurrentFrame();
    DrawMotionFrame(hdc, rc, mode, frame);
    if (mode == g_motion.mode) g_motion.painted = frame;
    return GetPixel(hdc, rc->left + (rc->right - rc->left) / 2, rc->top + (rc->bottom - rc->top) / 2);
}

void SetMotionCovered(const RECT* covered, int count) {
    g_motion.coveredCount = 0;
    for (int k = 0; k < count && k < kMaxCovered; ++k) {
        if (!IsRectEmpty(&covered[k])) g_motion.covered[g_motion.coveredCount++] = covered[k];
    }
}

MotionProgress MotionNow() {
    return {g_motion.pacer != nullptr, g_motion.mode, g_motion.painted, g_motion.dropped};
}
