// The 10-bit steps screen: a PQ grey ramp in every 10-bit code above and every 8-bit code below.
#include "hdr/hdr_screens.h"
#include "hdr/pq_curve.h"

namespace {

constexpr int kTenBitSteps = kStepsTopCode + 1;
// An 8-bit signal's codes are every fourth 10-bit code.
constexpr int kEightBitSteps = kStepsTopCode / 4 + 1;

// One row of `count` steps between rows `top` and `bottom`: step k covers columns from
// k * width / count, so the widths differ by at most one pixel.
void AddRamp(int width, int top, int bottom, int count, std::vector<HdrPatch>* patches) {
    for (int k = 0; k < count; ++k) {
        const int left = static_cast<int>(static_cast<long long>(k) * width / count);
        const int right = static_cast<int>(static_cast<long long>(k + 1) * width / count);
        const double nits = PqCode10ToNits(StepCode(k, count));
        patches->push_back({{left, top, right, bottom}, Grey(nits), nits, {0, 0, 0, 0}});
    }
}

}  // namespace

int StepCode(int step, int stepCount) { return stepCount > 1 ? step * kStepsTopCode / (stepCount - 1) : 0; }

HdrScreen TenBitStepsScreen(int width, int height) {
    HdrScreen screen = {width, height, Grey(0.0), {}, {}};
    const int label = HdrLabelHeight(height);
    const int middle = height / 2;
    AddRamp(width, 0, middle - label, kTenBitSteps, &screen.patches);
    AddRamp(width, middle + label, height, kEightBitSteps, &screen.patches);
    screen.captions.push_back({label, middle - label, width - label, middle});
    screen.captions.push_back({label, middle, width - label, middle + label});
    return screen;
}
