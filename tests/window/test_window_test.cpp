// The full-screen test window driven through its window procedure with real messages.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/texts.h"
#include "tests/support/canvas.h"
#include "tests/support/display_answers.h"
#include "tests/support/gdi_count.h"
#include "app/palette.h"
#include "patterns/screen_text.h"
#include "record/loupe.h"
#include "record/run_record.h"
#include "hdr/hdr_view.h"
#include "testrun/guide_panel.h"
#include "testrun/catalogue.h"
#include "testrun/idle_pointer.h"
#include "testrun/motion_run.h"
#include "testrun/overlay.h"
#include "testrun/paint_ahead.h"
#include "testrun/screen_paint.h"
#include "testrun/test_window.h"

namespace {

std::wstring TitleOf(HWND hwnd) {
    wchar_t text[512] = {};
    GetWindowTextW(hwnd, text, 512);
    return text;
}

bool KeyStepMoves(WPARAM key) {
    return key != 'A' && key != VK_F1;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// What the render tool paints for `mode` with the overlay for `run` (if any); a motion screen
// in the frame the window painted last.
void PaintExpected(HDC dc, const RECT* rc, int mode, const OverlayRun* run) {
    if (!IsMotionMode(mode)) return PaintTestScreen(dc, rc, mode, run);
    DrawMotionFrame(dc, rc, mode, MotionNow().painted);
    if (run != nullptr) DrawOverlay(dc, rc, run);
}

// Copies what the window shows into `into`, which is the window's size.
void ReadBack(HWND hwnd, const Canvas& into) {
    HDC dc = GetDC(hwnd);
    BitBlt(into.dc, 0, 0, into.width, into.height, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
}

bool SameBits(const Canvas& a, const Canvas& b) {
    return memcmp(a.bits, b.bits, static_cast<size_t>(a.width) * a.height * 4) == 0;
}

// Each test window costs about two seconds to create and destroy under Wine without a window
// manager, so most tests share one run and set the play list they need.
class TestWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        g_app.hInstance = GetModuleHandleW(nullptr);
        selectWindow = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       g_app.hInstance, nullptr);
        g_app.hwndSelect = selectWindow;
    }
    static void TearDownTestSuite() {
        DestroyWindow(selectWindow);
        g_app.hwndSelect = nullptr;
        Pump();
    }

    void SetUp() override { g_lang = 0; }
    void TearDown() override {
        if (g_app.hwndTest != nullptr) DestroyWindow(g_app.hwndTest);
        Pump();
        WaitFor([] { return RunningPainters() == 0; });
        g_app.playlist = nullptr;
        g_app.playlistCount = 0;
        g_app.playlistPos = 0;
        g_app.autoMode = 0;
        g_lang = 0;
    }

    void Run(std::vector<int> modes, int autoMode) {
        playlist = std::move(modes);
        g_app.playlist = playlist.data();
        g_app.playlistCount = static_cast<int>(playlist.size());
        g_app.playlistPos = 0;
        g_app.autoMode = autoMode;
        ShowWindow(selectWindow, SW_HIDE);
        CreateTestWindow();
        hwnd = g_app.hwndTest;
        ASSERT_NE(hwnd, nullptr);
        Pump();
    }

    void Key(WPARAM key) { SendMessageW(hwnd, WM_KEYDOWN, key, 0); }

    // Pumps messages until `done` holds (or 30 s pass).
    template <typename Done>
    static void WaitFor(Done done) {
        const DWORD begin = GetTickCount();
        while (!done() && GetTickCount() - begin < 30000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            Pump();
        }
    }
    // Pumps messages until the shown screen is on the glass, then paints what is pending.
    void WaitForScreen() {
        WaitFor([] { return ScreenShowable(g_app.playlist[g_app.playlistPos]) != 0; });
        UpdateWindow(hwnd);
    }

    // Pumps messages until the play-list position moves; returns the milliseconds that took (or the limit).
    DWORD MillisecondsToNextStep(DWORD limit) {
        const int start = g_app.playlistPos;
        const DWORD begin = GetTickCount();
        while (g_app.playlistPos == start && GetTickCount() - begin < limit) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            Pump();
        }
        return GetTickCount() - begin;
    }

    static HWND selectWindow;
    HWND hwnd = nullptr;
    std::vector<int> playlist;
};

HWND TestWindow::selectWindow = nullptr;

TEST_F(TestWindow, CoversTheScreenAsATopmostBorderlessWindow) {
    Run({0, 1, 2, 3, 4}, 1);
    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    EXPECT_STREQ(cls, L"TAVROTestWindow");
    RECT r;
    GetWindowRect(hwnd, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_POPUP);
    EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(g_app.playlistPos, 0);
    EXPECT_EQ(OverlayShown(), 1);
    EXPECT_FALSE(IsWindowVisible(selectWindow));

    // Titles in English, Simplified Chinese and German.
    GotoMode(hwnd, 2);
    EXPECT_EQ(TitleOf(hwnd), L"TAVRO - Red [3/5, AUTO]   Left click: next   Esc / Right click: exit");
    g_lang = 1;
    UpdateTestTitle(hwnd);
    EXPECT_EQ(TitleOf(hwnd), L"TAVRO - \x7EA2\x8272 [3/5,\x81EA\x52A8]   \x5DE6\x952E:\x4E0B\x4E00\x4E2A   "
                             L"Esc / \x53F3\x952E:\x9000\x51FA");
    g_lang = 2;
    g_app.autoMode = 0;
    UpdateTestTitle(hwnd);
    EXPECT_EQ(TitleOf(hwnd), L"TAVRO - Rot [3/5]   Linksklick: weiter   Esc / Rechtsklick: Ende");

    // Esc ends the run and brings the selection window back.
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(g_app.hwndTest, nullptr);
    EXPECT_TRUE(IsWindowVisible(selectWindow));
}

TEST_F(TestWindow, KeysClicksAndTimersStepWithWrapAround) {
    Run({5, 6, 7, 8, 9, 10}, 0);
    struct Step {
        WPARAM key;
        int expected;
    };
    const Step steps[] = {
        {VK_SPACE, 1}, {VK_RIGHT, 2}, {VK_RETURN, 3}, {VK_NEXT, 4}, {VK_DOWN, 5},
        {VK_DOWN, 0},  // next on the last entry wraps to the first
        {VK_LEFT, 5},  // previous on the first wraps to the last
        {VK_PRIOR, 4}, {VK_UP, 3}, {'A', 3}, {VK_F1, 3},
    };
    for (const Step& s : steps) {
        SetOverlayShown(1);
        Key(s.key);
        EXPECT_EQ(g_app.playlistPos, s.expected) << "key " << s.key;
        // Every key hides the overlay; a step shows it again for the new screen.
        EXPECT_EQ(OverlayShown(), KeyStepMoves(s.key) ? 1 : 0) << "key " << s.key;
    }
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));  // a fast double click: two steps
    EXPECT_EQ(g_app.playlistPos, 5);
    SendMessageW(hwnd, WM_TIMER, 1, 0);
    EXPECT_EQ(g_app.playlistPos, 0);
    SendMessageW(hwnd, WM_TIMER, 2, 0);
    EXPECT_EQ(g_app.playlistPos, 0);
    EXPECT_EQ(OverlayShown(), 0);
    EXPECT_EQ(SendMessageW(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hwnd), 0), 0);
    EXPECT_TRUE(IsWindow(hwnd));

    SendMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(selectWindow));
}

TEST_F(TestWindow, OneEntryPlaylistStaysOnItsScreen) {
    Run({33}, 0);
    const std::wstring title = TitleOf(hwnd);
    EXPECT_EQ(title, L"TAVRO - Sound [1/1]   Left click: next   Esc / Right click: exit");
    for (WPARAM key : {VK_SPACE, VK_LEFT}) {
        SetOverlayShown(0);
        Key(key);
        EXPECT_EQ(g_app.playlistPos, 0);
        EXPECT_EQ(OverlayShown(), 1);
        EXPECT_EQ(TitleOf(hwnd), title);
    }
}

TEST_F(TestWindow, PaintsThePatternThenTheOverlayAndSurvivesABadEntry) {
    Run({0, 99, 1}, 0);
    SendMessageW(hwnd, WM_TIMER, 2, 0);  // hide the overlay: the bare pattern
    WaitForScreen();
    HDC dc = GetDC(hwnd);
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    EXPECT_EQ(GetPixel(dc, cx, cy), RGB(255, 255, 255));
    Key(VK_SPACE);  // entry 99 is no screen: black background, overlay still drawn
    UpdateWindow(hwnd);
    EXPECT_EQ(GetPixel(dc, cx, cy), RGB(0, 0, 0));
    EXPECT_NE(GetPixel(dc, cx, GetSystemMetrics(SM_CYSCREEN) - 30), RGB(0, 0, 0));  // the panel near the bottom
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(TitleOf(hwnd), L"TAVRO - TAVRO [2/3]   Left click: next   Esc / Right click: exit");
}

// Copies what the window shows into `canvas`.
void Grab(HWND hwnd, Canvas* canvas) {
    HDC dc = GetDC(hwnd);
    BitBlt(canvas->dc, 0, 0, canvas->width, canvas->height, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
}

bool SamePixels(const Canvas& a, const Canvas& b) {
    return memcmp(a.bits, b.bits, static_cast<size_t>(a.width) * a.height * 4) == 0;
}

// H or F1 lays the guidance panel over the shown picture and leaves the rest of it alone; pressing
// either again, any step and the end of the run take it away, and the pattern is back pixel for pixel.
TEST_F(TestWindow, GuidePanelComesAndGoesOverThePattern) {
    Run({7, 19, 0}, 0);
    SendMessageW(hwnd, WM_TIMER, kOverlayTimer, 0);
    WaitForScreen();
    Canvas bare(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    Canvas shown(bare.width, bare.height);
    const RECT rc = bare.Rect();
    Grab(hwnd, &bare);
    GuideLayout layout;
    ASSERT_TRUE(LayOutGuidePanel(bare.dc, &rc, 7, 0, &layout));
    const RECT& box = layout.panel;

    for (WPARAM key : {WPARAM('H'), WPARAM(VK_F1)}) {
        Key(key);
        UpdateWindow(hwnd);
        EXPECT_EQ(GuideShown(), 1);
        Grab(hwnd, &shown);
        EXPECT_EQ(shown.At(box.left, box.top), kUiAccent);  // the border's corners
        EXPECT_EQ(shown.At(box.right - 1, box.bottom - 1), kUiAccent);
        EXPECT_EQ(shown.At(box.left + 2, box.top + 2), kUiDark);  // inside, before the text starts
        EXPECT_EQ(shown.At(box.right, box.top), bare.At(box.right, box.top));  // just outside
        EXPECT_EQ(shown.At(box.left, box.bottom), bare.At(box.left, box.bottom));
        EXPECT_GT(shown.Count(box, kWhite), 50);  // the text
        // Outside the box nothing changed.
        BitBlt(shown.dc, box.left, box.top, box.right - box.left, box.bottom - box.top, bare.dc, box.left, box.top,
               SRCCOPY);
        GdiFlush();
        EXPECT_TRUE(SamePixels(shown, bare)) << "key " << key;

        Key(key);
        UpdateWindow(hwnd);
        EXPECT_EQ(GuideShown(), 0);
        Grab(hwnd, &shown);
        EXPECT_TRUE(SamePixels(shown, bare)) << "key " << key;
    }

    // Every kind of step hides it: keys both ways, a click, the AUTO timer.
    struct Step {
        UINT message;
        WPARAM wParam;
    };
    const Step steps[] = {{WM_KEYDOWN, VK_RIGHT}, {WM_KEYDOWN, VK_LEFT}, {WM_LBUTTONDOWN, 0}, {WM_TIMER, 1}};
    for (const Step& step : steps) {
        Key('H');
        const int before = g_app.playlistPos;
        SendMessageW(hwnd, step.message, step.wParam, 0);
        EXPECT_NE(g_app.playlistPos, before) << "message " << step.message;
        EXPECT_EQ(GuideShown(), 0) << "message " << step.message;
    }
    Key('H');
    Key(VK_ESCAPE);
    EXPECT_EQ(GuideShown(), 0);
}

// The run reads what Windows reports of the colours when it starts and again when the display
// changes; the shown guidance panel follows at once, with no key pressed.
TEST_F(TestWindow, TheRunReadsTheColourStateAtItsStartAndOnADisplayChange) {
    DisplayAnswers hdr = {};
    hdr.info2 = {1, kInfo2HdrSupported | kInfo2HdrUserEnabled, 0, 10, 2};
    StandInDisplayAnswers(hdr);
    Run({34}, 0);
    EXPECT_EQ(CurrentRunRecord()->displayState.mode, kColourModeHdr);
    Canvas shown(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT panel = {0, 0, 600, 500};  // the panel's note sits in its last lines
    Key('H');
    for (const bool hdrOn : {false, true}) {
        StandInDisplayAnswers(hdrOn ? hdr : DisplayAnswers{});
        SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, 0);
        UpdateWindow(hwnd);
        Grab(hwnd, &shown);
        EXPECT_EQ(shown.Count(panel, RGB(255, 222, 110)) > 0, hdrOn);
    }
    StopDisplayStandIn();
}

TEST_F(TestWindow, AutoModeWaitsThreeSecondsSevenOnSoundAndRestartsOnAManualStep) {
    Run({0, 33, 1}, 1);
    const DWORD first = MillisecondsToNextStep(6000);
    EXPECT_GE(first, 2700u);
    EXPECT_LE(first, 4000u);
    EXPECT_EQ(g_app.playlistPos, 1);  // the sound screen
    const DWORD sound = MillisecondsToNextStep(10000);
    EXPECT_GE(sound, 6700u);
    EXPECT_LE(sound, 8000u);
    EXPECT_EQ(g_app.playlistPos, 2);

    // Space 1.5 s into a screen: the next automatic step comes 3 s after the key, not 1.5 s.
    MillisecondsToNextStep(1500);
    Key(VK_SPACE);
    EXPECT_EQ(g_app.playlistPos, 0);
    const DWORD afterKey = MillisecondsToNextStep(6000);
    EXPECT_GE(afterKey, 2700u);
    EXPECT_LE(afterKey, 4000u);
}

// What reaches the window is what the render tool paints for each screen, with the overlay and
// without, at the screen's size and after the window has been made smaller (which throws the
// prepared pictures away).
TEST_F(TestWindow, EveryScreenReachesTheWindowAsTheRenderToolPaintsIt) {
    std::vector<int> all;
    for (int mode = 0; mode < kModeCount; ++mode) all.push_back(mode);
    Run(all, 0);
    const SIZE sizes[] = {{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, {1023, 701}};
    for (const SIZE& size : sizes) {
        SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        Canvas window(size.cx, size.cy);
        Canvas expected(size.cx, size.cy);
        const RECT rc = expected.Rect();
        for (int pos = 0; pos < kModeCount; ++pos) {
            // The variable-refresh screens move in a swap chain over the window (hdr_window's vrr_run_test).
            if (IsVrrMode(pos)) continue;
            GotoMode(hwnd, pos);
            WaitForScreen();
            for (int overlay : {1, 0}) {
                SetOverlayShown(overlay);
                RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                // An HDR screen's GDI picture lies under its FP16 view: it is read where the window
                // painted it, the picture whose panels the frames carry.
                uint32_t* hdrPicture = nullptr;
                HDC dc = IsHdrMode(pos) ? HdrCanvas(size.cx, size.cy, &hdrPicture) : GetDC(hwnd);
                BitBlt(window.dc, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
                if (!IsHdrMode(pos)) ReleaseDC(hwnd, dc);
                expected.Clear(RGB(0, 0, 0));
                const OverlayRun run = {pos, pos, kModeCount};
                PaintExpected(expected.dc, &rc, pos, overlay ? &run : nullptr);
                GdiFlush();
                const size_t bytes = static_cast<size_t>(size.cx) * size.cy * 4;
                EXPECT_EQ(memcmp(window.bits, expected.bits, bytes), 0)
                    << "screen " << pos << " at " << size.cx << "x" << size.cy << (overlay ? " with" : " without")
                    << " the overlay";
            }
        }
    }
}

// From the sound screen the keys reach each later screen as the render tool paints it; the motion
// screens move by whole steps per refresh, never paint over the guidance panel, and stop when left.
TEST_F(TestWindow, LaterScreensFollowTheSoundScreenAndMotionScreensAnimate) {
    Run({33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43}, 0);
    RECT rc;
    GetClientRect(hwnd, &rc);
    Canvas window(rc.right, rc.bottom);
    Canvas expected(rc.right, rc.bottom);
    for (int mode = 34; mode <= 43; ++mode) {
        Key(VK_RIGHT);
        WaitForScreen();
        ASSERT_EQ(CurrentMode(), mode);
        EXPECT_EQ(MotionNow().running, IsMotionMode(mode)) << mode;
        SetOverlayShown(0);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        ReadBack(hwnd, window);
        PaintExpected(expected.dc, &rc, mode, nullptr);
        GdiFlush();
        EXPECT_TRUE(SameBits(window, expected)) << "screen " << mode;
    }

    // Back on the moving blocks with the guidance panel over the first lane's block.
    Key(VK_LEFT);
    WaitForScreen();
    Key('H');
    UpdateWindow(hwnd);
    ReadBack(hwnd, window);
    const MotionFrame first = MotionNow().painted;
    WaitFor([&] { return MotionNow().painted.frame >= first.frame + 3; });
    ReadBack(hwnd, expected);
    const MotionFrame later = MotionNow().painted;
    ASSERT_GE(later.frame, first.frame + 3);
    // The fastest lane's black block, found by its left edge in the row below its top.
    const RECT lane = MovingBlockRect(&rc, 2, first.hz, first.frame);
    auto leftEdge = [&](const Canvas& c) {
        for (int x = 0; x < c.width; ++x) {
            if (c.At(x, lane.top + 1) == RGB(0, 0, 0)) return x;
        }
        return -1;
    };
    const int period = rc.right + (lane.bottom - lane.top);
    const int moved = static_cast<int>((later.frame - first.frame) * LaneStep(2, first.hz) % period);
    EXPECT_EQ((leftEdge(expected) - leftEdge(window) + period) % period, moved)
        << "frames " << first.frame << " to " << later.frame;
    GuideLayout guide;
    HDC dc = GetDC(hwnd);
    ASSERT_TRUE(LayOutGuidePanel(dc, &rc, 42, 0, &guide));
    ReleaseDC(hwnd, dc);
    const RECT& box = guide.panel;
    for (int y = box.top; y < box.bottom; y += 3) {
        for (int x = box.left; x < box.right; x += 3) ASSERT_EQ(window.At(x, y), expected.At(x, y)) << x << "," << y;
    }

    SendMessageW(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_FALSE(MotionNow().running);  // nothing animates behind a minimized window
    SendMessageW(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
    EXPECT_TRUE(MotionNow().running);
    Key(VK_RIGHT);
    Key(VK_RIGHT);  // the frame check, then round to the sound screen
    EXPECT_EQ(CurrentMode(), 33);
    EXPECT_FALSE(MotionNow().running);
}

// A step to a screen still being prepared shows black with the overlay at once, several quick
// steps end on the last, and Esc in the middle of the slowest screen ends the run at once; the
// painter then frees everything it made.
TEST_F(TestWindow, AStepNeverWaitsForAPaint) {
    Run({0, 20, 21, 22, 2}, 0);  // the painter starts on the moire rings, the slowest screen, next
    Key(VK_SPACE);
    Key(VK_SPACE);
    Key(VK_SPACE);
    EXPECT_EQ(g_app.playlistPos, 3);
    ASSERT_FALSE(ScreenShowable(22)) << "the moire rings painted in no time";
    UpdateWindow(hwnd);
    HDC dc = GetDC(hwnd);
    const int cx = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int cy = GetSystemMetrics(SM_CYSCREEN) / 2;
    EXPECT_EQ(GetPixel(dc, cx, cy), RGB(0, 0, 0));
    EXPECT_NE(GetPixel(dc, cx, GetSystemMetrics(SM_CYSCREEN) - 30), RGB(0, 0, 0));  // the overlay
    WaitForScreen();
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(100, 100, 100));  // the sine wave's grey, no longer black
    ReleaseDC(hwnd, dc);
    Key(VK_ESCAPE);
    WaitFor([] { return RunningPainters() == 0; });

    // The same again, now that the window's first run has filled Wine's caches, and Esc while the
    // painter is in the middle of the rings: the run ends, the painter after its screen, and
    // neither leaves a GDI object behind.
    const int objectsBefore = LiveGdiObjects();
    Run({0, 20, 21, 22, 2}, 0);
    Key(VK_SPACE);
    ASSERT_FALSE(ScreenShowable(20));
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(IsWindowVisible(selectWindow));
    WaitFor([] { return RunningPainters() == 0; });
    EXPECT_EQ(RunningPainters(), 0);
    EXPECT_LE(LiveGdiObjects(), objectsBefore);
}

// Esc while the painter is early in the moire rings: it gives them up between two circles instead of
// drawing the rest beside the closing window, so it has ended long before the rings alone could be
// drawn (the control: the same rings drawn to the end on this thread, whose paints are never given up).
TEST_F(TestWindow, EscEndsThePainterInTheMiddleOfTheRings) {
    Run({20}, 0);
    ASSERT_FALSE(ScreenShowable(20));
    Sleep(50);  // the painter has taken the order and is drawing
    LARGE_INTEGER frequency, begin, ended;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    // Watched from a thread of its own: without a window manager, Wine holds the closing window's
    // thread up to 2 s, and the painter's end is to be seen while that goes on.
    HANDLE watcher = CreateThread(
        nullptr, 0,
        [](void* end) -> DWORD {
            for (int k = 0; k < 30000 && RunningPainters() != 0; ++k) Sleep(1);
            QueryPerformanceCounter(static_cast<LARGE_INTEGER*>(end));
            return 0;
        },
        &ended, 0, nullptr);
    ASSERT_NE(watcher, nullptr);
    Key(VK_ESCAPE);
    WaitForSingleObject(watcher, INFINITE);
    CloseHandle(watcher);
    const double painterMs = 1000.0 * (ended.QuadPart - begin.QuadPart) / frequency.QuadPart;
    Canvas canvas(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const RECT rc = canvas.Rect();
    QueryPerformanceCounter(&begin);
    PaintTestScreen(canvas.dc, &rc, 20, nullptr);
    GdiFlush();
    QueryPerformanceCounter(&ended);
    const double ringsMs = 1000.0 * (ended.QuadPart - begin.QuadPart) / frequency.QuadPart;
    EXPECT_EQ(canvas.Count({0, rc.bottom / 2, rc.right / 2, rc.bottom / 2 + 1}, RGB(255, 255, 255)),
              2 * ((rc.bottom / 2 - 1) / 12));  // every circle
    EXPECT_LT(painterMs, ringsMs / 2) << "the painter drew on after Esc";
}

// A painter that finds no device context or no memory for its answer gives up, and the window
// draws every screen itself: the first screen shows at once, not black for ever.
TEST_F(TestWindow, APainterThatCannotPaintLeavesTheScreensToTheWindow) {
    for (PainterFault fault : {PainterFault::kNoDevice, PainterFault::kNoMemory}) {
        SCOPED_TRACE(fault == PainterFault::kNoDevice ? "no device context" : "no memory");
        SetPainterFaultForTests(fault);
        Run({0, 2}, 0);
        SetPainterFaultForTests(PainterFault::kNone);
        SendMessageW(hwnd, WM_TIMER, kOverlayTimer, 0);
        WaitFor([] { return ScreenShowable(0) && PaintAheadIdle(); });
        EXPECT_TRUE(ScreenShowable(0));
        UpdateWindow(hwnd);
        HDC dc = GetDC(hwnd);
        EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 255, 255));
        Key(VK_SPACE);  // drawn as the step is painted
        UpdateWindow(hwnd);
        EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
        ReleaseDC(hwnd, dc);
        DestroyWindow(hwnd);
        WaitFor([] { return RunningPainters() == 0; });
    }
}

// The painter's one "gave up" message lost: the window still draws the screens itself.
TEST_F(TestWindow, APainterWhoseGiveUpGoesAstrayStillLeavesTheScreensToTheWindow) {
    SetPainterFaultForTests(PainterFault::kNoDevice);
    playlist = {0, 2};
    g_app.playlist = playlist.data();
    g_app.playlistCount = 2;
    g_app.playlistPos = 0;
    CreateTestWindow();  // as Run does, but no message is dispatched
    hwnd = g_app.hwndTest;
    SetPainterFaultForTests(PainterFault::kNone);
    ASSERT_NE(hwnd, nullptr);
    MSG message;
    const DWORD begin = GetTickCount();
    while (!PeekMessageW(&message, hwnd, kPictureReadyMessage, kPictureReadyMessage, PM_REMOVE) &&
           GetTickCount() - begin < 10000) {
        Sleep(10);
    }
    ASSERT_EQ(message.message, static_cast<UINT>(kPictureReadyMessage));
    EXPECT_TRUE(ScreenShowable(0));
    EXPECT_TRUE(ScreenShowable(2));
}

// Windows hands the activation on as the closing window goes, which sends it WM_ACTIVATEAPP(FALSE):
// a close is no switch to another program, so the window is never minimized on its way out.
LRESULT CALLBACK HandActivationOn(int code, WPARAM wParam, LPARAM lParam);
HWND g_closingWindow;
bool g_minimizedOnClose;

LRESULT CALLBACK HandActivationOn(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_closingWindow) {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(call->lParam);
        if (call->message == WM_WINDOWPOSCHANGING && (pos->flags & SWP_HIDEWINDOW) != 0) {
            SendMessageW(call->hwnd, WM_ACTIVATEAPP, FALSE, 0);
        }
        if (call->message == WM_SIZE && call->wParam == SIZE_MINIMIZED) g_minimizedOnClose = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(TestWindow, ClosingIsNotSwitchingAway) {
    for (int close : {0, 1, 2}) {  // Esc, a right click, Alt+F4
        Run({42, 0}, 0);
        g_closingWindow = hwnd;
        g_minimizedOnClose = false;
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, HandActivationOn, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        if (close == 0) Key(VK_ESCAPE);
        if (close == 1) SendMessageW(hwnd, WM_RBUTTONDOWN, 0, 0);
        if (close == 2) SendMessageW(hwnd, WM_CLOSE, 0, 0);
        UnhookWindowsHookEx(hook);
        EXPECT_FALSE(IsWindow(hwnd)) << close;
        EXPECT_FALSE(g_minimizedOnClose) << close;
        EXPECT_TRUE(IsWindowVisible(selectWindow)) << close;
        WaitFor([] { return RunningPainters() == 0; });
    }
}

// The mode change that ends a run resizes the window while it is being destroyed: the WM_SIZE
// comes after the window has stopped its pacer, and must not start another one on a dying window.
LRESULT CALLBACK ResizeAfterDestroy(int code, WPARAM wParam, LPARAM lParam);
HWND g_dyingWindow;

LRESULT CALLBACK ResizeAfterDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const CWPRETSTRUCT* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_dyingWindow && call->message == WM_DESTROY) {
        SendMessageW(call->hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(TestWindow, NoPacerRunsAfterARunEnds) {
    for (int close : {0, 1, 2}) {  // Esc, Alt+F4, the window destroyed from outside the run
        Run({42, 0}, 0);
        WaitFor([] { return MotionNow().running != 0; });
        const int starts = MotionNow().starts;
        g_dyingWindow = hwnd;
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, ResizeAfterDestroy, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        if (close == 0) Key(VK_ESCAPE);
        if (close == 1) SendMessageW(hwnd, WM_CLOSE, 0, 0);
        if (close == 2) DestroyWindow(hwnd);
        UnhookWindowsHookEx(hook);
        Pump();
        EXPECT_FALSE(IsWindow(hwnd)) << close;
        EXPECT_FALSE(MotionNow().running) << close;
        EXPECT_EQ(MotionNow().starts, starts) << close;
        WaitFor([] { return RunningPainters() == 0; });
    }
}

// Alt+Tab away from a motion screen with the loupe open, and back: the loupe is closed, the window
// minimized while away, and one pacer animates the screen again, not two one after the other.
TEST_F(TestWindow, BackFromAnotherProgramOnePacerAnimates) {
    Run({42, 0}, 0);
    WaitFor([] { return MotionNow().running != 0; });
    Key('M');
    ASSERT_TRUE(LoupeOpen());
    SendMessageW(hwnd, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(LoupeOpen());
    EXPECT_TRUE(IsIconic(hwnd));
    EXPECT_FALSE(MotionNow().running);
    const int starts = MotionNow().starts;
    SendMessageW(hwnd, WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_FALSE(IsIconic(hwnd));
    EXPECT_TRUE(MotionNow().running);
    EXPECT_EQ(MotionNow().starts, starts + 1);
}

// Five panels over a motion screen (overlay, guidance, ring, notice, loupe), one of them not shown:
// the last still keeps the frames out.
TEST_F(TestWindow, FramesNeverPaintOverTheFifthPanel) {
    Run({42}, 0);
    WaitFor([] { return MotionNow().running != 0 && MotionNow().painted.frame >= 1; });
    KillTimer(hwnd, kOverlayTimer);
    SetOverlayShown(0);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);  // no whole repaint to come
    RECT rc;
    GetClientRect(hwnd, &rc);
    const RECT lane = MovingBlockRect(&rc, 2, MotionNow().painted.hz, 0);
    const RECT panel = {rc.right / 4, lane.top + 4, rc.right / 4 + 100, lane.bottom - 4};  // on the block's way
    const RECT covered[kMaxCoveredRects] = {{}, {0, 0, 50, 20}, {60, 0, 90, 20}, {100, 0, 130, 20}, panel};
    SetMotionCovered(covered, kMaxCoveredRects);
    HDC dc = GetDC(hwnd);
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(dc, &panel, magenta);
    DeleteObject(magenta);
    const long long from = MotionNow().painted.frame;
    const long long crossing = (rc.right / 4 + 100 + (lane.right - lane.left)) / LaneStep(2, MotionNow().painted.hz);
    WaitFor([&] { return MotionNow().painted.frame >= from + crossing; });
    GdiFlush();
    for (int x = panel.left; x < panel.right; x += 7) {
        ASSERT_EQ(GetPixel(dc, x, (panel.top + panel.bottom) / 2), RGB(255, 0, 255)) << x;
    }
    ReleaseDC(hwnd, dc);
}

// Minimized (Win+D), the window is 0 x 0 for a while: the prepared screens stay.
TEST_F(TestWindow, MinimizingKeepsThePreparedScreens) {
    Run({0, 2, 3}, 0);
    WaitFor([] { return ScreenShowable(0) && ScreenShowable(2) && ScreenShowable(3); });
    SendMessageW(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    EXPECT_TRUE(ScreenShowable(0));
    EXPECT_TRUE(ScreenShowable(2));
    EXPECT_TRUE(ScreenShowable(3));
}

// The window never erases to black before a paint: a step copies the prepared picture over the
// last one, with no black frame between them.
TEST_F(TestWindow, AStepIsNotPrecededByABlackFrame) {
    Run({0, 2}, 0);
    Canvas behind(4, 4);
    behind.Clear(RGB(255, 255, 255));
    EXPECT_NE(SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(behind.dc), 0), 0);
    GdiFlush();
    EXPECT_EQ(GetPixel(behind.dc, 1, 1), RGB(255, 255, 255));
}

// The screen saver and the monitor's power saving are refused while a run is on. Wine starts
// neither, so the test watches whether the commands reach the default handling, which is where
// Windows would start them: a CBT hook hears of every system command that gets that far.
int g_systemCommandsHeard = 0;
LRESULT CALLBACK HearSystemCommands(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SYSCOMMAND) {
        ++g_systemCommandsHeard;
        return 1;  // and stops it there
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(TestWindow, ScreenSaverAndMonitorPowerAreRefusedDuringARun) {
    Run({0}, 0);
    HHOOK hook = SetWindowsHookExW(WH_CBT, HearSystemCommands, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    g_systemCommandsHeard = 0;
    SendMessageW(selectWindow, WM_SYSCOMMAND, SC_SCREENSAVE, 0);  // any other window passes it on
    EXPECT_EQ(g_systemCommandsHeard, 1) << "the hook hears no system command here";
    g_systemCommandsHeard = 0;
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
    SendMessageW(hwnd, WM_SYSCOMMAND, SC_MONITORPOWER | 3, 1);  // the low four bits are Windows' own
    EXPECT_EQ(g_systemCommandsHeard, 0);
    UnhookWindowsHookEx(hook);
}

}  // namespace

namespace {

// The query SetThreadExecutionState(0) answers with the state in force and changes nothing of it.
EXECUTION_STATE DisplayRequest() {
    return SetThreadExecutionState(0);
}

HCURSOR Arrow() {
    return LoadCursorW(nullptr, IDC_ARROW);
}

// The pointer is hidden from the first screen on; only a move to another place shows it, for 1.5 s.
// Esc shows it at once and lets the display sleep again.
TEST_F(TestWindow, PointerHidesWhileTheMouseIsStillAndTheDisplayStaysOn) {
    Run({0, 1}, 0);
    EXPECT_EQ(DisplayRequest(), static_cast<EXECUTION_STATE>(ES_CONTINUOUS | ES_DISPLAY_REQUIRED));
    EXPECT_TRUE(PointerHidden());
    EXPECT_TRUE(SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(GetCursor(), nullptr);

    POINT at;
    GetCursorPos(&at);
    ScreenToClient(hwnd, &at);
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));  // as Wine sends when a window appears
    Key(VK_SPACE);
    EXPECT_TRUE(PointerHidden());
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(at.x + 3, at.y + 1));
    EXPECT_FALSE(PointerHidden());
    EXPECT_EQ(GetCursor(), Arrow());
    const DWORD moved = GetTickCount();
    WaitFor([] { return PointerHidden() != 0; });
    EXPECT_GE(GetTickCount() - moved, 1400u);
    EXPECT_TRUE(PointerHidden());
    EXPECT_EQ(GetCursor(), nullptr);

    Key(VK_ESCAPE);
    EXPECT_FALSE(PointerHidden());
    EXPECT_EQ(GetCursor(), Arrow());
    EXPECT_EQ(DisplayRequest(), static_cast<EXECUTION_STATE>(ES_CONTINUOUS));
}

// Closing the window (Alt+F4) while the pointer is hidden ends the run the same way.
TEST_F(TestWindow, ClosingTheWindowShowsThePointerAndReleasesTheDisplay) {
    Run({0}, 1);
    ASSERT_TRUE(PointerHidden());
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(PointerHidden());
    EXPECT_EQ(GetCursor(), Arrow());
    EXPECT_EQ(DisplayRequest(), static_cast<EXECUTION_STATE>(ES_CONTINUOUS));
}

}  // namespace

namespace {

struct ThreadPaint {
    Canvas* canvas;
    int mode;
    int lang;
};

DWORD WINAPI PaintInOwnLanguage(void* param) {
    const ThreadPaint* job = static_cast<ThreadPaint*>(param);
    PaintScreensInLanguage(job->lang);
    const RECT rc = job->canvas->Rect();
    PaintTestScreen(job->canvas->dc, &rc, job->mode, nullptr);
    GdiFlush();
    return 0;
}

// A painter thread shows the screens' texts in the language of its order, whatever the UI language
// is meanwhile: the sample sentences and the sound screen in Russian while the selection window is
// in English.
TEST(ScreenText, APainterThreadPaintsInTheLanguageItWasGiven) {
    PaintScreensInLanguage(-1);
    for (int mode : {23, 28, 33}) {
        SCOPED_TRACE(mode);
        Canvas expected(640, 400);
        Canvas painted(640, 400);
        const RECT rc = expected.Rect();
        expected.Clear(RGB(0, 0, 0));
        painted.Clear(RGB(0, 0, 0));
        g_lang = 8;
        PaintTestScreen(expected.dc, &rc, mode, nullptr);
        GdiFlush();
        g_lang = 0;
        ThreadPaint job = {&painted, mode, 8};
        HANDLE painter = CreateThread(nullptr, 0, PaintInOwnLanguage, &job, 0, nullptr);
        ASSERT_NE(painter, nullptr);
        WaitForSingleObject(painter, INFINITE);
        CloseHandle(painter);
        EXPECT_TRUE(SamePixels(painted, expected));
    }
}

}  // namespace
