// tavro-hdr-bench: the time to lay out and paint each HDR screen's frame into a reused frame, at
// 3840 x 2160 and 1920 x 1080, as a table and one "bench ..." line per figure for scripts.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "hdr/hdr_screens.h"
#include "tools/bench/bench_clock.h"
#include "tools/bench/bench_stats.h"

namespace {

constexpr int kRuns = 21;
// A monitor that claims 1 000 cd/m², so the clipping screen has its marker.
constexpr double kClaimedPeakNits = 1000.0;

struct BenchScreen {
    const char* name;
    int peakIndex;  // for the peak windows, which one; -1 otherwise
};

const BenchScreen kScreens[] = {
    {"peak-1%", 0},    {"peak-10%", 3},   {"peak-100%", 6}, {"clipping", -1}, {"near-black", -1},
    {"blooming", -1},  {"10-bit-steps", -1}, {"wide-gamut", -1},
};

const int kSizes[][2] = {{3840, 2160}, {1920, 1080}};

HdrScreen LayOut(const BenchScreen& screen, int index, int width, int height) {
    if (screen.peakIndex >= 0) return PeakWindowScreen(width, height, screen.peakIndex);
    switch (index) {
    case 3: return ClippingScreen(width, height, kClaimedPeakNits);
    case 4: return NearBlackScreen(width, height);
    case 5: return BloomingScreen(width, height);
    case 6: return TenBitStepsScreen(width, height);
    default: return WideGamutScreen(width, height);
    }
}

}  // namespace

int wmain() {
    // One core, as the presenter's thread has it.
    SetThreadAffinityMask(GetCurrentThread(), 1);
    HdrFrame frame;
    printf("screen          size          median ms   worst ms\n");
    for (const auto& size : kSizes) {
        for (int k = 0; k < static_cast<int>(sizeof(kScreens) / sizeof(kScreens[0])); ++k) {
            std::vector<double> times;
            for (int run = 0; run < kRuns; ++run) {
                const double start = BenchNowMs();
                PaintHdrScreen(LayOut(kScreens[k], k, size[0], size[1]), &frame);
                times.push_back(BenchNowMs() - start);
            }
            // The first run allocates the frame's memory; the presenter reuses it.
            times.erase(times.begin());
            const BenchFigure figure = SummariseTimes(times);
            printf("%-14s  %4d x %-4d  %10.3f %10.3f\n", kScreens[k].name, size[0], size[1], figure.medianMs,
                   figure.worstMs);
            printf("bench hdr screen=%s size=%dx%d median_ms=%.3f worst_ms=%.3f\n", kScreens[k].name, size[0], size[1],
                   figure.medianMs, figure.worstMs);
            fflush(stdout);
        }
    }
    return 0;
}
