// The sound screen's picture: channel circles, arrow, letters and the explanation, probed pixel by pixel.
#include <gtest/gtest.h>

#include "app/texts.h"
#include "patterns/patterns.h"
#include "tests/support/canvas.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Bounding box (right and bottom exclusive) of the non-black pixels inside `area`; empty if none.
RECT InkBox(const Canvas& c, const RECT& area) {
    RECT box = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (c.At(x, y) == kBlack) continue;
            if (x < box.left) box.left = x;
            if (x + 1 > box.right) box.right = x + 1;
            if (y < box.top) box.top = y;
            if (y + 1 > box.bottom) box.bottom = y + 1;
        }
    }
    return box;
}

class SoundScreen : public ::testing::Test {
protected:
    // 1920 x 1080: centre line 1080/3 = 360, radius 1080/10 = 108, circle centres 480 and 1440,
    // gap 1920/20 = 96, shaft 480 + 108 + 96 = 684 .. 1440 - 108 - 96 = 1236, arrowhead half size 36.
    Canvas c{1920, 1080};
    void SetUp() override {
        g_lang = 0;
        c.Clear(RGB(9, 9, 9));
        RECT r = c.Rect();
        DrawSound(c.dc, &r);
    }
};

TEST_F(SoundScreen, CirclesHaveThreePixelOutlinesAndBlackInsides) {
    // Bounding boxes (372, 252, 588, 468) and (1332, 252, 1548, 468).
    for (int lx : {480, 1440}) {
        EXPECT_EQ(c.At(lx - 108, 360), kWhite) << lx;       // left of the outline
        EXPECT_EQ(c.At(lx - 108 - 3, 360), kBlack) << lx;
        EXPECT_EQ(c.At(lx - 108 + 3, 360), kBlack) << lx;
        EXPECT_EQ(c.At(lx + 107, 360), kWhite) << lx;       // right (box right edge is exclusive)
        EXPECT_EQ(c.At(lx + 107 + 3, 360), kBlack) << lx;
        EXPECT_EQ(c.At(lx, 252), kWhite) << lx;             // top
        EXPECT_EQ(c.At(lx, 252 - 3), kBlack) << lx;
        EXPECT_EQ(c.At(lx, 252 + 3), kBlack) << lx;
        EXPECT_EQ(c.At(lx, 467), kWhite) << lx;             // bottom
        EXPECT_EQ(c.At(lx, 467 + 3), kBlack) << lx;
        EXPECT_EQ(c.At(lx - 60, 360), kBlack) << lx;        // inside, beside the letter
        // The outline is about three pixels thick where it crosses the centre line.
        int thick = 0;
        for (int x = lx - 115; x < lx - 100; ++x) thick += c.At(x, 360) == kWhite;
        EXPECT_GE(thick, 3) << lx;
        EXPECT_LE(thick, 4) << lx;
    }
    EXPECT_EQ(c.Count(c.Rect(), RGB(9, 9, 9)), 0);
}

TEST_F(SoundScreen, ShaftAndArrowheadPointRight) {
    for (int x = 700; x < 1190; x += 7) {
        EXPECT_EQ(c.At(x, 359), kWhite) << x;
        EXPECT_EQ(c.At(x, 360), kWhite) << x;
        EXPECT_EQ(c.At(x, 361), kWhite) << x;
        EXPECT_EQ(c.At(x, 357), kBlack) << x;
        EXPECT_EQ(c.At(x, 363), kBlack) << x;
    }
    EXPECT_EQ(c.At(684, 360), kWhite);
    EXPECT_EQ(c.At(680, 360), kBlack);
    // Head (1236, 360), (1200, 324), (1200, 396): solid white inside, outlined by the wide pen.
    EXPECT_EQ(c.At(1200, 324), kWhite);
    EXPECT_EQ(c.At(1200, 396), kWhite);
    EXPECT_EQ(c.At(1236, 360), kWhite);
    EXPECT_EQ(c.At(1210, 340), kWhite);  // at x = 1210 the head spans 334..386
    EXPECT_EQ(c.At(1210, 380), kWhite);
    EXPECT_EQ(c.At(1225, 360), kWhite);
    EXPECT_EQ(c.At(1210, 330), kBlack);
    EXPECT_EQ(c.At(1240, 360), kBlack);
    EXPECT_EQ(c.At(1196, 330), kBlack);
    EXPECT_EQ(c.At(1230, 345), kBlack);  // at x = 1230 the head spans 354..366
    // Nothing between the head and the right circle.
    EXPECT_EQ(c.Count({1241, 300, 1328, 420}, kBlack), 87 * 120);
}

TEST_F(SoundScreen, LettersSitInTheCirclesInA54PixelBoldFont) {
    // Letter size max(20, 108/2) = 54: the capital's ink is about 0.7 of that high.
    for (int lx : {480, 1440}) {
        const RECT ink = InkBox(c, {lx - 60, 300, lx + 60, 420});  // inside the outline
        EXPECT_NEAR((ink.left + ink.right) / 2.0, lx, 4.0) << lx;
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 360, 4.0) << lx;
        EXPECT_GE(ink.bottom - ink.top, 34) << lx;
        EXPECT_LE(ink.bottom - ink.top, 46) << lx;
        EXPECT_GE(ink.right - ink.left, 18) << lx;  // bold strokes, not a thin 20-pixel letter
    }
}

TEST_F(SoundScreen, ExplanationStartsAtTheTopOfItsBox) {
    // Box (240, 594, 1680, 972); two centred lines starting at its top edge.
    const RECT ink = InkBox(c, {0, 470, 1920, 1080});
    EXPECT_GE(ink.top, 594);
    EXPECT_LE(ink.top, 602);
    EXPECT_LE(ink.bottom, 660);
    EXPECT_GE(ink.bottom, 620);
    EXPECT_GE(ink.left, 240);
    EXPECT_LE(ink.right, 1680);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 960, 4.0);
    // Two lines: a black gap row between the line bands.
    int gapRows = 0;
    for (int y = ink.top; y < ink.bottom; ++y)
        gapRows += c.Count({0, y, 1920, y + 1}, kBlack) == 1920;
    EXPECT_GE(gapRows, 1);
}

TEST(SoundScreenSmall, LetterSizeFloorsAtTwenty) {
    // 400 x 300: radius 300/10 = 30, 30/2 = 15 < 20, so the letters use size 20; centre (100, 100).
    Canvas c(400, 300);
    RECT r = c.Rect();
    DrawSound(c.dc, &r);
    const RECT ink = InkBox(c, {82, 82, 118, 118});  // inside the outline
    EXPECT_GE(ink.bottom - ink.top, 12);
    EXPECT_LE(ink.bottom - ink.top, 17);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 100, 3.0);
}

}  // namespace
