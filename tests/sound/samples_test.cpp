// The samples of one sweep pass: exact frames, peak level, constant-power pan, pitch and fades.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "sound/sweep_samples.h"

namespace {

struct Frame {
    int index;
    int left;
    int right;
};

// Worked out by hand from the synthesis rules (sine tone, cos/sin pan, 441-frame fades, 24 000 peak,
// truncation toward zero).
constexpr Frame kKnownFrames[] = {
    {0, 0, 0}, {1, 3, 0}, {25, 1360, 0}, {441, 14106, 44}, {110275, 16967, 16973}, {220499, 0, -3},
};

const std::vector<short>& Pass() {
    static const std::vector<short> samples = [] {
        // One guard sample past the end: it shows nothing is written beyond the pass, and keeps this
        // copy from looking like a sweep buffer to the heap count of the life-cycle tests.
        std::vector<short> s(kSweepFrames * kSweepChannels + 1, 12345);
        FillSweepSamples(s.data());
        EXPECT_EQ(s.back(), 12345);
        s.pop_back();
        return s;
    }();
    return samples;
}

int Left(int frame) { return Pass()[2 * frame]; }
int Right(int frame) { return Pass()[2 * frame + 1]; }
double Power(int frame) { return std::sqrt(double(Left(frame)) * Left(frame) + double(Right(frame)) * Right(frame)); }

// Largest combined level over one tone period (100.2 frames) starting at frame.
double PeakPower(int frame) {
    double peak = 0;
    for (int i = frame; i < frame + 101 && i < kSweepFrames; ++i) peak = std::max(peak, Power(i));
    return peak;
}

int PeakOf(int channel, int first, int count) {
    int peak = 0;
    for (int i = first; i < first + count; ++i) peak = std::max(peak, std::abs(int(Pass()[2 * i + channel])));
    return peak;
}

TEST(SweepSamples, KnownFramesAndLevelLimit) {
    EXPECT_EQ(kSweepBytes, 882000);
    for (const Frame& f : kKnownFrames) {
        EXPECT_EQ(Left(f.index), f.left) << "frame " << f.index;
        EXPECT_EQ(Right(f.index), f.right) << "frame " << f.index;
    }
    int largest = 0;
    for (short s : Pass()) largest = std::max(largest, std::abs(int(s)));
    EXPECT_LE(largest, 23999);
    EXPECT_GE(largest, 23990);
}

TEST(SweepSamples, PanKeepsPowerConstantAndEnvelopeShapesIt) {
    // Full envelope: the combined level peaks at the amplitude wherever the tone sits in the pan.
    for (int frame = 441; frame + 101 <= 220060; frame += 997) {
        const double peak = PeakPower(frame);
        EXPECT_GE(peak, 23950) << frame;
        EXPECT_LE(peak, 24000) << frame;
    }
    // Fades: the level grows in proportion over the first 441 frames and shrinks over the last 441.
    for (int frame : {0, 100, 200, 300}) {
        const double peak = PeakPower(frame);
        EXPECT_LE(peak, 24000.0 * (frame + 101) / 441 + 2) << frame;
        EXPECT_GE(peak, 24000.0 * frame / 441 * 0.99 - 2) << frame;
    }
    for (int frame : {220060, 220160, 220260, 220360}) {
        const double peak = PeakPower(frame);
        EXPECT_LE(peak, 24000.0 * (220500 - frame) / 441 + 2) << frame;
        EXPECT_GE(peak, 24000.0 * (220500 - frame - 101) / 441 * 0.99 - 2) << frame;
    }
}

TEST(SweepSamples, TravelsLeftToRightAtConstantPitch) {
    // Left alone at the start, both equal in the middle, right alone at the end.
    EXPECT_GE(PeakOf(0, 441, 4410), 23900);
    EXPECT_LE(PeakOf(1, 441, 4410), 24000 * 0.035);  // sin(pi/2 * 4850/220499) = 0.03455
    EXPECT_NEAR(PeakOf(0, 110250 - 50, 101), PeakOf(1, 110250 - 50, 101), 30);
    EXPECT_GE(PeakOf(1, 215650, 4410), 23900);
    EXPECT_LE(PeakOf(0, 215650, 4410), 24000 * 0.035);  // cos(pi/2 * 215650/220499) = 0.03454
    // 440 Hz for 5 s: 2200 rising zero crossings of the tone (the sum of the channels has its sign).
    int rising = 0;
    for (int i = 1; i < kSweepFrames; ++i) {
        const int before = Left(i - 1) + Right(i - 1);
        const int now = Left(i) + Right(i);
        if (before < 0 && now >= 0) ++rising;
    }
    EXPECT_NEAR(rising, 2200, 1);
}

}  // namespace
