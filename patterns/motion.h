// The motion screens, frame by frame. Frame k is a function of k, the window's size and the
// refresh rate alone (and of the status it reports), so any frame can be drawn on its own.
#pragma once
#include <windows.h>

constexpr int kMotionLanes = 3;
constexpr int kMotionFullSpeed = 960;   // pixels per second of the fastest lane
constexpr int kMaxFrameCells = 240;     // the frame check shows at most this many frames of a second
constexpr int kDefaultRefreshHz = 60;   // where the refresh rate is not known
constexpr int kMaxChangedRects = 2 * kMotionLanes;

struct MotionFrame {
    long long frame;    // k, counted in refresh periods from the screen's first frame
    double hz;          // the refresh rate the steps are made for (59.94, 143.856 ...); 60 where not above 0
    long long dropped;  // refreshes that passed without a frame, shown in the status; 0 shows "steady"
    long long total;    // the refreshes counted so far, shown with the dropped ones
};

// Whole pixels per refresh of lane `lane`: the slowest lane's step is a quarter of kMotionFullSpeed
// rounded to whole pixels (at least 1), the others exactly 2 and 4 times it, so that the lanes
// keep their 1 : 2 : 4 at any rate.
int LaneStep(int lane, double hz);

// The block of lane `lane` in frame `frame`; it wraps round and may reach past the window's edges.
RECT MovingBlockRect(const RECT* rc, int lane, double hz, long long frame);

// Cells of the frame check (one per frame of a second, at most kMaxFrameCells), the rectangle
// of cell `cell`, the one lit in frame `frame`, and the box of the large frame number.
int FrameCells(double hz);
RECT FrameCellRect(const RECT* rc, double hz, int cell);
int LitCell(double hz, long long frame);
RECT FrameNumberBox(const RECT* rc);

// `hz` as the screens write it: whole hertz ("144"), or with two decimals where it is not whole
// ("59.94").
void FormatRefreshRate(double hz, wchar_t* out, int chars);

// The box at the bottom right that holds the status, at the panel DPI.
RECT MotionStatusBox(const RECT* rc);

// Draws frame `f` of motion screen `mode` (kMovingBlocksMode or kFrameCheckMode) over `rc`.
void DrawMotionFrame(HDC hdc, const RECT* rc, int mode, const MotionFrame& f);

// The rectangles (inside `rc`) in which frame `to` differs from frame `from`, the status aside.
// Returns how many it wrote to `changed`.
int MotionChangedRects(const RECT* rc, int mode, double hz, long long from, long long to,
                       RECT changed[kMaxChangedRects]);
