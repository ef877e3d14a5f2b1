// The peak-window screens: a centred full-signal window of a share of the screen on black.
#include <cmath>

#include "hdr/hdr_screens.h"

namespace {

// The window's area is to lie within this share of the asked area (0.1 %).
constexpr double kAreaTolerance = 0.001;

}  // namespace

const double kPeakWindowShares[kPeakWindowCount] = {0.01, 0.02, 0.05, 0.10, 0.25, 0.50, 1.0};

HdrRect PeakWindowRect(int width, int height, double share) {
    if (width <= 0 || height <= 0 || !(share > 0.0)) return {0, 0, 0, 0};
    if (share > 1.0) share = 1.0;
    const double target = share * width * height;
    const double ideal = height * std::sqrt(share);
    // Heights from the ideal one outwards, each with the width nearest the asked area: the first
    // within the tolerance keeps the aspect ratio best (a small window on an odd size may have to
    // bend it to reach its area in whole pixels); failing all, the nearest area.
    int bestWidth = 0, bestHeight = 0;
    double bestError = -1.0;
    for (int step = 0; step <= 2 * height; ++step) {
        const int h = static_cast<int>(std::lround(ideal)) + (step % 2 ? (step + 1) / 2 : -step / 2);
        if (h < 1 || h > height) continue;
        int w = static_cast<int>(std::lround(target / h));
        if (w < 1) w = 1;
        if (w > width) w = width;
        const double error = std::fabs(static_cast<double>(w) * h - target);
        if (bestError < 0.0 || error < bestError) {
            bestWidth = w;
            bestHeight = h;
            bestError = error;
        }
        if (error < kAreaTolerance * target) break;
    }
    const int left = (width - bestWidth) / 2, top = (height - bestHeight) / 2;
    return {left, top, left + bestWidth, top + bestHeight};
}

HdrScreen PeakWindowScreen(int width, int height, int index) {
    HdrScreen screen = {width, height, Grey(0.0), {}, {}};
    if (index < 0 || index >= kPeakWindowCount) return screen;
    const int label = HdrLabelHeight(height);
    const HdrRect caption = {label, height - 2 * label, width / 2, height - label};
    screen.patches.push_back(
        {PeakWindowRect(width, height, kPeakWindowShares[index]), Grey(kFullSignalNits), kFullSignalNits, caption});
    return screen;
}
