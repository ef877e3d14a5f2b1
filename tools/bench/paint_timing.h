// Timing the screens' paints and a plain full-rectangle fill into a 32-bit DIB section.
#pragma once
#include <windows.h>

#include "testrun/modes.h"
#include "tools/bench/bench_stats.h"

// A top-down 32-bit DIB section selected into a memory DC, like the render tool paints into.
struct BenchCanvas {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ oldBitmap;
    RECT rect;
};

// Nonzero when the canvas could be made; on failure nothing is left allocated.
int CreateBenchCanvas(int width, int height, BenchCanvas* canvas);
void DeleteBenchCanvas(BenchCanvas* canvas);

// `runs` timed calls of draw (runs == 0: at least five, more while the total stays under a second),
// each followed by GdiFlush so the time covers all of the drawing.
BenchFigure TimePaint(BenchCanvas* canvas, DrawFunc draw, int runs);

// The same for one FillRect over the whole canvas with a solid brush: the least any screen pays.
BenchFigure TimeFullFill(BenchCanvas* canvas, int runs);
