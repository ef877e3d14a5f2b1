// The motion screens in the test window. A pacer thread wakes once per refresh of the monitor, on
// the desktop compositor or, where there is none, on a high-resolution timer at the refresh
// period, and posts kMotionFrameMessage; the window then paints only what changed, around the
// panels drawn over the screen. A wake later than 1.5 periods counts the frames it skipped.
#pragma once
#include <windows.h>

#include "patterns/motion.h"

// Starts animating motion screen `mode` in `hwnd` from its first frame, at the refresh rate of the
// monitor the window is on. Stops any animation before.
void StartMotion(HWND hwnd, int mode);

// Stops animating at once: the pacer has ended when this returns, and no frame it posted is painted.
void StopMotion();

// The window's handler of kMotionFrameMessage.
void OnMotionFrame(HWND hwnd, WPARAM periods, LPARAM generation);

// Paints the current frame of motion screen `mode` over `rc` in full; returns the centre pixel.
COLORREF PaintMotionScreen(HDC hdc, const RECT* rc, int mode);

// The panels now drawn over the screen (overlay, guidance): frames never paint into them.
void SetMotionCovered(const RECT* covered, int count);

// Where the animation stands: the frame last painted, its refresh rate and the late frames so far.
struct MotionProgress {
    int running;
    int mode;
    MotionFrame painted;
    int dropped;
};
MotionProgress MotionNow();

// The refresh rate of the monitor that shows `hwnd`, rounded to whole hertz, and its period in
// seconds; from the compositor where there is one, else from the display mode, else 60 Hz.
int RefreshRateOf(HWND hwnd, double* periodSeconds);
