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
    long long frame;  // k, counted in refresh periods from the screen's first frame
    int hz;           // the refresh rate the steps are made for
    int dropped;      // frames found late, shown in the status; 0 shows "steady"
};

// Whole pixels per refresh of lane `lane` (0 a quarter, 1 half, 2 all of kMotionFullSpeed).
int LaneStep(int lane, int hz);

// The block of lane `lane` in frame `frame`; it wraps round and may reach past the window's edges.
RECT MovingBlockRect(const RECT* rc, int lane, int hz, long long frame);

// Cells of the frame check (one per frame of a second, at most kMaxFrameCells), the rectangle
// of cell `cell`, the one lit in frame `frame`, and the box of the large frame number.
int FrameCells(int hz);
RECT FrameCellRect(const RECT* rc, int hz, int cell);
int LitCell(int hz, long long frame);
RECT FrameNumberBox(const RECT* rc);

// The box at the bottom right that holds the status.
RECT MotionStatusBox(HDC hdc, const RECT* rc);

// Draws frame `f` of motion screen `mode` (kMovingBlocksMode or kFrameCheckMode) over `rc`.
void DrawMotionFrame(HDC hdc, const RECT* rc, int mode, const MotionFrame& f);

// The rectangles (inside `rc`) in which frame `to` differs from frame `from`, the status aside.
// Returns how many it wrote to `changed`.
int MotionChangedRects(const RECT* rc, int mode, int hz, long long from, long long to,
                       RECT changed[kMaxChangedRects]);
