// The resolution screens: line-pair blocks, the converging wedge with its line series, and the
// text-size table on its pixel grid, probed at hand-computed coordinates.
#include <gtest/gtest.h>

#include <vector>

#include "app/texts.h"
#include "patterns/patterns.h"
#include "tests/support/canvas.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrid = RGB(228, 228, 228);

// Columns of row y, from x0 up to x1 (exclusive), whose pixel is exactly `colour`.
std::vector<int> ColumnsOf(const Canvas& c, int y, int x0, int x1, COLORREF colour) {
    std::vector<int> xs;
    for (int x = x0; x < x1; ++x)
        if (c.At(x, y) == colour) xs.push_back(x);
    return xs;
}

int NonWhite(const Canvas& c, const RECT& r) { return (r.right - r.left) * (r.bottom - r.top) - c.Count(r, kWhite); }

// Pixels darker than the grid inside `r`: text, never grid or background.
int Ink(const Canvas& c, const RECT& r) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += GetGValue(c.At(x, y)) < 220;
    return n;
}

class BurstScreen : public ::testing::Test {
protected:
    // 1920 x 1080: block width (1920 - 98)/6 = 303, pitch 317, so blocks start at 14, 331, 648, 965,
    // 1282, 1599; rows 1080/14 = 77, 5400/14 = 385, 9720/14 = 694, 1080 - 77 = 1003.
    Canvas c{1920, 1080};
    void SetUp() override {
        RECT r = c.Rect();
        DrawBurst(c.dc, &r);
    }
};

TEST_F(BurstScreen, VerticalBarsStartAtTheBlockEdgeWithHalfPeriodWidth) {
    const int starts[6] = {14, 331, 648, 965, 1282, 1599};
    const int periods[6] = {16, 12, 8, 6, 4, 2};
    for (int i = 0; i < 6; ++i) {
        const int x0 = starts[i];
        const int half = periods[i] / 2;
        EXPECT_EQ(c.At(x0 - 1, 200), kWhite) << i;
        EXPECT_EQ(c.At(x0, 200), kBlack) << i;
        EXPECT_EQ(c.At(x0 + half - 1, 200), kBlack) << i;
        EXPECT_EQ(c.At(x0 + half, 200), kWhite) << i;
        EXPECT_EQ(c.At(x0 + periods[i] - 1, 200), kWhite) << i;
        EXPECT_EQ(c.At(x0 + periods[i], 200), kBlack) << i;
        // Right frame on x0 + 302, nothing at x0 + 303.
        EXPECT_EQ(c.At(x0 + 302, 200), kBlack) << i;
        EXPECT_EQ(c.At(x0 + 303, 200), kWhite) << i;
        // Frame rows 77 and 384; the gap columns are white between them.
        EXPECT_EQ(c.At(x0 + half, 77), kBlack) << i;
        EXPECT_EQ(c.At(x0 + half, 78), kWhite) << i;
        EXPECT_EQ(c.At(x0 + half, 384), kBlack) << i;
        EXPECT_EQ(c.At(x0 + half, 385), kWhite) << i;
        EXPECT_EQ(c.At(x0 + half, 76), kWhite) << i;
    }
    // 16 px block: the last bar is 14 + 16*18 = 302 .. 309, then white up to the frame at 316.
    EXPECT_EQ(c.At(309, 200), kBlack);
    EXPECT_EQ(c.At(310, 200), kWhite);
    EXPECT_EQ(c.At(315, 200), kWhite);
    // 2 px block: black on even offsets from 1599, white on odd ones, up to the frame at 1901.
    EXPECT_EQ(c.At(1900, 200), kWhite);
    EXPECT_EQ(c.At(1899, 200), kBlack);
}

TEST_F(BurstScreen, HorizontalBarsStartAtTheBlockTopAndStopAtItsBottom) {
    // 16 px block from 694: black 694..701, white 702..709, black 710; the last bar 998..1002 is cut at 1003.
    EXPECT_EQ(c.At(100, 693), kWhite);
    EXPECT_EQ(c.At(100, 694), kBlack);
    EXPECT_EQ(c.At(100, 701), kBlack);
    EXPECT_EQ(c.At(100, 702), kWhite);
    EXPECT_EQ(c.At(100, 709), kWhite);
    EXPECT_EQ(c.At(100, 710), kBlack);
    EXPECT_EQ(c.At(100, 1002), kBlack);
    EXPECT_EQ(c.At(100, 1003), kWhite);
    // 6 px block at 965: black 694..696, white 697..699, black 700.
    EXPECT_EQ(c.At(1000, 696), kBlack);
    EXPECT_EQ(c.At(1000, 697), kWhite);
    EXPECT_EQ(c.At(1000, 699), kWhite);
    EXPECT_EQ(c.At(1000, 700), kBlack);
    // Frame columns on both sides of the white gaps.
    EXPECT_EQ(c.At(14, 705), kBlack);
    EXPECT_EQ(c.At(316, 705), kBlack);
    EXPECT_EQ(c.At(15, 705), kWhite);
    EXPECT_EQ(c.At(317, 705), kWhite);
}

TEST_F(BurstScreen, LabelsCentredInTheBandBelowTheUpperBlocks) {
    // Label band 385 + 4 = 389 .. 7560/14 - 4 = 536; between 540 and 694 nothing is drawn.
    const int starts[6] = {14, 331, 648, 965, 1282, 1599};
    for (int x0 : starts) {
        const RECT band = {x0, 389, x0 + 303, 536};
        ASSERT_GT(NonWhite(c, band), 0) << x0;
        EXPECT_EQ(c.Count(band, kBlack), 0) << x0;  // grey text, never black
        int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
        for (int y = band.top; y < band.bottom; ++y) {
            for (int x = band.left; x < band.right; ++x) {
                if (c.At(x, y) == kWhite) continue;
                left = x < left ? x : left;
                right = x > right ? x : right;
                top = y < top ? y : top;
                bottom = y > bottom ? y : bottom;
            }
        }
        EXPECT_NEAR((left + right) / 2.0, x0 + 151, 3.0) << x0;
        EXPECT_NEAR((top + bottom) / 2.0, 462, 5.0) << x0;
    }
    EXPECT_EQ(NonWhite(c, {0, 386, 1920, 389}), 0);
    EXPECT_EQ(NonWhite(c, {0, 536, 1920, 694}), 0);
}

class WedgeScreen : public ::testing::Test {
protected:
    // 1920 x 1080: yA = 1080/16 = 67, yB = 7560/16 = 472, yC = 9720/16 = 607, yD = 1013,
    // mid 269.5, left spacing s = 405/28 = 14.464...
    Canvas c{1920, 1080};
    void SetUp() override {
        RECT r = c.Rect();
        DrawWedge(c.dc, &r);
    }
};

TEST_F(WedgeScreen, FanLinesEndWhereRoundingPutsThem) {
    // Left ends: 269.5 -/+ 14.464 i rounded; line 1 at 255 and 284, line 14 at 67 and 472.
    EXPECT_EQ(c.At(8, 255), kBlack);
    EXPECT_EQ(c.At(8, 284), kBlack);
    EXPECT_EQ(c.At(8, 67), kBlack);
    EXPECT_EQ(c.At(8, 472), kBlack);
    EXPECT_EQ(c.At(8, 241), kBlack);  // line 2: 269.5 - 28.93 = 240.57
    EXPECT_EQ(c.At(7, 255), kWhite);
    EXPECT_EQ(c.At(8, 66), kWhite);
    EXPECT_EQ(c.At(8, 473), kWhite);
    EXPECT_EQ(c.Count({8, 256, 9, 284}, kBlack), 0);
    // Right ends: upper line i at 269.5 - (14 - i) + 0.5 truncated = 256 + i, mirror 284 - i; the end
    // point itself (x = 1912) is never set, so the last column drawn is 1911 and rows 257..283 fill it.
    EXPECT_EQ(c.Count({1911, 257, 1912, 284}, kBlack), 27);
    EXPECT_EQ(c.At(1911, 256), kWhite);
    EXPECT_EQ(c.At(1911, 284), kWhite);
    EXPECT_EQ(c.Count({1912, 0, 1920, 1080}, kWhite), 8 * 1080);
    EXPECT_EQ(c.Count({0, 0, 8, 1080}, kWhite), 8 * 1080);
    // Nothing above the wedge.
    EXPECT_EQ(c.Count({0, 0, 1920, 67}, kWhite), 1920 * 67);
}

TEST_F(WedgeScreen, LabelTicksWhereTheSpacingMatches) {
    // u = (s - L)/(s - 1), x = 8 + trunc(1904 u): L = 12 gives (2.464/13.464) 1904 = 348.5 -> 356, and so on.
    const int ticks[6] = {356, 922, 1204, 1487, 1629, 1770};
    for (int x : ticks) {
        EXPECT_EQ(c.Count({x, 460, x + 1, 472}, kBlack), 12) << x;
        EXPECT_EQ(c.At(x, 459), kWhite) << x;
        EXPECT_EQ(c.At(x, 472 + 1), kWhite) << x;
        EXPECT_EQ(c.At(x - 1, 466), kWhite) << x;
        EXPECT_EQ(c.At(x + 1, 466), kWhite) << x;
        // Label text in (x - 30, 474, x + 30, 499), grey, under its tick.
        EXPECT_GT(NonWhite(c, {x - 30, 474, x + 30, 499}), 0) << x;
        EXPECT_EQ(c.Count({x - 30, 474, x + 30, 499}, kBlack), 0) << x;
    }
    EXPECT_EQ(ColumnsOf(c, 466, 300, 1920, kBlack), std::vector<int>(ticks, ticks + 6));
    EXPECT_EQ(NonWhite(c, {0, 499, 1920, 607}), 0);
}

TEST_F(WedgeScreen, SeriesOfFortyLinesThenTwoPixelPitchToTheMargin) {
    std::vector<int> expected = {8,    69,   128,  186,  242,  296,  349,  401,  451,  499,
                                 546,  591,  635,  677,  717,  757,  794,  830,  864,  897,
                                 928,  958,  986,  1013, 1038, 1062, 1084, 1104, 1123, 1140,
                                 1156, 1170, 1183, 1194, 1203, 1211, 1218, 1223, 1226, 1228};
    // The continuation: 1228, 1230, ... 1910 (342 lines; 1912 is not below 1920 - 8).
    for (int x = 1230; x <= 1910; x += 2) expected.push_back(x);
    EXPECT_EQ(ColumnsOf(c, 800, 0, 1920, kBlack), expected);
    for (int x : {8, 1228, 1910}) {
        EXPECT_EQ(c.At(x, 607), kBlack) << x;
        EXPECT_EQ(c.At(x, 1012), kBlack) << x;
        EXPECT_EQ(c.At(x, 606), kWhite) << x;
        EXPECT_EQ(c.At(x, 1013), kWhite) << x;  // end point omitted
    }
}

TEST(WedgeOtherSizes, ScreenOf768RowsDropsTheTwelveLabel) {
    // 1024 x 768: yA = 48, yB = 336, s = 288/28 = 72/7 < 12; u = (72/7 - L)/(65/7) = (72 - 7L)/65:
    // 8 -> 16/65, 6 -> 30/65, 4 -> 44/65, 3 -> 51/65, 2 -> 58/65, times 1008, truncated, plus 8.
    Canvas c(1024, 768);
    RECT r = c.Rect();
    DrawWedge(c.dc, &r);
    const std::vector<int> ticks = {256, 473, 690, 798, 907};
    // Row 330 (in the ticks, 324..335) also crosses the outermost lower line near the left.
    std::vector<int> found = ColumnsOf(c, 330, 100, 1024, kBlack);
    EXPECT_EQ(found, ticks);
    EXPECT_EQ(c.Count({256, 324, 257, 336}, kBlack), 12);
}

TEST(WedgeOtherSizes, NarrowScreensClipTheSeriesAndDropTheContinuation) {
    // The series spans 8 .. 1228 whatever the width; the continuation needs 1228 < W - 8.
    struct Case {
        int width;
        size_t lines;
    };
    // 1200: series lines up to 1194 (34 of them); 1236: all 40, no continuation;
    // 1240: one more at 1230 (1228 itself is already a series line).
    const Case cases[] = {{1200, 34}, {1228, 39}, {1236, 40}, {1240, 41}};
    for (const Case& k : cases) {
        Canvas c(k.width, 1080);
        RECT r = c.Rect();
        DrawWedge(c.dc, &r);
        EXPECT_EQ(ColumnsOf(c, 800, 0, k.width, kBlack).size(), k.lines) << k.width;
    }
}

class PixelTextScreen : public ::testing::Test {
protected:
    // 1920 x 1080: cells 1920/2 = 960 wide and 1080/7 = 154 high; the last row ends at 1078.
    Canvas c{1920, 1080};
    void SetUp() override {
        g_lang = 0;
        RECT r = c.Rect();
        DrawPixelText(c.dc, &r);
    }
};

TEST_F(PixelTextScreen, GridEveryEightPixelsAndBareBottomRows) {
    // Column 1912 and row 1072 lie on the grid and far from any text.
    EXPECT_EQ(c.Count({1912, 0, 1913, 1080}, kGrid), 1080);
    // Column 1913 is white except where the 135 grid rows cross it.
    EXPECT_EQ(c.Count({1913, 0, 1914, 1080}, kWhite), 1080 - 135);
    EXPECT_EQ(c.Count({1913, 0, 1914, 1080}, kGrid), 135);
    EXPECT_EQ(c.Count({0, 1072, 1920, 1073}, kGrid), 1920);
    EXPECT_EQ(c.At(0, 0), kGrid);
    // Rows 1078 and 1079 hold only grid columns: 240 of the 1920 pixels.
    for (int y : {1078, 1079}) {
        EXPECT_EQ(c.Count({0, y, 1920, y + 1}, kGrid), 240) << y;
        EXPECT_EQ(c.Count({0, y, 1920, y + 1}, kWhite), 1680) << y;
    }
}

TEST_F(PixelTextScreen, EachCellHasItsLabelAndSample) {
    for (int i = 0; i < 14; ++i) {
        const int left = (i / 7) * 960;
        const int top = (i % 7) * 154;
        const RECT label = {left + 4, top, left + 44, top + 154};
        const RECT sample = {left + 48, top, left + 956, top + 154};
        EXPECT_GT(Ink(c, label), 0) << i;
        EXPECT_GT(Ink(c, sample), 0) << i;
        // The gap between label and sample, and the cell's first columns, carry no text.
        EXPECT_EQ(Ink(c, {left + 44, top, left + 48, top + 154}), 0) << i;
        EXPECT_EQ(Ink(c, {left, top, left + 4, top + 154}), 0) << i;
        // The label is grey 150 at its darkest, never black.
        EXPECT_EQ(c.Count(label, kBlack), 0) << i;
    }
    // Samples are top-aligned: the 32-pixel sample has ink in its first 12 rows, and its label
    // is centred on row 77.
    EXPECT_GT(Ink(c, {48, 0, 956, 12}), 0);
    EXPECT_EQ(Ink(c, {4, 0, 44, 60}), 0);
    EXPECT_GT(Ink(c, {4, 66, 44, 88}), 0);
    EXPECT_GT(c.Count({48, 0, 956, 154}, kBlack), 0);
}

}  // namespace
