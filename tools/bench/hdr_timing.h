// Timing the HDR screens as the run shows them: each frame built on the CPU with its texts, uploaded
// to the FP16 presenter's back buffer and presented, beside a GDI BitBlt of the same size.
#pragma once

#include <vector>

#include "tools/bench/bench_stats.h"

// One 60 Hz frame, the time a screen change has to build and upload the next frame in.
constexpr double kFrameAt60HzMs = 1000.0 / 60.0;

struct HdrScreenFigures {
    int mode;
    BenchFigure build;    // the screen's layout, PaintHdrScreen and PaintHdrLabels into a reused frame
    BenchFigure upload;   // UploadHalfFrame, until the device has carried the copy out
    BenchFigure present;  // Present(1, 0) of the uploaded frame, until the device has carried it out
};

// Whether a screen's frame is built and uploaded within one 60 Hz frame (the medians).
inline bool FitsOneFrameAt60Hz(const HdrScreenFigures& f) {
    return f.build.medianMs + f.upload.medianMs <= kFrameAt60HzMs;
}

// Opens a borderless window of `width` x `height` and times `runs` frames (0: 5) of each HDR
// screen among `modes`, after one untimed frame each, and as many BitBlts of the same size into
// it. Returns 0 when no window or no presenter could be had, or a present failed; `reason` then
// says why.
int TimeHdrScreens(const std::vector<int>& modes, int width, int height, int runs,
                   std::vector<HdrScreenFigures>* figures, BenchFigure* bitBlt, const char** reason);
