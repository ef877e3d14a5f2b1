// Timing the screens' paints and a plain full-rectangle fill into a 32-bit DIB section.
#include "tools/bench/paint_timing.h"

#include <vector>

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
BenchFigure TimeRepeated(BenchCanvas* canvas, Paint paint, int runs) {
    paint(canvas->dc, &canvas->rect);
    GdiFlush();
    std::vector<double> times;
    double total = 0.0;
    for (;;) {
        const bool enough = runs > 0 ? static_cast<int>(times.size()) >= runs
                                     : static_cast<int>(times.size()) >= kMinimumRuns &&
                                           (total >= kAutoBudgetMs || static_cast<int>(times.size()) >= kMaximumAutoRuns);
        if (enough) break;
        const double start = BenchNowMs();
        paint(canvas->dc, &canvas->rect);
        GdiFlush();
        const double elapsed = BenchNowMs() - start;
        times.push_back(elapsed);
        total += elapsed;
    }
    return SummariseTimes(times);
}

}  // namespace

int CreateBenchCanvas(int width, int height, BenchCanvas* canvas) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    canvas->dc = CreateCompatibleDC(nullptr);
    if (canvas->dc == nullptr) return 0;
    void* bits = nullptr;
    canvas->bitmap = CreateDIBSection(canvas->dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (canvas->bitmap == nullptr) {
        DeleteDC(canvas->dc);
        canvas->dc = nullptr;
        return 0;
    }
    canvas->oldBitmap = SelectObject(canvas->dc, canvas->bitmap);
    canvas->rect = {0, 0, width, height};
    FillRect(canvas->dc, &canvas->rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return 1;
}

void DeleteBenchCanvas(BenchCanvas* canvas) {
    SelectObject(canvas->dc, canvas->oldBitmap);
    DeleteObject(canvas->bitmap);
    DeleteDC(canvas->dc);
    canvas->dc = nullptr;
    canvas->bitmap = nullptr;
}

BenchFigure TimePaint(BenchCanvas* canvas, DrawFunc draw, int runs) { return TimeRepeated(canvas, draw, runs); }

BenchFigure TimeFullFill(BenchCanvas* canvas, int runs) { return TimeRepeated(canvas, FillWholeCanvas, runs); }
