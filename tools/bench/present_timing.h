// Timing the presenter: a CPU-built FP16 frame uploaded and presented, beside a GDI BitBlt of the
// same size into the same kind of window, and a variable-refresh screen's 8-bit frame drawn on the
// device from its scrolled backdrop and boxes.
#pragma once
#include <windows.h>

#include "tools/bench/bench_stats.h"

struct PresentFigures {
    BenchFigure uploadPresent;  // UpdateSubresource of the whole back buffer and Present(1, 0)
    BenchFigure bitBlt;         // a 32-bit DIB section blitted over the whole window
    BenchFigure motionFrame;    // backdrop copied at an offset, three boxes, PresentNow (0 where not measured)
    int tearing;                // nonzero where the 8-bit swap chain allowed tearing
};

// Opens a borderless window of `width` x `height` and times `runs` frames each way (0: 10).
// Returns 0 when no window or no presenter could be had; `reason` then says why.
int TimePresent(int width, int height, int runs, PresentFigures* figures, const char** reason);

// A visible borderless window of `width` x `height` at the desktop's corner, for the timings.
HWND OpenBenchWindow(int width, int height);

// Handles whatever messages wait, so that Wine keeps the window's surface current.
void PumpWaiting();

// `runs` BitBlts of a 32-bit DIB section over the whole of `window` (after one untimed).
void TimeBitBlt(HWND window, int width, int height, int runs, BenchFigure* figure);
