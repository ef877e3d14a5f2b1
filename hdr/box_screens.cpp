// The clipping-steps, near-black and blooming screens: boxes and dots of set luminances.
#include <algorithm>

#include "hdr/hdr_grid.h"
#include "hdr/hdr_screens.h"

namespace {

constexpr int kClippingColumns = 6;
constexpr int kNearBlackColumns = 5;
// The blooming screen's pixels and dots sit in a 3 x 3 pattern in their quarter.
constexpr int kBloomPatternSide = 3;
constexpr int kBloomDotSide = 3;

std::vector<HdrPatch> GreyGrid(int width, int height, const double* levels, int count, int columns) {
    std::vector<GridEntry> entries;
    for (int k = 0; k < count; ++k) entries.push_back({Grey(levels[k]), levels[k]});
    return GridPatches(width, height, entries.data(), count, columns);
}

// The four sides of a frame `thickness` pixels wide, `gap` pixels outside `box`.
void AddFrame(const HdrRect& box, int gap, int thickness, std::vector<HdrPatch>* patches) {
    const HdrRect outer = {box.left - gap - thickness, box.top - gap - thickness, box.right + gap + thickness,
                           box.bottom + gap + thickness};
    const HdrRect inner = {box.left - gap, box.top - gap, box.right + gap, box.bottom + gap};
    const HdrRect sides[4] = {{outer.left, outer.top, outer.right, inner.top},
                              {outer.left, inner.bottom, outer.right, outer.bottom},
                              {outer.left, inner.top, inner.left, inner.bottom},
                              {inner.right, inner.top, outer.right, inner.bottom}};
    for (const HdrRect& side : sides) patches->push_back({side, Grey(kSdrWhiteNits), kSdrWhiteNits, {0, 0, 0, 0}});
}

// A quarter of the screen: 0 top left, 1 top right, 2 bottom left, 3 bottom right.
HdrRect Quarter(int width, int height, int index) {
    const int left = index % 2 ? width / 2 : 0, top = index / 2 ? height / 2 : 0;
    return {left, top, index % 2 ? width : width / 2, index / 2 ? height : height / 2};
}

// A 3 x 3 pattern of squares `side` pixels wide, spread over the middle half of `area`.
void AddPattern(const HdrRect& area, int side, std::vector<HdrPatch>* patches) {
    const int spanX = (area.right - area.left) / 2, spanY = (area.bottom - area.top) / 2;
    for (int k = 0; k < kBloomPatternSide * kBloomPatternSide; ++k) {
        const int x = area.left + spanX / 2 + (k % kBloomPatternSide) * spanX / (kBloomPatternSide - 1) - side / 2;
        const int y = area.top + spanY / 2 + (k / kBloomPatternSide) * spanY / (kBloomPatternSide - 1) - side / 2;
        patches->push_back({{x, y, x + side, y + side}, Grey(kFullSignalNits), kFullSignalNits, {0, 0, 0, 0}});
    }
}

}  // namespace

const double kClippingStepNits[kClippingStepCount] = {400,  500,  600,  700,  800,  900,  1000, 1100, 1200,
                                                      1400, 1600, 2000, 2500, 3000, 4000, 6000, 10000};
const double kNearBlackNits[kNearBlackCount] = {0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2};

int MarkedClippingStep(double claimedPeakNits) {
    int marked = -1;
    for (int k = 0; k < kClippingStepCount; ++k) {
        if (kClippingStepNits[k] <= claimedPeakNits) marked = k;
    }
    return marked;
}

HdrScreen ClippingScreen(int width, int height, double claimedPeakNits) {
    HdrScreen screen = {width, height, Grey(kClippingBackgroundNits), {}, {}};
    screen.patches = GreyGrid(width, height, kClippingStepNits, kClippingStepCount, kClippingColumns);
    const int marked = MarkedClippingStep(claimedPeakNits);
    if (marked >= 0) {
        const int thickness = std::max(2, height / 360);
        AddFrame(screen.patches[marked].rect, thickness, thickness, &screen.patches);
    }
    return screen;
}

HdrScreen NearBlackScreen(int width, int height) {
    HdrScreen screen = {width, height, Grey(0.0), {}, {}};
    screen.patches = GreyGrid(width, height, kNearBlackNits, kNearBlackCount, kNearBlackColumns);
    return screen;
}

HdrScreen BloomingScreen(int width, int height) {
    HdrScreen screen = {width, height, Grey(0.0), {}, {}};
    const int label = HdrLabelHeight(height);
    for (int k = 0; k < 4; ++k) {
        const HdrRect quarter = Quarter(width, height, k);
        screen.captions.push_back({quarter.left + label, quarter.top + label / 2, quarter.right - label,
                                   quarter.top + label / 2 + label});
    }
    AddPattern(Quarter(width, height, 0), 1, &screen.patches);
    AddPattern(Quarter(width, height, 1), kBloomDotSide, &screen.patches);
    // The 1 % box is the peak window's, moved to the middle of its quarter.
    const HdrRect box = PeakWindowRect(width, height, 0.01);
    const HdrRect third = Quarter(width, height, 2);
    const int dx = (third.left + third.right) / 2 - (box.left + box.right) / 2;
    const int dy = (third.top + third.bottom) / 2 - (box.top + box.bottom) / 2;
    screen.patches.push_back({{box.left + dx, box.top + dy, box.right + dx, box.bottom + dy}, Grey(kFullSignalNits),
                              kFullSignalNits, {0, 0, 0, 0}});
    const HdrRect fourth = Quarter(width, height, 3);
    const int middle = (fourth.top + fourth.bottom) / 2;
    screen.captions.push_back({fourth.left + label, middle - label, fourth.right - label, middle + label});
    return screen;
}
