// Probes of the geometry and convergence screens: grid lines, circles, frames, arrows, marks and Pluge.
#include <windows.h>

#include <gtest/gtest.h>

#include "patterns/patterns.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kFrameBlue = RGB(0, 128, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

// Geometry 1 at 1920 x 1080: pitch 45, lines x = 0..1890 and y = 0..1035.
TEST(Geometry, Geometry1GridAt1920x1080) {
    auto c = PaintScreen(DrawGeometry1, 1920, 1080);
    for (int k = 0; k <= 42; ++k) EXPECT_PIXEL(*c, 45 * k, 20, kBlack) << "column line " << k;
    for (int k = 0; k <= 23; ++k) EXPECT_PIXEL(*c, 20, 45 * k, kBlack) << "row line " << k;
    EXPECT_EQ(c->Count({0, 20, 1920, 21}, kBlack), 43);
    EXPECT_EQ(c->Count({20, 0, 21, 1080}, kBlack), 24);
    EXPECT_PIXEL(*c, 44, 20, kWhite);
    EXPECT_PIXEL(*c, 46, 20, kWhite);
    EXPECT_PIXEL(*c, 1919, 20, kWhite);
    EXPECT_PIXEL(*c, 20, 1079, kWhite);
    // The lines reach the last row and column (LineTo stops one short of R and B).
    EXPECT_PIXEL(*c, 45, 1079, kBlack);
    EXPECT_PIXEL(*c, 1919, 45, kBlack);
}

TEST(Geometry, Geometry1CirclesAt1920x1080) {
    auto c = PaintScreen(DrawGeometry1, 1920, 1080);
    // Centre circle: radius 405 around (960, 540), box 555..1364 x 135..944.
    EXPECT_PIXEL(*c, 555, 530, kBlack);
    EXPECT_PIXEL(*c, 554, 530, kWhite);
    EXPECT_PIXEL(*c, 556, 530, kWhite);
    EXPECT_PIXEL(*c, 1364, 530, kBlack);
    EXPECT_PIXEL(*c, 1363, 530, kWhite);
    EXPECT_PIXEL(*c, 1365, 530, kWhite);
    EXPECT_PIXEL(*c, 950, 944, kBlack);
    EXPECT_PIXEL(*c, 970, 944, kBlack);
    EXPECT_PIXEL(*c, 960, 943, kWhite);
    // Corner circles: radius 90, centres 120 in from each corner.
    EXPECT_PIXEL(*c, 30, 120, kBlack);
    EXPECT_PIXEL(*c, 29, 120, kWhite);
    EXPECT_PIXEL(*c, 31, 120, kWhite);
    EXPECT_PIXEL(*c, 209, 120, kBlack);
    EXPECT_PIXEL(*c, 120, 30, kBlack);
    EXPECT_PIXEL(*c, 120, 29, kWhite);
    EXPECT_PIXEL(*c, 120, 209, kBlack);
    EXPECT_PIXEL(*c, 1801, 30, kBlack);  // beside the grid column at 1800
    EXPECT_PIXEL(*c, 1801, 29, kWhite);
    EXPECT_PIXEL(*c, 1801, 209, kBlack);
    EXPECT_PIXEL(*c, 30, 960, kBlack);
    EXPECT_PIXEL(*c, 120, 870, kBlack);
    EXPECT_PIXEL(*c, 1801, 1049, kBlack);
    EXPECT_PIXEL(*c, 1801, 1050, kWhite);
}

TEST(Geometry, Geometry1TruncatesAtOtherSizes) {
    // 1600 x 900: pitch 37, last column line 1591; centre radius 3 * 900 / 8 = 337.
    auto c = PaintScreen(DrawGeometry1, 1600, 900);
    EXPECT_PIXEL(*c, 1591, 20, kBlack);
    EXPECT_PIXEL(*c, 1590, 20, kWhite);
    EXPECT_EQ(c->Count({0, 20, 1600, 21}, kBlack), 44);
    EXPECT_PIXEL(*c, 463, 440, kBlack);
    EXPECT_PIXEL(*c, 462, 440, kWhite);
    EXPECT_PIXEL(*c, 25, 100, kBlack);  // corner circle radius 75 around (100, 100)
    // 1280 x 800: pitch 33, centre radius 300 around (640, 400), corner radius 66 around (88, 88).
    auto d = PaintScreen(DrawGeometry1, 1280, 800);
    EXPECT_PIXEL(*d, 33 * 38, 20, kBlack);
    EXPECT_PIXEL(*d, 340, 390, kBlack);
    EXPECT_PIXEL(*d, 339, 390, kWhite);
    EXPECT_PIXEL(*d, 22, 80, kBlack);
    EXPECT_PIXEL(*d, 21, 80, kWhite);
    // Below 192 pixels the pitch stays 8.
    auto e = PaintScreen(DrawGeometry1, 160, 100);
    for (int x : {0, 8, 152}) EXPECT_PIXEL(*e, x, 44, kBlack);
    for (int x : {4, 156}) EXPECT_PIXEL(*e, x, 44, kWhite);
    EXPECT_PIXEL(*e, 4, 96, kBlack);
    EXPECT_PIXEL(*e, 4, 99, kWhite);
}

TEST(Geometry, Geometry2FramesAtInsets0And2And4) {
    for (const SIZE& size : {SIZE{1920, 1080}, SIZE{1280, 800}}) {
        auto c = PaintScreen(DrawGeometry2, size.cx, size.cy, kMagenta);
        const COLORREF inward[6] = {kWhite, kBlack, kRed, kBlack, kFrameBlue, kBlack};
        for (int i = 0; i < 6; ++i) {
            EXPECT_PIXEL(*c, 500, i, inward[i]);
            EXPECT_PIXEL(*c, 500, size.cy - 1 - i, inward[i]);
            EXPECT_PIXEL(*c, i, 400, inward[i]);
            EXPECT_PIXEL(*c, size.cx - 1 - i, 400, inward[i]);
        }
        EXPECT_EQ(c->Count({0, 0, size.cx, 1}, kWhite), size.cx);
        EXPECT_EQ(c->Count(c->Rect(), kMagenta), 0);
    }
}

TEST(Geometry, Geometry2ArrowsMarksAndLabelsAt1920x1080) {
    auto c = PaintScreen(DrawGeometry2, 1920, 1080);
    // Arrows 108 pixels per axis; the tip itself is painted by the arrowhead.
    EXPECT_PIXEL(*c, 50, 50, kWhite);
    EXPECT_PIXEL(*c, 108, 108, kWhite);
    EXPECT_PIXEL(*c, 1919 - 108, 108, kWhite);
    EXPECT_PIXEL(*c, 108, 1079 - 108, kWhite);
    EXPECT_PIXEL(*c, 1919 - 108, 1079 - 108, kWhite);
    EXPECT_PIXEL(*c, 110, 110, kBlack);
    EXPECT_GT(c->Count({96, 96, 108, 108}, kWhite), 12 + 4);  // head strokes besides the shaft
    // Ticks across the shaft at 10, 21 and 54 pixels per axis.
    for (int s : {10, 21, 54}) {
        EXPECT_PIXEL(*c, s - 5, s + 5, kWhite) << "mark " << s;
        EXPECT_PIXEL(*c, s + 4, s - 4, kWhite) << "mark " << s;
        EXPECT_PIXEL(*c, 1919 - s - 5, s - 5, kWhite) << "mark " << s;
        EXPECT_PIXEL(*c, s + 5, 1079 - s + 5, kWhite) << "mark " << s;
        EXPECT_PIXEL(*c, 1919 - s + 5, 1079 - s - 5, kWhite) << "mark " << s;
    }
    EXPECT_PIXEL(*c, 15, 5, kBlack);  // the tick stops one short of its far end
    // Labels centred 26, 37 and 70 pixels per axis from each corner.
    for (int at : {26, 37, 70}) {
        EXPECT_GT(CountWhere(*c, {at - 12, at - 8, at + 12, at + 8}, Yellowish), 5) << "label at " << at;
        EXPECT_GT(CountWhere(*c, {1919 - at - 12, 1079 - at - 8, 1919 - at + 12, 1079 - at + 8}, Yellowish), 5);
    }
    EXPECT_EQ(CountWhere(*c, {120, 120, 1800, 960}, [](COLORREF x) { return x != kBlack; }), 0);
}

TEST(Geometry, Geometry2MarksAtOtherSizes) {
    // 1600 x 900: marks at 9, 18 and 45; 1280 x 800: at 8, 16 and 40.
    auto c = PaintScreen(DrawGeometry2, 1600, 900);
    for (int s : {9, 18, 45}) EXPECT_PIXEL(*c, s - 5, s + 5, kWhite) << "mark " << s;
    EXPECT_PIXEL(*c, 90, 90, kWhite);
    auto d = PaintScreen(DrawGeometry2, 1280, 800);
    for (int s : {8, 16, 40}) EXPECT_PIXEL(*d, s - 5, s + 5, kWhite) << "mark " << s;
    EXPECT_PIXEL(*d, 80, 80, kWhite);
    EXPECT_PIXEL(*d, 82, 82, kBlack);
}

TEST(Geometry, Geometry3NestedRectanglesSquaresAndDiagonalsAt1920x1080) {
    auto c = PaintScreen(DrawGeometry3, 1920, 1080);
    for (int d = 0; d <= 486; d += 54) {
        EXPECT_PIXEL(*c, d + 5, d, kWhite) << "inset " << d;
        EXPECT_PIXEL(*c, d + 5, d + 1, kBlack) << "inset " << d;
        EXPECT_PIXEL(*c, 1919 - d, d + 5, kWhite) << "inset " << d;
        EXPECT_PIXEL(*c, d + 5, 1079 - d, kWhite) << "inset " << d;
    }
    // No eleventh rectangle at inset 540 = H / 2.
    EXPECT_EQ(c->Count({0, 540, 487, 541}, kWhite), 10);
    // Centred squares of half-size 472, 337, 202 and 67 around (960, 540).
    for (int q : {472, 337, 202, 67}) {
        EXPECT_PIXEL(*c, 960 - q, 540, kWhite) << "square " << q;
        EXPECT_PIXEL(*c, 960 - q + 1, 540, kBlack) << "square " << q;
        EXPECT_PIXEL(*c, 960 + q - 1, 540, kWhite) << "square " << q;
        EXPECT_PIXEL(*c, 960 + q, 540, kBlack) << "square " << q;
        EXPECT_PIXEL(*c, 960, 540 - q, kWhite) << "square " << q;
        EXPECT_PIXEL(*c, 960, 540 + q - 1, kWhite) << "square " << q;
        EXPECT_PIXEL(*c, 960, 540 + q, kBlack) << "square " << q;
    }
    // Diagonals corner to corner: one pixel in each of these short column pieces.
    EXPECT_EQ(c->Count({300, 166, 301, 172}, kWhite), 1);
    EXPECT_EQ(c->Count({300, 907, 301, 914}, kWhite), 1);
    EXPECT_PIXEL(*c, 1, 1, kWhite);
    EXPECT_PIXEL(*c, 1918, 1, kWhite);
    EXPECT_PIXEL(*c, 1, 1078, kWhite);
}

TEST(Geometry, Geometry3StepAndSquaresAtOtherSizes) {
    // 1280 x 800: step 40, insets 0..360; squares (400 * k) / 8 = 350, 250, 150, 50.
    auto c = PaintScreen(DrawGeometry3, 1280, 800);
    for (int d = 0; d <= 360; d += 40) EXPECT_PIXEL(*c, d + 5, d, kWhite) << "inset " << d;
    EXPECT_PIXEL(*c, 405, 400 - 1, kBlack);
    for (int q : {350, 250, 150, 50}) EXPECT_PIXEL(*c, 640, 400 - q, kWhite) << "square " << q;
    // 1366 x 768: step 38, while d < 384: insets 0..380; squares (384 * 7) / 8 = 336, 240, 144, 48.
    auto d = PaintScreen(DrawGeometry3, 1366, 768);
    EXPECT_PIXEL(*d, 385, 380, kWhite);
    for (int q : {336, 240, 144, 48}) EXPECT_PIXEL(*d, 683, 384 - q, kWhite) << "square " << q;
    EXPECT_PIXEL(*d, 683, 384 - 335, kBlack);
    // Small screens keep a step of 16.
    auto e = PaintScreen(DrawGeometry3, 200, 100);
    for (int inset : {0, 16, 32, 48}) EXPECT_PIXEL(*e, inset + 3, inset, kWhite) << "inset " << inset;
    EXPECT_PIXEL(*e, 3, 8, kBlack);
}

TEST(Geometry, ConvergenceGridLinesEvery16FromTheTopLeft) {
    auto c = PaintScreen(DrawConvergenceGrid, 1920, 1080);
    EXPECT_EQ(c->Count({0, 5, 1920, 6}, kWhite), 120);
    EXPECT_EQ(c->Count({5, 0, 6, 1080}, kWhite), 68);
    EXPECT_PIXEL(*c, 0, 5, kWhite);
    EXPECT_PIXEL(*c, 1904, 5, kWhite);
    EXPECT_PIXEL(*c, 5, 1072, kWhite);
    EXPECT_PIXEL(*c, 5, 1079, kBlack);
    EXPECT_PIXEL(*c, 1, 1, kBlack);
    EXPECT_EQ(c->Count({1905, 0, 1920, 1080}, kBlack), 15 * 1080 - 15 * 68);
    auto d = PaintScreen(DrawConvergenceGrid, 1601, 901);
    EXPECT_PIXEL(*d, 1600, 5, kWhite);
    EXPECT_PIXEL(*d, 5, 896, kWhite);
    EXPECT_PIXEL(*d, 5, 900, kBlack);
}

void ExpectMarkAt(const Canvas& c, int x, int y) {
    EXPECT_PIXEL(c, x, y, kBlack) << "mark (" << x << ", " << y << ")";
    for (int d : {-2, -1, 1, 2}) {
        EXPECT_PIXEL(c, x + d, y, kBlack) << "mark (" << x << ", " << y << ")";
        EXPECT_PIXEL(c, x, y + d, kBlack) << "mark (" << x << ", " << y << ")";
    }
    for (int d : {-21, -3, 3, 21}) {
        EXPECT_PIXEL(c, x + d, y, kWhite) << "mark (" << x << ", " << y << ")";
        EXPECT_PIXEL(c, x, y + d, kWhite) << "mark (" << x << ", " << y << ")";
    }
    for (int d : {-20, 0, 20}) {
        EXPECT_PIXEL(c, x + d, y - 30, kWhite) << "mark (" << x << ", " << y << ")";
        EXPECT_PIXEL(c, x + d, y + 30, kWhite) << "mark (" << x << ", " << y << ")";
    }
    EXPECT_PIXEL(c, x + 2, y - 30, kBlack) << "mark (" << x << ", " << y << ")";
    EXPECT_PIXEL(c, x + 24, y + 30, kBlack) << "mark (" << x << ", " << y << ")";
}

TEST(Geometry, ConvergenceDotsNineMarks48FromTheEdges) {
    auto c = PaintScreen(DrawConvergenceDots, 1920, 1080);
    for (int x : {48, 960, 1872}) {
        for (int y : {48, 540, 1032}) ExpectMarkAt(*c, x, y);
    }
    // Nothing is drawn between the marks.
    EXPECT_EQ(c->Count({100, 100, 900, 480}, kWhite), 0);
    auto d = PaintScreen(DrawConvergenceDots, 1366, 768);
    for (int x : {48, 683, 1318}) {
        for (int y : {48, 384, 720}) ExpectMarkAt(*d, x, y);
    }
}

TEST(Geometry, PlugeBarsLabelsAndPatchesAt1920x1080) {
    auto c = PaintScreen(DrawConvergencePluge, 1920, 1080);
    for (int i = 0; i <= 20; ++i) {
        const int level = i * 255 / 20;
        EXPECT_PIXEL(*c, 91 * i, 0, Gray(level)) << "bar " << i;
        EXPECT_PIXEL(*c, 91 * i + 90, 809, Gray(level)) << "bar " << i;
        EXPECT_PIXEL(*c, 91 * i + 45, 400, Gray(level)) << "bar " << i;
        EXPECT_GT(CountOther(*c, {91 * i, 810, 91 * i + 91, 877}, kBlack), 5) << "label " << 5 * i << "%";
    }
    EXPECT_EQ(Gray(12), c->At(91, 0));
    EXPECT_EQ(CountOther(*c, {1911, 0, 1920, 945}, kBlack), 0);
    EXPECT_EQ(CountOther(*c, {0, 877, 1920, 945}, kBlack), 0);
        // Bottom blocks 273 wide from row 945; patches 39 wide in rows 978..1045.
    const struct { int x; int level; } patches[6] = {{78, 5}, {117, 10}, {156, 15}, {1725, 240}, {1764, 245}, {1803, 250}};
    for (const auto& p : patches) {
        EXPECT_PIXEL(*c, p.x, 978, Gray(p.level));
        EXPECT_PIXEL(*c, p.x + 38, 1045, Gray(p.level));
        EXPECT_EQ(c->Count({p.x, 978, p.x + 39, 1046}, Gray(p.level)), 39 * 68);
    }
    EXPECT_PIXEL(*c, 77, 978, kBlack);
    EXPECT_PIXEL(*c, 195, 1000, kBlack);
    EXPECT_PIXEL(*c, 100, 977, kBlack);
    EXPECT_PIXEL(*c, 100, 1046, kBlack);
    EXPECT_PIXEL(*c, 1724, 978, kWhite);
    EXPECT_PIXEL(*c, 1842, 1000, kWhite);
    EXPECT_PIXEL(*c, 1800, 977, kWhite);
    EXPECT_PIXEL(*c, 1647, 945, kWhite);
    EXPECT_PIXEL(*c, 1646, 945, kBlack);
    EXPECT_PIXEL(*c, 1647, 944, kBlack);
    EXPECT_PIXEL(*c, 1919, 1079, kWhite);
}

TEST(Geometry, PlugeAt1600x900) {
    // Bars 76 x 675, labels to row 731, strip of 112 from row 788, patches 32 wide in rows 816..871.
    auto c = PaintScreen(DrawConvergencePluge, 1600, 900);
    EXPECT_PIXEL(*c, 76 * 20, 674, Gray(255));
    EXPECT_PIXEL(*c, 76 * 21, 10, kBlack);
    EXPECT_PIXEL(*c, 500, 675, kBlack);
    EXPECT_EQ(CountOther(*c, {0, 731, 1600, 788}, kBlack), 0);
    const struct { int x; int level; } patches[6] = {{64, 5}, {96, 10}, {128, 15}, {1440, 240}, {1472, 245}, {1504, 250}};
    for (const auto& p : patches) EXPECT_EQ(c->Count({p.x, 816, p.x + 32, 872}, Gray(p.level)), 32 * 56);
    EXPECT_PIXEL(*c, 1372, 800, kWhite);
    EXPECT_PIXEL(*c, 1371, 800, kBlack);
}

}  // namespace
