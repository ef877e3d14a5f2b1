// Timing the screens' paints and a plain full-rectangle fill into a 32-bit DIB section.
#pragma once
#include <windows.h>

#include "tools/bench/bench_stats.h"
#include "tools/common/dib_canvas.h"

// `runs` timed paints of screen `mode` as the test window paints it, without the overlay (runs == 0:
// at least five, more while the total stays under a second), each followed by GdiFlush so the time
// covers all of the drawing.
BenchFigure TimePaint(DibCanvas* canvas, int mode, int runs);

// The same for one FillRect over the whole canvas with a solid brush: the least any screen pays.
BenchFigure TimeFullFill(DibCanvas* canvas, int runs);
