// tavro-hdr-bench: the time to lay out and paint each HDR screen's frame (modes 48 to 59, without
// their texts) into a reused frame, at 3840 x 2160 and 1920 x 1080, as a table and one "bench ..."
// line per figure for scripts. tavro-bench times the same frames with their texts, uploaded and
// presented.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "hdr/hdr_modes.h"
#include "tools/bench/bench_clock.h"
#include "tools/bench/bench_stats.h"
#include "tools/bench/hdr_screen_name.h"

namespace {

constexpr int kRuns = 21;
// A monitor that claims 1 000 cd/m², so the clipping screen has its marker.
constexpr double kClaimedPeakNits = 1000.0;

const int kSizes[][2] = {{3840, 2160}, {1920, 1080}};

}  // namespace

int wmain() {
    // One core, as the presenter's thread has it.
    SetThreadAffinityMask(GetCurrentThread(), 1);
    HdrFrame frame;
    printf("mode  screen                    size          median ms   worst ms\n");
    for (const auto& size : kSizes) {
        for (int mode = kFirstHdrMode; mode < kFirstHdrMode + kHdrModeCount; ++mode) {
            std::vector<double> times;
            for (int run = 0; run < kRuns; ++run) {
                const double start = BenchNowMs();
                PaintHdrScreen(HdrModeScreen(mode, size[0], size[1], kClaimedPeakNits), &frame);
                times.push_back(BenchNowMs() - start);
            }
            // The first run allocates the frame's memory; the presenter reuses it.
            times.erase(times.begin());
            const BenchFigure figure = SummariseTimes(times);
            printf("%4d  %-24ls  %4d x %-4d  %10.3f %10.3f\n", mode, HdrScreenName(mode).c_str(), size[0], size[1],
                   figure.medianMs, figure.worstMs);
            printf("bench hdr build mode=%d size=%dx%d median_ms=%.3f worst_ms=%.3f\n", mode, size[0], size[1],
                   figure.medianMs, figure.worstMs);
            fflush(stdout);
        }
    }
    return 0;
}
