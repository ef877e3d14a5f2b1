// Timing the FP16 presenter: a CPU-built frame uploaded and presented, beside a GDI BitBlt of the
// same size into the same kind of window.
#pragma once

#include "tools/bench/bench_stats.h"

struct PresentFigures {
    BenchFigure uploadPresent;  // UpdateSubresource of the whole back buffer and Present(1, 0)
    BenchFigure bitBlt;         // a 32-bit DIB section blitted over the whole window
};

// Opens a borderless window of `width` x `height` and times `runs` frames each way (0: 10).
// Returns 0 when no window or no presenter could be had; `reason` then says why.
int TimePresent(int width, int height, int runs, PresentFigures* figures, const char** reason);
