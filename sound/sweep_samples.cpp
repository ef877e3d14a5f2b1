// The samples of one left-to-right pass of the 440 Hz sweep: pure arithmetic, no Windows.
#include "sound/sweep_samples.h"

#include <cmath>

namespace {

// Every angle uses this rounded pi so the samples are the same on every compiler and library.
constexpr double kPi = 3.14159265358979;
// 2 * kPi * 440 folded by hand into one constant; t is multiplied by it, not by its factors.
constexpr double kToneRadiansPerSecond = 2764.6015351590154;
constexpr double kAmplitude = 24000.0;
constexpr int kFadeFrames = 441;  // 10 ms

double Envelope(int frame) {
    if (frame < kFadeFrames) return frame / 441.0;
    // The fade-out ends at 1/441 on the last frame, not at zero.
    if (frame > kSweepFrames - kFadeFrames) return (kSweepFrames - frame) / 441.0;
    return 1.0;
}

}  // namespace

void FillSweepSamples(short* samples) {
    for (int i = 0; i < kSweepFrames; ++i) {
        const double t = i / 44100.0;
        const double tone = std::sin(t * kToneRadiansPerSecond);
        // Divide by the frame count minus one so the last frame sits fully on the right.
        const double p = i / 220499.0;
        const double theta = p * kPi * 0.5;
        const double e = Envelope(i);
        // Constant-power pan; the products run in this order and truncate toward zero.
        samples[2 * i] = static_cast<short>(static_cast<int>(tone * std::cos(theta) * e * kAmplitude));
        samples[2 * i + 1] = static_cast<short>(static_cast<int>(tone * std::sin(theta) * e * kAmplitude));
    }
}
