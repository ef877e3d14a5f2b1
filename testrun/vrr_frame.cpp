// The variable-refresh screens' backdrops and the positions of what moves over them.
#include "testrun/vrr_frame.h"

#include <math.h>

namespace {

int Max(int a, int b) { return a > b ? a : b; }

// Whole pixels moved after `seconds` (negative times count as 0).
long long Travel(double seconds) {
    return seconds > 0 ? static_cast<long long>(floor(seconds * kVrrPixelsPerSecond)) : 0;
}

}  // namespace

VrrLayout LayOutVrrScreen(int width, int height) {
    VrrLayout l = {};
    l.barsBottom = height * 2 / 3;
    l.blockSide = Max(1, height / 8);
    l.blockTop = Max(l.barsBottom, height - l.blockSide - height / 24);
    l.textLeft = Max(0, width / 32);
    l.textTop = l.barsBottom + height / 48;
    l.patchWidth = Max(1, width / 5);
    l.patchHeight = Max(1, height / 3);
    l.patchTop = height / 3;
    l.patchLeft[0] = width / 5;
    l.patchLeft[1] = width * 3 / 5;
    return l;
}

int VrrBackdropWidth(VrrScreen screen, int width) {
    return screen == kVrrScreenSweep ? width + kVrrBarPeriod : width;
}

void FillVrrBackdrop(VrrScreen screen, int width, int height, uint32_t* pixels) {
    const int stride = VrrBackdropWidth(screen, width);
    const VrrLayout l = LayOutVrrScreen(width, height);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = pixels + static_cast<long long>(y) * stride;
        for (int x = 0; x < stride; ++x) {
            uint32_t pixel = kVrrBlack;
            if (screen == kVrrScreenSweep) {
                if (y < l.barsBottom && x % kVrrBarPeriod < kVrrBarWidth) pixel = kVrrWhite;
            } else if (y >= l.patchTop && y < l.patchTop + l.patchHeight) {
                if (x >= l.patchLeft[0] && x < l.patchLeft[0] + l.patchWidth) pixel = kVrrGrey5;
                if (x >= l.patchLeft[1] && x < l.patchLeft[1] + l.patchWidth) pixel = kVrrGrey20;
            }
            row[x] = pixel;
        }
    }
}

int VrrScrollOffset(double seconds) {
    const int moved = static_cast<int>(Travel(seconds) % kVrrBarPeriod);
    return (kVrrBarPeriod - moved) % kVrrBarPeriod;
}

int VrrBlockLeft(int width, int blockSide, double seconds) {
    const long long track = width - blockSide + 1;
    return track > 0 ? static_cast<int>(Travel(seconds) % track) : 0;
}
