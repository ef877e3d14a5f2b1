// Timing steps in a real test window: to a screen painted ahead, to one nothing was prepared for,
// and Esc while the slowest screen is still being painted.
#pragma once
#include <vector>

#include "tools/bench/bench_stats.h"

struct StepFigures {
    int mode;
    BenchFigure prepared;  // the screen was painted ahead
    BenchFigure cold;      // nothing was prepared
};

// For each of `modes` (the play list, in order): from posting the key that steps to it until its
// paint has ended, in a test window of `width` x `height`; `runs` times each (0: five prepared,
// three cold). `peakMb`: the most the working set grew meanwhile, the window and its prepared
// pictures. 0 when no test window could be opened.
int TimeSteps(const std::vector<int>& modes, int width, int height, int runs, std::vector<StepFigures>* figures,
              double* peakMb);

struct MotionFigures {
    int hz;          // the refresh rate the window paced its frames to
    int frames;      // frames painted
    double medianMs;  // a frame's cost: handling its message, the changed parts painted
    double p99Ms;
    int dropped;     // frames found late
};

// Shows the two motion screens for `seconds` each in a test window of `width` x `height`, timing
// every frame. 0 when no test window could be opened.
int TimeMotion(int width, int height, double seconds, MotionFigures* figures);

// From posting Esc `waitMs` after the window started preparing `mode` until the window is gone;
// `runs` times (0: three). Each run waits for the painter to end before the next.
int TimeEscape(int mode, int width, int height, double waitMs, int runs, BenchFigure* figure);
