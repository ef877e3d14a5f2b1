// The variable-refresh view: its child window, the loop's thread with its high-resolution timer,
// and the frames drawn on the device from the backdrop, the block, the rates' lines and the panels.
#include "testrun/vrr_view.h"

#include <mmsystem.h>
#include <stdio.h>

#include <vector>

#include "app/app_state.h"
#include "app/format.h"
#include "hdr/d3d_motion_frame.h"
#include "hdr/frame_number.h"
#include "hdr/view_window.h"
#include "monitor/colour_facts.h"
#include "patterns/offscreen.h"
#include "record/run_record.h"
#include "testrun/catalogue.h"
#include "testrun/crash_restore.h"
#include "testrun/motion_run.h"
#include "testrun/vrr_frame.h"
#include "testrun/vrr_texts.h"
#include "testrun/window_ids.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

const wchar_t kVrrViewClass[] = L"TAVROVrrView";
constexpr int kKeyRoom = 32;
constexpr int kProbeRoom = 64;
constexpr int kTextLines = 3;
constexpr int kTextChars = 192;
constexpr double kTextRefreshSeconds = 0.25;  // the presented rate changes each frame: 4 readings a second can be read
constexpr double kSpinSeconds = 0.0015;        // the last stretch before a deadline is waited out by yielding

// One panel of the test window, as its pixels.
struct Panel {
    RECT rect;
    std::vector<uint32_t> pixels;
};

// The rates' lines, drawn by GDI on the loop's thread into a picture of their own.
struct TextPatch {
    Offscreen canvas;
    HFONT font;
    HGDIOBJ oldFont;
    int lineHeight;
    wchar_t lines[kTextLines][kTextChars];
    double drawnAt;  // screen time of the last drawing; negative: never
};

struct View {
    HWND window;
    int mode;
    int visiting;  // a visit was started and is yet to be recorded
    VrrScreen screen;
    VrrRange range;
    int claimed;
    Presenter presenter;
    int width, height;
    HANDLE thread;
    HANDLE stop;
    HANDLE timer;
    int fineTimer;  // the timer is a high-resolution one
    int periodRaised;  // timeBeginPeriod(1) was called for the plain timer
    int loopFailed;    // the loop stopped by itself, or could not start: the visit used no VRR
    long long ticksPerSecond;
    VrrSchedule schedule;
    VrrRecord record;
    ScrollBackdrop backdrop;
    std::vector<uint32_t> backdropPixels;
    std::vector<uint32_t> block;
    TextPatch text;
    std::vector<uint32_t> readBack;
    std::vector<Panel> panels;   // the loop's copy of the test window's panels
    unsigned panelsGeneration;   // the hand-over it was copied from
};

View g_view;
PresenterFailure g_failure = kPresenterOk;
ULONG g_lastRelease;

// What the UI thread and the loop share: the keys, the panels, the progress and the probe.
CRITICAL_SECTION g_lock;
bool g_lockMade;
VrrKey g_keys[kKeyRoom];
int g_keyCount;
std::vector<Panel> g_panels;
unsigned g_panelsGeneration;  // counts each hand-over of g_panels
VrrViewProgress g_progress;
int g_probeLeft;
uint32_t g_probed[kProbeRoom];
int g_probedCount;

struct Locked {
    Locked() {
        if (!g_lockMade) {
            InitializeCriticalSection(&g_lock);
            g_lockMade = true;
        }
        EnterCriticalSection(&g_lock);
    }
    ~Locked() { LeaveCriticalSection(&g_lock); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
};

HWND CreateView(HWND parent, int width, int height) {
    return CreateViewWindow(parent, kVrrViewClass, width, height);
}

// ---- the rates' lines ----

bool MakeTextPatch(TextPatch* t, int screenWidth, int screenHeight, int left, int top) {
    *t = {};
    t->drawnAt = -1;
    t->lineHeight = screenHeight / 36 > 12 ? screenHeight / 36 : 12;
    const int width = screenWidth - left < screenWidth * 3 / 4 ? screenWidth - left : screenWidth * 3 / 4;
    int height = kTextLines * t->lineHeight;
    if (top + height > screenHeight) height = screenHeight - top;
    if (width <= 0 || height <= 0 || !CreateOffscreen(width, height, &t->canvas)) {
        *t = {};
        return false;
    }
    HDC dc = t->canvas.dc;
    t->font = CreateFontW(-(t->lineHeight * 3 / 4), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, L"Segoe UI");
    if (t->font != nullptr) t->oldFont = SelectObject(dc, t->font);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(0, 0, 0));
    return true;
}

void FreeTextPatch(TextPatch* t) {
    if (t->canvas.dc == nullptr) return;
    if (t->font != nullptr) {
        SelectObject(t->canvas.dc, t->oldFont);
        DeleteObject(t->font);
    }
    DeleteOffscreen(&t->canvas);
    *t = {};
}

// A rate with one decimal.
void RateText(double hz, wchar_t* out, int size) {
    _snwprintf(out, size, L"%.1f", hz);
    out[size - 1] = L'\0';
}

void ComposeLines(const View& v, const VrrFrame& frame, wchar_t lines[kTextLines][kTextChars]) {
    wchar_t a[32], b[32];
    if (v.screen == kVrrScreenSweep) {
        RateText(frame.targetHz, a, 32);
        FormatText(lines[0], kTextChars, VrrText(frame.held ? VT_TARGET_HELD_FMT : VT_TARGET_FMT), a);
    } else {
        RateText(v.range.lowHz, a, 32);
        RateText(v.range.highHz, b, 32);
        FormatText(lines[0], kTextChars, VrrText(VT_FLICKER_FMT), a, b);
    }
    if (frame.presentedHz > 0) {
        RateText(frame.presentedHz, a, 32);
        FormatText(lines[1], kTextChars, VrrText(VT_PRESENTED_FMT), a);
    } else {
        FormatText(lines[1], kTextChars, L"%ls", VrrText(VT_PRESENTED_MEASURING));
    }
    RateText(v.range.lowHz, a, 32);
    RateText(v.range.highHz, b, 32);
    if (v.claimed) {
        FormatText(lines[2], kTextChars, VrrText(VT_RANGE_FMT), a, b);
    } else {
        FormatText(lines[2], kTextChars, VrrText(VT_RANGE_NONE_FMT), a);
    }
}

// Draws the lines anew where they changed; the presented rate only a few times a second.
void UpdateText(View* v, const VrrFrame& frame) {
    TextPatch* t = &v->text;
    const Offscreen& c = t->canvas;
    if (c.dc == nullptr) return;
    const bool due = t->drawnAt < 0 || frame.seconds - t->drawnAt >= kTextRefreshSeconds;
    wchar_t lines[kTextLines][kTextChars];
    ComposeLines(*v, frame, lines);
    if (!due && wcscmp(lines[0], t->lines[0]) == 0) return;
    if (!due) wcscpy(lines[1], t->lines[1]);  // the target moved (a key): the rate stays until it is due
    memcpy(t->lines, lines, sizeof(lines));
    t->drawnAt = due ? frame.seconds : t->drawnAt;
    const RECT all = {0, 0, c.width, c.height};
    FillRect(c.dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    // Dim on the flicker screen: bright lines would draw the eye from the grey patches.
    SetTextColor(c.dc, v->screen == kVrrScreenSweep ? RGB(255, 255, 255) : RGB(102, 102, 102));
    for (int k = 0; k < kTextLines; ++k) {
        RECT line = {0, k * t->lineHeight, c.width, (k + 1) * t->lineHeight};
        DrawTextW(c.dc, t->lines[k], -1, &line, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    GdiFlush();
    for (int p = 0; p < c.width * c.height; ++p) c.bits[p] |= 0xFF000000u;  // GDI leaves alpha at 0
}

// ---- the loop's seam ----

long long SeamNow(void*) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

int Stopped(const View* v) { return WaitForSingleObject(v->stop, 0) == WAIT_OBJECT_0; }

int SeamWaitUntil(void* context, long long deadline) {
    View* v = static_cast<View*>(context);
    for (;;) {
        if (Stopped(v)) return 0;
        const double left = static_cast<double>(deadline - SeamNow(nullptr)) / static_cast<double>(v->ticksPerSecond);
        if (left <= 0) return 1;
        if (left <= kSpinSeconds) {
            SwitchToThread();
            continue;
        }
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>((left - kSpinSeconds / 2) * 1e7);  // relative, in 100 ns
        if (!SetWaitableTimer(v->timer, &due, 0, nullptr, nullptr, FALSE)) return Stopped(v) ? 0 : 1;
        const HANDLE handles[2] = {v->stop, v->timer};
        if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0) return 0;
    }
}

VrrKey SeamNextKey(void*) {
    Locked lock;
    if (g_keyCount == 0) return kVrrKeyNone;
    const VrrKey key = g_keys[0];
    memmove(g_keys, g_keys + 1, sizeof(VrrKey) * (g_keyCount - 1));
    --g_keyCount;
    return key;
}

bool MakeBackdrop(View* v) {
    FreeScrollBackdrop(&v->backdrop);
    const int stride = VrrBackdropWidth(v->screen, v->width);
    return MakeScrollBackdrop(&v->presenter, v->backdropPixels.data(), stride, v->height, &v->backdrop) != 0;
}

int DrawBackdrop(View* v, const VrrFrame* frame) {
    const int offset = v->screen == kVrrScreenSweep ? VrrScrollOffset(frame->seconds) : 0;
    if (v->backdrop.texture == nullptr || v->backdrop.recreations != v->presenter.recreations) {
        if (!MakeBackdrop(v)) return 0;
    }
    return DrawScrolled(&v->presenter, &v->backdrop, offset);
}

int SeamDraw(void* context, const VrrFrame* frame) {
    View* v = static_cast<View*>(context);
    if (Stopped(v) || !DrawBackdrop(v, frame)) return 0;
    const VrrLayout l = LayOutVrrScreen(v->width, v->height);
    UpdateText(v, *frame);
    PixelPatch patches[2 + kMaxCoveredRects + 1];
    int count = 0;
    if (v->screen == kVrrScreenSweep && l.blockTop + l.blockSide <= v->height) {
        patches[count++] = {VrrBlockLeft(v->width, l.blockSide, frame->seconds), l.blockTop, l.blockSide, l.blockSide,
                            v->block.data()};
    }
    const Offscreen& text = v->text.canvas;
    if (text.dc != nullptr) patches[count++] = {l.textLeft, l.textTop, text.width, text.height, text.bits};
    // The panels are copied out when the UI thread has handed over new ones, and drawn with the lock
    // given back: Direct3D may need the window's thread, which may be waiting for the lock.
    {
        Locked lock;
        if (v->panelsGeneration != g_panelsGeneration) {
            v->panels = g_panels;
            v->panelsGeneration = g_panelsGeneration;
        }
    }
    for (const Panel& panel : v->panels) {
        if (count == ARRAYSIZE(patches)) break;
        patches[count++] = {panel.rect.left, panel.rect.top, panel.rect.right - panel.rect.left,
                            panel.rect.bottom - panel.rect.top, panel.pixels.data()};
    }
    if (!DrawPatches(&v->presenter, patches, count)) return 0;
    if (!DrawFrameNumber(&v->presenter, static_cast<uint32_t>(frame->number))) return 0;
    bool probe;
    {
        Locked lock;
        probe = g_probeLeft > 0;
        g_progress.targetHz = frame->targetHz;
        g_progress.presentedHz = frame->presentedHz;
        g_progress.held = frame->held;
        g_progress.lastNumber = frame->number;
    }
    if (probe && ReadBackPixels(&v->presenter, v->readBack.data())) {
        uint32_t number = 0;
        Locked lock;
        if (DecodeFrameNumber(v->readBack.data(), &number) && g_probedCount < kProbeRoom) g_probed[g_probedCount++] = number;
        --g_probeLeft;
    }
    return 1;
}

int SeamPresent(void* context) {
    View* v = static_cast<View*>(context);
    // A device made anew lost this frame; the next one is drawn on the new device.
    if (!PresentNow(&v->presenter) && v->presenter.failure != kPresenterFrameLost) return 0;
    Locked lock;
    ++g_progress.presents;
    g_progress.tearing = v->presenter.tearing;  // a device made anew asked DXGI again
    return 1;
}

DWORD WINAPI VrrLoopMain(void* parameter) {
    ReserveCrashStack();
    View* v = static_cast<View*>(parameter);
    const VrrLayout l = LayOutVrrScreen(v->width, v->height);
    MakeTextPatch(&v->text, v->width, v->height, l.textLeft, l.textTop);
    const VrrSeam seam = {v, SeamNow, SeamWaitUntil, SeamNextKey, SeamDraw, SeamPresent};
    RunVrrLoop(&seam, &v->schedule, v->ticksPerSecond, &v->record);
    FreeTextPatch(&v->text);
    const bool stopped = WaitForSingleObject(v->stop, 0) == WAIT_OBJECT_0;
    {
        Locked lock;
        g_progress.running = 0;
        if (!stopped) g_progress.failure = v->presenter.failure != kPresenterOk ? v->presenter.failure : kPresenterPresentFailed;
    }
    // Frames stopped coming without being asked to: the test window takes the view away.
    if (!stopped) PostMessageW(GetParent(v->window), kVrrLoopEndedMessage, 0, 0);
    return 0;
}

// Waits for the loop's thread to end, handling the messages DXGI may send to the view's window
// (owned by this thread) meanwhile.
void JoinLoop(HANDLE thread) {
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

bool StartLoop(View* v) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    v->ticksPerSecond = frequency.QuadPart;
    v->timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    v->fineTimer = v->timer != nullptr;
    if (v->timer == nullptr) v->timer = CreateWaitableTimerW(nullptr, FALSE, nullptr);  // before Windows 10 1803
    v->stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (v->timer == nullptr || v->stop == nullptr) return false;
    if (!v->fineTimer) v->periodRaised = timeBeginPeriod(1) == TIMERR_NOERROR;
    v->thread = CreateThread(nullptr, 0, VrrLoopMain, v, 0, nullptr);
    return v->thread != nullptr;
}

void CloseHandleOf(HANDLE* handle) {
    if (*handle != nullptr) CloseHandle(*handle);
    *handle = nullptr;
}

}  // namespace

void StartVrrView(HWND parent, int mode) {
    StopVrrView();
    if (!IsVrrMode(mode) || !IsWindowVisible(parent) || IsIconic(parent)) return;
    RECT client;
    GetClientRect(parent, &client);
    View* v = &g_view;
    v->width = client.right;
    v->height = client.bottom;
    if (v->width <= 0 || v->height <= 0) return;
    v->mode = mode;
    v->visiting = 1;
    v->screen = mode == kVrrSweepMode ? kVrrScreenSweep : kVrrScreenFlicker;
    const ColourFacts* facts = CurrentColourFacts();
    const RefreshRange claimed = facts->hasClaims ? ClaimedVrrRange(facts->claims) : RefreshRange{};
    v->claimed = claimed.present;
    v->range = VrrRangeFor(claimed, KnownRefreshRate(parent));
    StartVrrSchedule(&v->schedule, v->screen, v->range);
    g_failure = kPresenterOk;
    {
        Locked lock;
        g_keyCount = 0;
        g_progress = {};
        g_progress.mode = mode;
        g_progress.lowHz = v->range.lowHz;
        g_progress.highHz = v->range.highHz;
        g_progress.claimed = v->claimed;
    }
    v->window = CreateView(parent, v->width, v->height);
    const PresenterOptions options = {kPresenterBgra8, 1};
    if (v->window == nullptr || !StartPresenterWith(v->window, v->width, v->height, &options, &v->presenter)) {
        g_failure = v->window == nullptr ? kPresenterNoSwapChain : v->presenter.failure;
        Locked lock;
        g_progress.failure = g_failure;
        return;  // StopVrrView releases what was made
    }
    v->backdropPixels.resize(static_cast<size_t>(VrrBackdropWidth(v->screen, v->width)) * v->height);
    FillVrrBackdrop(v->screen, v->width, v->height, v->backdropPixels.data());
    const VrrLayout l = LayOutVrrScreen(v->width, v->height);
    v->block.assign(static_cast<size_t>(l.blockSide) * l.blockSide, kVrrWhite);
    v->readBack.resize(static_cast<size_t>(v->width) * v->height);
    {
        Locked lock;
        g_progress.tearing = v->presenter.tearing;
        g_progress.running = 1;
    }
    SetWindowPos(v->window, HWND_TOP, 0, 0, v->width, v->height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!StartLoop(v)) EndFailedVrrView();
}

void EndFailedVrrView() {
    View* v = &g_view;
    if (!v->visiting || v->loopFailed) return;
    {
        Locked lock;
        if (g_progress.running && v->thread != nullptr) return;  // still presenting
        g_progress.running = 0;
        if (g_progress.failure == kPresenterOk) g_progress.failure = kPresenterPresentFailed;
        g_failure = g_progress.failure;
    }
    v->loopFailed = 1;
    if (v->thread != nullptr) {
        JoinLoop(v->thread);
        CloseHandleOf(&v->thread);
    }
    // The still picture beneath shows again, with the line that says why.
    if (v->window != nullptr) {
        HWND parent = GetParent(v->window);
        ShowWindow(v->window, SW_HIDE);
        InvalidateRect(parent, nullptr, FALSE);
    }
}

void StopVrrView() {
    View* v = &g_view;
    if (v->thread != nullptr) {
        SetEvent(v->stop);
        JoinLoop(v->thread);
        CloseHandleOf(&v->thread);
    }
    if (v->periodRaised) timeEndPeriod(1);
    CloseHandleOf(&v->timer);
    CloseHandleOf(&v->stop);
    if (v->visiting) {
        // Whether the visit presented frames does not matter: one stepped past at once says as
        // much of the machine as one watched for a minute.
        const int variableRefresh = v->presenter.tearing == kTearingAllowed && !v->loopFailed;
        RecordVrrFigures(v->mode, variableRefresh, v->record);
    }
    FreeScrollBackdrop(&v->backdrop);
    if (v->presenter.device != nullptr || v->presenter.d3d11 != nullptr) g_lastRelease = StopPresenter(&v->presenter);
    if (v->window != nullptr && IsWindow(v->window)) DestroyWindow(v->window);
    *v = View{};
    Locked lock;
    g_panels.clear();
    g_progress.running = 0;
}

int VrrViewKey(WPARAM key) {
    VrrKey vrrKey = kVrrKeyNone;
    if (key == VK_OEM_PLUS || key == VK_ADD) vrrKey = kVrrKeyFaster;
    if (key == VK_OEM_MINUS || key == VK_SUBTRACT) vrrKey = kVrrKeySlower;
    if (key == VK_SPACE) vrrKey = kVrrKeySweep;
    // Only the sweep takes them (its still picture too, which says Space does not step there);
    // on the flicker screen they do what they do on every screen.
    if (vrrKey == kVrrKeyNone || !g_view.visiting || g_view.mode != kVrrSweepMode) return 0;
    Locked lock;
    if (g_view.thread != nullptr && g_keyCount < kKeyRoom) g_keys[g_keyCount++] = vrrKey;
    return 1;
}

void SetVrrPanels(const uint32_t* picture, int width, int height, const RECT* covered, int count) {
    std::vector<Panel> panels;
    for (int k = 0; k < count; ++k) {
        RECT r = covered[k];
        if (r.left < 0) r.left = 0;
        if (r.top < 0) r.top = 0;
        if (r.right > width) r.right = width;
        if (r.bottom > height) r.bottom = height;
        if (r.right <= r.left || r.bottom <= r.top) continue;
        Panel panel = {r, {}};
        panel.pixels.reserve(static_cast<size_t>(r.right - r.left) * (r.bottom - r.top));
        for (int y = r.top; y < r.bottom; ++y) {
            const uint32_t* row = picture + static_cast<size_t>(y) * width;
            for (int x = r.left; x < r.right; ++x) panel.pixels.push_back(row[x] | 0xFF000000u);
        }
        panels.push_back(std::move(panel));
    }
    // The view's size is the window's: a picture of another size belongs to no frame of it.
    if (width != g_view.width || height != g_view.height) panels.clear();
    Locked lock;
    g_panels.swap(panels);
    ++g_panelsGeneration;
}

int VrrViewVisiting(int mode) {
    return g_view.visiting && g_view.mode == mode;
}

int VrrViewMatches(int mode, int width, int height) {
    return g_view.visiting && g_view.mode == mode && g_view.width == width && g_view.height == height;
}

int VrrViewShown() {
    return g_view.window != nullptr && g_view.thread != nullptr && IsWindowVisible(g_view.window);
}

const wchar_t* VrrScreenNote(int mode) {
    static wchar_t note[512];
    if (!IsVrrMode(mode) || !g_view.visiting || g_view.mode != mode) return nullptr;
    const bool noD3d = g_failure != kPresenterOk || g_view.thread == nullptr;
    if (!noD3d && VrrViewNow().tearing == kTearingAllowed) return nullptr;
    FormatText(note, ARRAYSIZE(note), VrrText(VT_CANNOT_FMT), VrrText(noD3d ? VT_NO_D3D : VT_NO_TEARING));
    return note;
}

VrrViewProgress VrrViewNow() {
    Locked lock;
    return g_progress;
}

void ProbeVrrFrames(int count) {
    Locked lock;
    g_probedCount = 0;
    g_probeLeft = count < kProbeRoom ? count : kProbeRoom;
}

int VrrProbedNumbers(uint32_t* numbers, int room) {
    Locked lock;
    const int n = g_probedCount < room ? g_probedCount : room;
    memcpy(numbers, g_probed, sizeof(uint32_t) * n);
    return n;
}

ULONG VrrLastRelease() { return g_lastRelease; }
