// Timing the screens' paints and a plain full-rectangle fill into a 32-bit DIB section.
#include "tools/bench/paint_timing.h"

#include <vector>

#include "testrun/screen_paint.h"
#include "tools/bench/bench_clock.h"

namespace {

constexpr int kMinimumRuns = 5;
constexpr int kMaximumAutoRuns = 25;
constexpr double kAutoBudgetMs = 1000.0;

void FillWholeCanvas(HDC dc, const RECT* rect) {
    HBRUSH brush = CreateSolidBrush(RGB(90, 140, 200));
    FillRect(dc, rect, brush);
    DeleteObject(brush);
}

// One untimed paint first: the first use of a font or a code path pays for loading it.
template <typename Paint>
BenchFigure TimeRepeated(DibCanvas* canvas, Paint paint, int runs) {
    const RECT rect = {0, 0, canvas->width, canvas->height};
    paint(canvas->dc, &rect);
    GdiFlush();
    std::vector<double> times;
    double total = 0.0;
    for (;;) {
        const bool enough = runs > 0 ? static_cast<int>(times.size()) >= runs
                                     : static_cast<int>(times.size()) >= kMinimumRuns &&
                                           (total >= kAutoBudgetMs || static_cast<int>(times.size()) >= kMaximumAutoRuns);
        if (enough) break;
        const double start = BenchNowMs();
        paint(canvas->dc, &rect);
        GdiFlush();
        const double elapsed = BenchNowMs() - start;
        times.push_back(elapsed);
        total += elapsed;
    }
    return SummariseTimes(times);
}

}  // namespace

BenchFigure TimePaint(DibCanvas* canvas, int mode, int runs) {
    return TimeRepeated(
        canvas, [mode](HDC dc, const RECT* rect) { PaintTestScreen(dc, rect, mode, nullptr); }, runs);
}

BenchFigure TimeFullFill(DibCanvas* canvas, int runs) { return TimeRepeated(canvas, FillWholeCanvas, runs); }
