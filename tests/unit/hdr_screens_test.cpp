// The HDR screens' frames: each box's luminance, each window's area and the ramp's steps, probed
// in painted frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "hdr/gamut_matrix.h"
#include "hdr/half_float.h"
#include "hdr/hdr_screens.h"
#include "hdr/pq_curve.h"

namespace {

// The scRGB value the frame must hold for a luminance, converted here through double precision.
float Scrgb(double nits) { return static_cast<float>(nits / 80.0); }

HdrFrame Painted(const HdrScreen& screen) {
    HdrFrame frame;
    PaintHdrScreen(screen, &frame);
    return frame;
}

float ValueAt(const HdrFrame& frame, int x, int y, HdrChannel channel = kHdrRed) {
    return HalfToFloat(HalfAt(frame, x, y, channel));
}

long long CountValue(const HdrFrame& frame, float value) {
    long long count = 0;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) count += ValueAt(frame, x, y) == value;
    }
    return count;
}

// Probes the middle and the four corners of each patch against its luminance, and one pixel just
// outside its left edge against the background.
void ExpectBoxes(const HdrScreen& screen, const double* levels, int count, double background) {
    const HdrFrame frame = Painted(screen);
    for (int k = 0; k < count; ++k) {
        const HdrRect r = screen.patches[k].rect;
        ASSERT_FALSE(IsEmpty(r)) << k;
        EXPECT_EQ(screen.patches[k].nits, levels[k]);
        const int xs[] = {r.left, (r.left + r.right) / 2, r.right - 1}, ys[] = {r.top, (r.top + r.bottom) / 2, r.bottom - 1};
        for (int x : xs) {
            for (int y : ys) EXPECT_EQ(ValueAt(frame, x, y, kHdrGreen), HalfToFloat(FloatToHalf(Scrgb(levels[k])))) << k;
        }
        EXPECT_EQ(ValueAt(frame, r.left - 1, r.top), Scrgb(background)) << k;
        EXPECT_EQ(ValueAt(frame, r.left, r.top, kHdrAlpha), 1.0f);
        EXPECT_GE(screen.patches[k].label.top, r.bottom) << "label beneath box " << k;
    }
}

TEST(HdrScreens, BoxesHoldTheirLuminances) {
    const double clipping[] = {400, 500, 600, 700, 800, 900, 1000, 1100, 1200, 1400, 1600, 2000, 2500, 3000, 4000, 6000, 10000};
    const double nearBlack[] = {0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2};
    for (const auto& size : {std::make_pair(1920, 1080), std::make_pair(1280, 1024), std::make_pair(1024, 768)}) {
        SCOPED_TRACE(size.first);
        ExpectBoxes(ClippingScreen(size.first, size.second, 0), clipping, 17, 5);
        ExpectBoxes(NearBlackScreen(size.first, size.second), nearBlack, 9, 0);
        EXPECT_EQ(ClippingScreen(size.first, size.second, 0).patches.size(), 17u);
    }
}

TEST(HdrScreens, TheClaimedPeakMarksTheStepAtOrBelowIt) {
    const struct {
        double claim;
        int marked;
    } table[] = {{0, -1}, {399, -1}, {400, 0}, {450, 0}, {1000, 6}, {1050, 6}, {1399, 8}, {9999, 15}, {10000, 16}, {40000, 16}};
    for (const auto& row : table) {
        ASSERT_EQ(MarkedClippingStep(row.claim), row.marked) << row.claim;
        const HdrScreen screen = ClippingScreen(1920, 1080, row.claim);
        ASSERT_EQ(screen.patches.size(), row.marked < 0 ? 17u : 21u) << row.claim;
        if (row.marked < 0) continue;
        // At 1080 rows the frame is 3 pixels wide, 3 pixels out: standard white on every side, the
        // gap and what lies beyond it at the background, the box its own.
        const HdrFrame frame = Painted(screen);
        const HdrRect r = screen.patches[row.marked].rect;
        const int midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
        const int probes[][2] = {{r.left - 4, midY}, {r.right + 5, midY}, {midX, r.top - 6}, {midX, r.bottom + 3}};
        for (const auto& p : probes) EXPECT_EQ(ValueAt(frame, p[0], p[1]), 1.0f) << row.claim;
        EXPECT_EQ(ValueAt(frame, r.left - 1, midY), Scrgb(5)) << row.claim;
        EXPECT_EQ(ValueAt(frame, r.left - 3, midY), Scrgb(5)) << row.claim;
        EXPECT_EQ(ValueAt(frame, r.left - 7, midY), Scrgb(5)) << row.claim;
        EXPECT_EQ(ValueAt(frame, midX, midY), HalfToFloat(FloatToHalf(Scrgb(screen.patches[row.marked].nits))));
    }
}

// Every peak window over thousands of generated screens holds its share within 0.1 % in whole,
// centred pixels; on the common sizes it keeps the screen's aspect ratio within about a tenth
// (only odd sizes make a small window bend further to reach its area); painted, exactly its
// pixels are at 125.0.
TEST(HdrScreens, PeakWindowsHoldTheirShareOfTheArea) {
    const double shares[] = {0.01, 0.02, 0.05, 0.10, 0.25, 0.50, 1.0};
    const auto check = [&](int width, int height, double bendAllowed) {
        for (int index = 0; index < 7; ++index) {
            const HdrRect r = PeakWindowScreen(width, height, index).patches.at(0).rect;
            const double area = static_cast<double>(r.right - r.left) * (r.bottom - r.top);
            ASSERT_NEAR(area / (static_cast<double>(width) * height), shares[index], shares[index] * 0.001)
                << width << " x " << height << " share " << shares[index];
            ASSERT_LE(std::abs(r.left + r.right - width), 1);
            ASSERT_LE(std::abs(r.top + r.bottom - height), 1);
            const double bend = static_cast<double>(r.right - r.left) / (r.bottom - r.top) * height / width;
            ASSERT_NEAR(bend, 1.0, bendAllowed) << width << " x " << height << " share " << shares[index];
        }
    };
    const int common[][2] = {{1024, 768}, {1280, 720}, {1280, 1024}, {1366, 768}, {1440, 900}, {1600, 900},
                             {1680, 1050}, {1920, 1080}, {1920, 1200}, {2560, 1080}, {2560, 1440}, {3440, 1440},
                             {3840, 1600}, {3840, 2160}, {5120, 1440}, {5120, 2160}, {7680, 4320}};
    for (const auto& size : common) check(size[0], size[1], 0.11);
    std::mt19937 random(125);
    std::uniform_int_distribution<int> side(800, 7680);
    std::uniform_real_distribution<double> aspect(1.0, 3.6);
    for (int k = 0; k < 4000; ++k) {
        const int width = side(random);
        check(width, std::max(600, static_cast<int>(width / aspect(random))), 1.0);
    }
    for (int index : {0, 3, 6}) {
        const HdrScreen screen = PeakWindowScreen(1366, 768, index);
        const HdrRect r = screen.patches[0].rect;
        const HdrFrame frame = Painted(screen);
        EXPECT_EQ(CountValue(frame, 125.0f), static_cast<long long>(r.right - r.left) * (r.bottom - r.top));
        EXPECT_EQ(CountValue(frame, 125.0f) + CountValue(frame, 0.0f), 1366 * 768);
    }
}

TEST(HdrScreens, BloomingHasPixelsDotsABoxAndRoomForText) {
    const HdrScreen screen = BloomingScreen(1920, 1080);
    HdrFrame frame = Painted(screen);
    const HdrRect box = screen.patches.back().rect;
    const long long boxArea = static_cast<long long>(box.right - box.left) * (box.bottom - box.top);
    EXPECT_NEAR(boxArea / (1920.0 * 1080), 0.01, 0.00001);
    EXPECT_EQ(CountValue(frame, 125.0f), 9 + 9 * 9 + boxArea);
    // A single pixel stands alone.
    const HdrRect p = screen.patches[4].rect;
    EXPECT_EQ(ValueAt(frame, p.left, p.top) - ValueAt(frame, p.left + 1, p.top) - ValueAt(frame, p.left, p.top + 1), 125.0f);
    // Text coverage: none keeps black, full gives the full signal, half gives half of it in linear light.
    const HdrRect line = screen.captions.at(kBloomTextLine);
    const uint8_t coverage[] = {0, 255, 51, 0, 0, 255};
    PaintCoverage(&frame, {line.left, line.top, line.left + 3, line.top + 2}, coverage, 3, Grey(10000));
    const float expected[] = {0, 125, 25, 0, 0, 125};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(ValueAt(frame, line.left + k % 3, line.top + k / 3, kHdrBlue), expected[k]) << k;
}

// The ramp's steps: every code in order, each at the luminance the PQ curve gives its code
// (worked out here from the published constants), and widths within one pixel of each other.
TEST(HdrScreens, TenBitStepsFollowThePqCodes) {
    const double m1 = 2610.0 / 16384, m2 = 2523.0 / 4096 * 128;
    const double c1 = 3424.0 / 4096, c2 = 2413.0 / 4096 * 32, c3 = 2392.0 / 4096 * 32;
    const auto eotf = [&](int code) {
        const double p = std::pow(code / 1023.0, 1 / m2);
        return 10000 * std::pow(std::max(p - c1, 0.0) / (c2 - c3 * p), 1 / m1);
    };
    for (int width : {3840, 1920, 1366, 1024}) {
        const HdrScreen screen = TenBitStepsScreen(width, 1080);
        ASSERT_EQ(screen.patches.size(), 521u + 131u);
        const HdrFrame frame = Painted(screen);
        const struct {
            size_t first;
            int count, codeStep;
        } halves[] = {{0, 521, 1}, {521, 131, 4}};
        for (const auto& half : halves) {
            int narrowest = width, widest = 0, x = 0;
            for (int k = 0; k < half.count; ++k) {
                const HdrPatch& step = screen.patches[half.first + k];
                const int code = k * half.codeStep;
                ASSERT_EQ(step.rect.left, x) << k;
                ASSERT_NEAR(step.nits, eotf(code), eotf(code) * 1e-12 + 1e-12) << code;
                x = step.rect.right;
                narrowest = std::min(narrowest, x - step.rect.left);
                widest = std::max(widest, x - step.rect.left);
                ASSERT_EQ(ValueAt(frame, step.rect.right - 1, step.rect.top), HalfToFloat(FloatToHalf(Scrgb(eotf(code)))));
            }
            EXPECT_EQ(x, width);
            EXPECT_LE(widest - narrowest, 1) << width;
            EXPECT_EQ(PqCode10(screen.patches[half.first + half.count - 1].nits), 520);
        }
        EXPECT_LT(screen.patches[0].rect.bottom, screen.captions[kStepsEightBitCaption].bottom);
    }
}

}  // namespace
