// The colour suite (bars, primary gradients, grey steps) and the single-channel ramps, probed pixel by pixel.
#include <gtest/gtest.h>

#include "patterns/colour.h"
#include "patterns/patterns.h"
#include "tests/support/canvas.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kUntouched = RGB(1, 2, 3);

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive once found
    bool Found() const { return right >= 0; }
};

// Pixels inside `area` that differ from `background`, and whether they are all lighter or all darker.
struct LabelInk {
    Box box;
    int lighter = 0;
    int darker = 0;
};

LabelInk FindLabel(const Canvas& c, const RECT& area, int background) {
    LabelInk ink;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF p = c.At(x, y);
            const int v = GetRValue(p);
            if (v == background) continue;
            if (v > background) ++ink.lighter;
            if (v < background) ++ink.darker;
            if (x < ink.box.left) ink.box.left = x;
            if (x > ink.box.right) ink.box.right = x;
            if (y < ink.box.top) ink.box.top = y;
            if (y > ink.box.bottom) ink.box.bottom = y;
        }
    }
    return ink;
}

class ColorsSuiteScreen : public ::testing::Test {
protected:
    // 1920 x 1080: x0 = 1920/8 = 240, right edge 1920 - 240 = 1680, span 1440.
    Canvas c{1920, 1080};
    void SetUp() override {
        c.Clear(kUntouched);
        RECT r = c.Rect();
        DrawColorsSuite(c.dc, &r);
    }
};

TEST_F(ColorsSuiteScreen, BarsAre180WideFrom135To351) {
    // Bar width 1440/8 = 180; top 1080/8 = 135; height 1080/5 = 216, so rows 135..350.
    const COLORREF bars[8] = {RGB(0, 0, 255), RGB(0, 255, 255), RGB(255, 0, 255), RGB(255, 0, 128),
                              RGB(255, 0, 0), RGB(255, 128, 0), RGB(255, 255, 0), RGB(0, 255, 0)};
    for (int i = 0; i < 8; ++i) {
        const int left = 240 + 180 * i;
        EXPECT_EQ(c.At(left, 135), bars[i]) << i;
        EXPECT_EQ(c.At(left + 179, 350), bars[i]) << i;
        EXPECT_EQ(c.Count({left, 135, left + 180, 351}, bars[i]), 180 * 216) << i;
        EXPECT_EQ(c.At(left + 90, 134), kBlack) << i;
        EXPECT_EQ(c.At(left + 90, 351), kBlack) << i;
    }
    EXPECT_EQ(c.At(239, 200), kBlack);
    EXPECT_EQ(c.At(1680, 200), kBlack);
    // Everything the suite does not cover is painted black, not left as it was.
    EXPECT_EQ(c.Count(c.Rect(), kUntouched), 0);
}

TEST_F(ColorsSuiteScreen, GradientRowsRiseToFullColourAtTheMiddle) {
    // Rows start 135 + 216 + 1080/24 = 396 and are 1080/12 = 90 high; the middle is 240 + 720 = 960.
    const COLORREF full[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    for (int k = 0; k < 3; ++k) {
        const int top = 396 + 90 * k;
        const int bottom = top + 89;
        EXPECT_EQ(c.At(960, top), full[k]) << k;
        EXPECT_EQ(c.At(960, bottom), full[k]) << k;
        EXPECT_EQ(c.At(240, top + 45), kBlack) << k;
        const int mid = top + 45;
        int brightest = -1;
        int best = -1;
        for (int x = 240; x < 1680; ++x) {
            const COLORREF p = c.At(x, mid);
            const int level = k == 0 ? GetRValue(p) : k == 1 ? GetGValue(p) : GetBValue(p);
            // Only the row's own channel lights up.
            EXPECT_EQ(GetRValue(p) + GetGValue(p) + GetBValue(p), level) << k << " at " << x;
            if (level > best) {
                best = level;
                brightest = x;
            }
        }
        EXPECT_EQ(best, 255) << k;
        EXPECT_GE(brightest, 958) << k;
        EXPECT_LE(brightest, 960) << k;
        // Halfway out on either side the level is about half, the two sides mirror each other.
        const COLORREF left = c.At(600, mid);
        const COLORREF right = c.At(1320, mid);
        const int leftLevel = GetRValue(left) + GetGValue(left) + GetBValue(left);
        const int rightLevel = GetRValue(right) + GetGValue(right) + GetBValue(right);
        EXPECT_NEAR(leftLevel, 127, 3) << k;
        EXPECT_NEAR(rightLevel, 127, 3) << k;
        EXPECT_LE(GetRValue(c.At(1679, mid)) + GetGValue(c.At(1679, mid)) + GetBValue(c.At(1679, mid)), 2);
    }
    EXPECT_EQ(c.At(960, 395), kBlack);
    EXPECT_EQ(c.At(960, 666), kBlack);
    EXPECT_EQ(c.At(239, 500), kBlack);
    EXPECT_EQ(c.At(1680, 500), kBlack);
}

TEST_F(ColorsSuiteScreen, ElevenGreyStepsWithReadableLabels) {
    // Top 396 + 270 + 45 = 711, height 1080/6 = 180, width 1440/11 = 130: the last ends at 1670.
    const int levels[11] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int j = 0; j < 11; ++j) {
        const int left = 240 + 130 * j;
        const COLORREF grey = RGB(levels[j], levels[j], levels[j]);
        EXPECT_EQ(c.At(left, 711), grey) << j;
        EXPECT_EQ(c.At(left + 129, 890), grey) << j;
        EXPECT_EQ(c.At(left + 5, 715), grey) << j;

        const LabelInk ink = FindLabel(c, {left, 711, left + 130, 891}, levels[j]);
        ASSERT_TRUE(ink.box.Found()) << j;
        // Light grey on the six darker steps (up to 50%, level 127), black from 60% (153) on.
        if (j <= 5) {
            EXPECT_GT(ink.lighter, 0) << j;
            EXPECT_EQ(ink.darker, 0) << j;
        } else {
            EXPECT_GT(ink.darker, 0) << j;
            EXPECT_EQ(ink.lighter, 0) << j;
        }
        // Centred in the step both ways.
        EXPECT_NEAR((ink.box.left + ink.box.right) / 2.0, left + 64.5, 3.0) << j;
        EXPECT_NEAR((ink.box.top + ink.box.bottom) / 2.0, 800.5, 3.0) << j;
    }
    EXPECT_EQ(c.Count({1670, 711, 1680, 891}, kBlack), 10 * 180);
    EXPECT_EQ(c.At(500, 710), kBlack);
    EXPECT_EQ(c.At(500, 891), kBlack);
    // The labels' extremes: light grey 200 on the 50% step, black on the 60% step.
    bool light = false;
    for (int y = 711; y < 891 && !light; ++y)
        for (int x = 890; x < 1020; ++x) light = light || c.At(x, y) == RGB(200, 200, 200);
    EXPECT_TRUE(light);
    EXPECT_GT(c.Count({1020, 711, 1150, 891}, kBlack), 0);
}

TEST(ChannelRamp, FullHdBandsAlternateSevenAndEightPixels) {
    // Band width 1920/256 = 7.5: band i covers trunc(7.5 i) .. trunc(7.5 (i + 1)) - 1.
    Canvas c(1930, 1080);
    c.Clear(kUntouched);
    const RECT r = {0, 0, 1920, 1080};
    DrawRampRed(c.dc, &r);
    const int probes[][2] = {{0, 0}, {6, 0}, {7, 1}, {14, 1}, {15, 2}, {21, 2}, {22, 3}, {29, 3},
                             {30, 4}, {1904, 253}, {1905, 254}, {1911, 254}, {1912, 255}, {1919, 255}};
    for (const auto& p : probes) {
        EXPECT_EQ(c.At(p[0], 0), RGB(p[1], 0, 0)) << p[0];
        EXPECT_EQ(c.At(p[0], 1079), RGB(p[1], 0, 0)) << p[0];
    }
    // The last band ends exactly at the right edge.
    EXPECT_EQ(c.Count({1920, 0, 1930, 1080}, kUntouched), 10 * 1080);
    EXPECT_EQ(c.Count({0, 0, 1920, 1080}, kUntouched), 0);
}

TEST(ChannelRamp, ChannelPicksTheColour) {
    Canvas c(512, 4);
    RECT r = c.Rect();
    // 512/256 = 2 pixels a band: band 100 at x = 200, 201.
    DrawRampGreen(c.dc, &r);
    EXPECT_EQ(c.At(201, 2), RGB(0, 100, 0));
    DrawRampBlue(c.dc, &r);
    EXPECT_EQ(c.At(200, 0), RGB(0, 0, 100));
    DrawChannelRamp(c.dc, &r, 7);  // any other channel is blue
    EXPECT_EQ(c.At(511, 3), RGB(0, 0, 255));
    DrawChannelRamp(c.dc, &r, 0);
    EXPECT_EQ(c.At(2, 1), RGB(1, 0, 0));
}

TEST(ChannelRamp, NarrowScreenShowsTheLastBandOnEachColumn) {
    // 100 / 256 = 0.390625 pixels a band: column x holds bands 2.56 x .. 2.56 (x + 1), each at least
    // one pixel, and keeps the last: column 0 band 2, 1 band 5, 50 band 130, 99 band 255.
    Canvas c(110, 3);
    c.Clear(kUntouched);
    const RECT r = {0, 0, 100, 3};
    DrawRampRed(c.dc, &r);
    EXPECT_EQ(c.At(0, 1), RGB(2, 0, 0));
    EXPECT_EQ(c.At(1, 1), RGB(5, 0, 0));
    EXPECT_EQ(c.At(50, 1), RGB(130, 0, 0));
    EXPECT_EQ(c.At(99, 1), RGB(255, 0, 0));
    EXPECT_EQ(c.Count({100, 0, 110, 3}, kUntouched), 30);

    // One column: all 256 bands land on it.
    const RECT one = {0, 0, 1, 3};
    DrawRampGreen(c.dc, &one);
    EXPECT_EQ(c.At(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(c.At(1, 0), RGB(5, 0, 0));

    // No columns at all: nothing is painted, not even outside the rectangle.
    c.Clear(kUntouched);
    const RECT none = {0, 0, 0, 3};
    DrawRampBlue(c.dc, &none);
    EXPECT_EQ(c.Count(c.Rect(), kUntouched), 110 * 3);
}

}  // namespace
