// The motion screens in the test window. A pacer thread wakes once per refresh of the tested
// monitor, on the desktop compositor where it composes at that monitor's rate, on the monitor's own
// vertical blank where it does not, or on a high-resolution timer at the refresh period, and posts
// kMotionFrameMessage; the window then paints only what changed, around the panels drawn over the
// screen. Refreshes that pass without a frame are counted (testrun/pacer_loop.h), each screen's
// figures go into the run's record.
#pragma once
#include <windows.h>

#include "patterns/motion.h"

// Starts animating motion screen `mode` in `hwnd` from its first frame, at the refresh rate of the
// monitor the window is on. Stops any animation before. A hidden window (one being destroyed hides
// first) gets its first frame and no pacer.
void StartMotion(HWND hwnd, int mode);

// Stops animating at once: the pacer has ended when this returns, and no frame it posted is painted.
void StopMotion();

// The window's handler of kMotionFrameMessage.
void OnMotionFrame(HWND hwnd, WPARAM periods, LPARAM generation);

// Paints the current frame of motion screen `mode` over `rc` in full; returns the centre pixel.
COLORREF PaintMotionScreen(HDC hdc, const RECT* rc, int mode);

// The most panels drawn over a screen at once: the overlay, the guidance panel, and the findings'
// ring, notice and loupe.
constexpr int kMaxCoveredRects = 5;

// The panels now drawn over the screen: frames never paint into them. Empty rectangles (a panel
// not shown) are left out.
void SetMotionCovered(const RECT* covered, int count);

// Where the animation stands: the frame last painted, its refresh rate and the late frames so far.
struct MotionProgress {
    int running;
    int mode;
    MotionFrame painted;
    long long dropped;
    int starts;  // pacers started since the program started
};
MotionProgress MotionNow();

// The refresh rate of the monitor that shows `hwnd` as Windows tells it, exact (59.94 Hz is
// 60000 / 1001): from the display configuration's path of that monitor, else from its display mode
// in whole hertz (made exact by the compositor's rate where the two agree); 0 where Windows tells
// none (testrun/monitor_rate.h).
double KnownRefreshRate(HWND hwnd);

// The rate the motion screens pace `hwnd`'s monitor at, and its period in seconds: its
// KnownRefreshRate, else 60 Hz.
double RefreshRateOf(HWND hwnd, double* periodSeconds);

// Where Windows cannot report a monitor's rate as it is (Wine, say): every monitor's rate is `hz`
// from now on; 0 reads it from Windows again.
void SetMonitorRateForTests(double hz);
