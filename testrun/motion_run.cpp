// The pacer of the motion screens and the painting of their frames in the test window.
#include "testrun/motion_run.h"

#include <dwmapi.h>
#include <mmsystem.h>

#include "record/run_record.h"
#include "testrun/crash_restore.h"
#include "testrun/monitor_rate.h"
#include "testrun/pacer_loop.h"
#include "testrun/window_ids.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

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

// A monitor's own vertical blank, through the display driver's kernel interface in gdi32 (looked up
// at run time): for a monitor whose rate is not the compositor's.
typedef UINT KmtHandle;
struct KmtOpenAdapterFromHdc {
    HDC hdc;
    KmtHandle adapter;
    LUID adapterLuid;
    UINT vidPnSourceId;
};
struct KmtWaitForVerticalBlank {
    KmtHandle adapter;
    KmtHandle device;
    UINT vidPnSourceId;
};
struct KmtCloseAdapter {
    KmtHandle adapter;
};
typedef LONG(APIENTRY* KmtOpenAdapterFromHdcFn)(KmtOpenAdapterFromHdc*);
typedef LONG(APIENTRY* KmtWaitForVerticalBlankFn)(const KmtWaitForVerticalBlank*);
typedef LONG(APIENTRY* KmtCloseAdapterFn)(const KmtCloseAdapter*);

// What the pacer waits on for the next refresh of the tested monitor.
enum PaceSource { kPaceTimer, kPaceCompositor, kPaceVerticalBlank };

// Shared by the window and its pacer thread; the last of the two to let go frees it.
struct Pacer {
    LONG refs;
    HANDLE stop;     // set by the window: end now
    HANDLE painted;  // set by the window after each frame
    HWND hwnd;
    LPARAM generation;
    double period;   // seconds
    int source;      // a PaceSource
    DwmFlushFn flush;
    DwmGetCompositionTimingInfoFn timingInfo;  // its refresh count; null where it counts another monitor's refreshes
    KmtWaitForVerticalBlankFn waitVerticalBlank;
    KmtWaitForVerticalBlank verticalBlank;
    HANDLE timer;
    double ticksPerSecond;
    // The loop's counts, written on the pacer thread before each frame it posts and read by the
    // window while the pacer waits for that frame's paint (or after it has ended).
    PacerCounts counts;
};

struct MotionState {
    Pacer* pacer;
    HANDLE thread;
    LPARAM generation;
    int mode;
    double hz;
    long long frame;
    long long dropped;
    long long total;
    MotionFrame painted;
    RECT covered[kMaxCoveredRects];
    int coveredCount;
    int starts;
};
MotionState g_motion = {nullptr, nullptr, 0, -1, kDefaultRefreshHz, 0, 0, 0, {0, kDefaultRefreshHz, 0, 0}, {}, 0, 0};

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

// The rate the compositor composes at (the whole desktop's); 0 where it does not say.
double CompositorRate() {
    const Compositor& dwm = TheCompositor();
    DWM_TIMING_INFO timing = {};
    timing.cbSize = sizeof(timing);
    if (!Composing() || dwm.timingInfo == nullptr || FAILED(dwm.timingInfo(nullptr, &timing)) ||
        timing.rateRefresh.uiDenominator == 0) {
        return 0;
    }
    return static_cast<double>(timing.rateRefresh.uiNumerator) / timing.rateRefresh.uiDenominator;
}

// The active paths and modes of the display configuration, in `paths` and `modes` from the
// process heap (free both); false where Windows gives none. Asked again while a monitor coming or
// going between the two calls leaves the buffers short.
bool QueryActivePaths(DISPLAYCONFIG_PATH_INFO** paths, UINT32* pathCount, DISPLAYCONFIG_MODE_INFO** modes) {
    const HANDLE heap = GetProcessHeap();
    for (int attempt = 0; attempt < 4; ++attempt) {
        UINT32 modeCount = 0;
        if (GetDisplayConfigBufferSizes(QDC_ONLY_ACTIVE_PATHS, pathCount, &modeCount) != ERROR_SUCCESS || *pathCount == 0) {
            return false;
        }
        *paths = static_cast<DISPLAYCONFIG_PATH_INFO*>(HeapAlloc(heap, 0, *pathCount * sizeof(DISPLAYCONFIG_PATH_INFO)));
        *modes = static_cast<DISPLAYCONFIG_MODE_INFO*>(HeapAlloc(heap, 0, (modeCount + 1) * sizeof(DISPLAYCONFIG_MODE_INFO)));
        const LONG result = *paths != nullptr && *modes != nullptr
                                ? QueryDisplayConfig(QDC_ONLY_ACTIVE_PATHS, pathCount, *paths, &modeCount, *modes, nullptr)
                                : ERROR_NOT_ENOUGH_MEMORY;
        if (result == ERROR_SUCCESS) return true;
        HeapFree(heap, 0, *paths);
        HeapFree(heap, 0, *modes);
        *paths = nullptr;
        *modes = nullptr;
        if (result != ERROR_INSUFFICIENT_BUFFER) return false;
    }
    return false;
}

// The exact rate of the monitor named `device` ("\\.\DISPLAY2"), a fraction in the display
// configuration (59.94 Hz is 60000 / 1001); 0 where Windows does not say.
double DisplayConfigRate(const wchar_t* device) {
    DISPLAYCONFIG_PATH_INFO* paths = nullptr;
    DISPLAYCONFIG_MODE_INFO* modes = nullptr;
    UINT32 pathCount = 0;
    if (!QueryActivePaths(&paths, &pathCount, &modes)) return 0;
    double rate = 0;
    for (UINT32 k = 0; k < pathCount && rate == 0; ++k) {
        DISPLAYCONFIG_SOURCE_DEVICE_NAME source = {};
        source.header.type = DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME;
        source.header.size = sizeof(source);
        source.header.adapterId = paths[k].sourceInfo.adapterId;
        source.header.id = paths[k].sourceInfo.id;
        const DISPLAYCONFIG_RATIONAL& r = paths[k].targetInfo.refreshRate;
        if (DisplayConfigGetDeviceInfo(&source.header) == ERROR_SUCCESS &&
            lstrcmpiW(source.viewGdiDeviceName, device) == 0 && r.Denominator != 0) {
            rate = static_cast<double>(r.Numerator) / r.Denominator;
        }
    }
    HeapFree(GetProcessHeap(), 0, paths);
    HeapFree(GetProcessHeap(), 0, modes);
    return rate;
}

// The rate of the display mode, in whole hertz; 0 where the mode leaves it to the hardware.
double DisplayModeRate(const wchar_t* device) {
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    if (!EnumDisplaySettingsW(device, ENUM_CURRENT_SETTINGS, &mode) || mode.dmDisplayFrequency <= 1) return 0;
    return mode.dmDisplayFrequency;  // 0 and 1 stand for the hardware's default
}

double g_rateForTests;  // a monitor's rate that Wine cannot report, set through SetMonitorRateForTests

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

// The pacer's waits on Windows, for the pacer loop.
long long SeamNow(void*) {
    return Now();
}

int SeamFlush(void* context) {
    const Pacer* pacer = static_cast<const Pacer*>(context);
    if (pacer->source == kPaceVerticalBlank) return pacer->waitVerticalBlank(&pacer->verticalBlank) == 0;
    return SUCCEEDED(pacer->flush());
}

int SeamRefreshCount(void* context, unsigned long long* count) {
    const Pacer* pacer = static_cast<const Pacer*>(context);
    if (pacer->timingInfo == nullptr) return 0;
    DWM_TIMING_INFO timing = {};
    timing.cbSize = sizeof(timing);
    if (FAILED(pacer->timingInfo(nullptr, &timing)) || timing.cRefresh == 0) return 0;
    *count = timing.cRefresh;
    return 1;
}

// Waits until the performance counter reaches `deadline` on the waitable timer; 0 when told to stop.
int SeamWaitUntil(void* context, long long deadline) {
    const Pacer* pacer = static_cast<const Pacer*>(context);
    const long long left = deadline - Now();
    if (left <= 0) return WaitForSingleObject(pacer->stop, 0) == WAIT_TIMEOUT;
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(left * 1e7 / pacer->ticksPerSecond);  // relative, in 100 ns
    if (pacer->timer == nullptr || !SetWaitableTimer(pacer->timer, &due, 0, nullptr, nullptr, FALSE)) {
        return WaitForSingleObject(pacer->stop, static_cast<DWORD>(left * 1000 / pacer->ticksPerSecond)) == WAIT_TIMEOUT;
    }
    const HANDLE handles[2] = {pacer->stop, pacer->timer};
    return WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
}

// A frame is due: the window paints it; the pacer goes on once it is painted.
int SeamFrame(void* context, long long advance) {
    const Pacer* pacer = static_cast<const Pacer*>(context);
    if (!PostMessageW(pacer->hwnd, kMotionFrameMessage, static_cast<WPARAM>(advance), pacer->generation)) return 0;
    const HANDLE handles[2] = {pacer->stop, pacer->painted};
    return WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0;
}

DWORD WINAPI PacerMain(void* parameter) {
    ReserveCrashStack();
    Pacer* pacer = static_cast<Pacer*>(parameter);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    pacer->ticksPerSecond = static_cast<double>(frequency.QuadPart);
    pacer->timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    const bool coarseTimer = pacer->timer == nullptr;
    if (coarseTimer) {
        pacer->timer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
        timeBeginPeriod(1);
    }
    const PacerSeam seam = {pacer, SeamNow, pacer->source == kPaceTimer ? nullptr : SeamFlush, SeamRefreshCount,
                            SeamWaitUntil, SeamFrame};
    RunPacerLoop(&seam, pacer->period * pacer->ticksPerSecond, frequency.QuadPart, &pacer->counts);
    if (coarseTimer) timeEndPeriod(1);
    if (pacer->timer != nullptr) CloseHandle(pacer->timer);
    Release(pacer);
    return 0;
}

// The tested monitor's own vertical blank, where the driver's interface has it; false otherwise.
bool OpenVerticalBlank(HWND hwnd, Pacer* pacer) {
    HMODULE gdi = GetModuleHandleW(L"gdi32.dll");
    const auto open = reinterpret_cast<KmtOpenAdapterFromHdcFn>(Export(gdi, "D3DKMTOpenAdapterFromHdc"));
    const auto wait = reinterpret_cast<KmtWaitForVerticalBlankFn>(Export(gdi, "D3DKMTWaitForVerticalBlankEvent"));
    if (open == nullptr || wait == nullptr) return false;
    MONITORINFOEXW monitor = {};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor)) return false;
    HDC dc = CreateDCW(monitor.szDevice, monitor.szDevice, nullptr, nullptr);
    if (dc == nullptr) return false;
    KmtOpenAdapterFromHdc adapter = {};
    adapter.hdc = dc;
    const bool opened = open(&adapter) == 0;
    DeleteDC(dc);
    if (!opened) return false;
    pacer->waitVerticalBlank = wait;
    pacer->verticalBlank = {adapter.adapter, 0, adapter.vidPnSourceId};
    return true;
}

void CloseVerticalBlank(const Pacer* pacer) {
    if (pacer->waitVerticalBlank == nullptr) return;
    const auto close = reinterpret_cast<KmtCloseAdapterFn>(Export(GetModuleHandleW(L"gdi32.dll"), "D3DKMTCloseAdapter"));
    const KmtCloseAdapter adapter = {pacer->verticalBlank.adapter};
    if (close != nullptr) close(&adapter);
}

// What the pacer waits on: the compositor where it composes at the tested monitor's rate (with its
// refresh count); that monitor's own vertical blank where the compositor's rate is another
// monitor's; the timer at the monitor's rate where neither is there.
void ChoosePaceSource(HWND hwnd, double hz, Pacer* pacer) {
    pacer->source = kPaceTimer;
    if (!Composing()) return;
    const double composed = CompositorRate();
    if (composed == 0 || SameRate(composed, hz)) {
        pacer->source = kPaceCompositor;
        pacer->flush = TheCompositor().flush;
        pacer->timingInfo = composed != 0 ? TheCompositor().timingInfo : nullptr;
    } else if (OpenVerticalBlank(hwnd, pacer)) {
        pacer->source = kPaceVerticalBlank;
    }
}

MotionFrame CurrentFrame() {
    return {g_motion.frame, g_motion.hz, g_motion.dropped, g_motion.total};
}

void PaintChangedParts(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    const MotionFrame now = CurrentFrame();
    RECT changed[kMaxChangedRects + 1];
    int count = MotionChangedRects(&client, g_motion.mode, g_motion.hz, g_motion.painted.frame, now.frame, changed);
    HDC hdc = GetDC(hwnd);
    const bool statusChanged = now.dropped != g_motion.painted.dropped || (now.dropped > 0 && now.total != g_motion.painted.total);
    if (statusChanged) changed[count++] = MotionStatusBox(&client);
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

double KnownRefreshRate(HWND hwnd) {
    MONITORINFOEXW monitor = {};
    monitor.cbSize = sizeof(monitor);
    const bool known = GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor) != 0;
    double rate = g_rateForTests;
    if (rate == 0) {
        RateReports reports = {};
        if (known) reports.displayConfig = DisplayConfigRate(monitor.szDevice);
        if (known && reports.displayConfig == 0) reports.displayMode = DisplayModeRate(monitor.szDevice);
        if (reports.displayConfig == 0) reports.compositor = CompositorRate();
        rate = ChooseMonitorRate(reports);
    }
    return rate >= 1 && rate <= 1000 ? rate : 0;
}

double RefreshRateOf(HWND hwnd, double* periodSeconds) {
    double rate = KnownRefreshRate(hwnd);
    if (rate == 0) rate = kDefaultRefreshHz;
    *periodSeconds = 1 / rate;
    return rate;
}

void SetMonitorRateForTests(double hz) {
    g_rateForTests = hz;
}

void StartMotion(HWND hwnd, int mode) {
    StopMotion();
    double period = 0;
    g_motion.mode = mode;
    g_motion.hz = RefreshRateOf(hwnd, &period);
    g_motion.frame = 0;
    g_motion.dropped = 0;
    g_motion.total = 0;
    g_motion.painted = {-1, g_motion.hz, 0, 0};  // nothing of this screen painted yet: the next paint is whole
    InvalidateRect(hwnd, nullptr, FALSE);
    if (!IsWindowVisible(hwnd)) return;  // hidden, as on its way to being destroyed: no pacer for it

    Pacer* pacer = static_cast<Pacer*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Pacer)));
    if (pacer == nullptr) return;  // the first frame stays, unmoving
    pacer->refs = 2;
    pacer->stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    pacer->painted = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    pacer->hwnd = hwnd;
    pacer->generation = ++g_motion.generation;
    pacer->period = period;
    ChoosePaceSource(hwnd, g_motion.hz, pacer);
    HANDLE thread = pacer->stop != nullptr && pacer->painted != nullptr
                        ? CreateThread(nullptr, 0, PacerMain, pacer, 0, nullptr)
                        : nullptr;
    if (thread == nullptr) {
        CloseVerticalBlank(pacer);
        pacer->refs = 1;
        Release(pacer);
        return;
    }
    g_motion.pacer = pacer;
    g_motion.thread = thread;
    ++g_motion.starts;
}

void StopMotion() {
    ++g_motion.generation;  // frames already posted are not painted
    if (g_motion.pacer == nullptr) return;
    SetEvent(g_motion.pacer->stop);
    // The pacer ends within one refresh; a compositor that never returns cannot hold the window.
    const bool ended = WaitForSingleObject(g_motion.thread, 1000) == WAIT_OBJECT_0;
    CloseHandle(g_motion.thread);
    if (ended) CloseVerticalBlank(g_motion.pacer);
    RecordMotionFigures(g_motion.mode, g_motion.hz, g_motion.total, g_motion.dropped);
    Release(g_motion.pacer);
    g_motion.pacer = nullptr;
    g_motion.thread = nullptr;
    g_motion.coveredCount = 0;
}

void OnMotionFrame(HWND hwnd, WPARAM advance, LPARAM generation) {
    if (g_motion.pacer == nullptr || generation != g_motion.generation) return;
    g_motion.frame += static_cast<long long>(advance);
    g_motion.total = g_motion.pacer->counts.frames;
    g_motion.dropped = g_motion.pacer->counts.dropped;
    RECT pending;
    if (GetUpdateRect(hwnd, &pending, FALSE)) {
        UpdateWindow(hwnd);  // a whole frame is painted now
    } else if (g_motion.painted.frame >= 0) {
        PaintChangedParts(hwnd);
    }
    SetEvent(g_motion.pacer->painted);
}

COLORREF PaintMotionScreen(HDC hdc, const RECT* rc, int mode) {
    MotionFrame frame = {0, g_motion.hz, 0, 0};
    if (mode == g_motion.mode) frame = CurrentFrame();
    DrawMotionFrame(hdc, rc, mode, frame);
    if (mode == g_motion.mode) g_motion.painted = frame;
    return GetPixel(hdc, rc->left + (rc->right - rc->left) / 2, rc->top + (rc->bottom - rc->top) / 2);
}

void SetMotionCovered(const RECT* covered, int count) {
    g_motion.coveredCount = 0;
    for (int k = 0; k < count && g_motion.coveredCount < kMaxCoveredRects; ++k) {
        if (!IsRectEmpty(&covered[k])) g_motion.covered[g_motion.coveredCount++] = covered[k];  // only what is shown
    }
}

MotionProgress MotionNow() {
    return {g_motion.pacer != nullptr, g_motion.mode, g_motion.painted, g_motion.dropped, g_motion.starts};
}
