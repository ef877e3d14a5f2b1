// Probes of the solid colour, grey-block, grey-chart and gradient screens at exact coordinates.
#include <windows.h>

#include <gtest/gtest.h>

#include "patterns/patterns.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

TEST(SolidBrightness, SolidScreensFillEveryPixel) {
    const struct { DrawFunc draw; COLORREF color; } screens[] = {
        {DrawWhite, RGB(255, 255, 255)}, {DrawBlack, kBlack},        {DrawRed, RGB(255, 0, 0)},
        {DrawGreen, RGB(0, 255, 0)},     {DrawBlue, RGB(0, 0, 255)},
    };
    for (const auto& screen : screens) {
        auto c = PaintScreen(screen.draw, 1280, 800, RGB(1, 2, 3));
        EXPECT_EQ(c->Count(c->Rect(), screen.color), 1280 * 800) << ColorText(screen.color);
    }
}

// Brightness 1 at 1920 x 1080: blocks 174 wide, rows 180..899, labels in 905..926, 6 columns left over.
TEST(SolidBrightness, Brightness1BlocksOutlinesAndLeftoverAt1920x1080) {
    auto c = PaintScreen(DrawBrightness1, 1920, 1080);
    const int levels[11] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int k = 0; k < 11; ++k) {
        const int left = 174 * k, right = left + 173;
        EXPECT_PIXEL(*c, left + 1, 181, Gray(levels[k]));
        EXPECT_PIXEL(*c, right - 1, 898, Gray(levels[k]));
        EXPECT_PIXEL(*c, left + 87, 540, Gray(levels[k]));
        // Each block's own edge pixels carry the black outline.
        EXPECT_PIXEL(*c, left, 540, kBlack);
        EXPECT_PIXEL(*c, right, 540, kBlack);
        EXPECT_PIXEL(*c, left + 87, 180, kBlack);
        EXPECT_PIXEL(*c, left + 87, 899, kBlack);
        EXPECT_PIXEL(*c, left + 87, 179, Gray(32));
        EXPECT_PIXEL(*c, left + 87, 900, Gray(32));
    }
    EXPECT_EQ(c->Count({1914, 0, 1920, 1080}, Gray(32)), 6 * 1080);
    EXPECT_PIXEL(*c, 1913, 540, kBlack);
}

TEST(SolidBrightness, Brightness1LabelsSitInTheirBandYellowOnDarkBlackOnLight) {
    auto c = PaintScreen(DrawBrightness1, 1920, 1080);
    EXPECT_EQ(CountOther(*c, {0, 900, 1920, 905}, Gray(32)), 0);
    EXPECT_EQ(CountOther(*c, {0, 927, 1920, 1080}, Gray(32)), 0);
    EXPECT_EQ(CountOther(*c, {0, 0, 1920, 180}, Gray(32)), 0);
    for (int k = 0; k < 11; ++k) {
        const RECT label = {174 * k, 905, 174 * k + 174, 927};
        const int yellow = CountWhere(*c, label, Yellowish);
        const int black = c->Count(label, kBlack);
        if (k <= 5) {
            EXPECT_GT(yellow, 10) << "label " << 10 * k << "%";
            EXPECT_EQ(black, 0) << "label " << 10 * k << "%";
        } else {
            EXPECT_EQ(yellow, 0) << "label " << 10 * k << "%";
            EXPECT_GT(black, 10) << "label " << 10 * k << "%";
        }
    }
}

TEST(SolidBrightness, Brightness1TruncatesAt1600x900And1280x800) {
    // 1600 x 900: blocks 145 wide (5 columns left), 600 high from row 150.
    auto c = PaintScreen(DrawBrightness1, 1600, 900);
    EXPECT_PIXEL(*c, 145 * 10 + 1, 151, Gray(255));
    EXPECT_PIXEL(*c, 145 * 10 + 144, 500, kBlack);
    EXPECT_PIXEL(*c, 1595, 500, Gray(32));
    EXPECT_PIXEL(*c, 500, 150, kBlack);
    EXPECT_PIXEL(*c, 500, 749, kBlack);
    EXPECT_PIXEL(*c, 500, 750, Gray(32));
    // 1280 x 800: blocks 116 wide (4 left), 2 * 800 / 3 = 533 high from (800 - 533) / 2 = 133.
    auto d = PaintScreen(DrawBrightness1, 1280, 800);
    EXPECT_PIXEL(*d, 116 * 3 + 1, 134, Gray(76));
    EXPECT_PIXEL(*d, 500, 133, kBlack);
    EXPECT_PIXEL(*d, 500, 665, kBlack);
    EXPECT_PIXEL(*d, 500, 666, Gray(32));
    EXPECT_PIXEL(*d, 1276, 400, Gray(32));
    EXPECT_PIXEL(*d, 1275, 400, kBlack);
}

TEST(SolidBrightness, Brightness3TenBlocksOf192WithGreyOutlinesAndYellowLabels) {
    auto c = PaintScreen(DrawBrightness3, 1920, 1080);
    for (int k = 0; k < 10; ++k) {
        const int left = 192 * k;
        EXPECT_PIXEL(*c, left + 1, 181, Gray(25 * (k + 1)));
        EXPECT_PIXEL(*c, left + 96, 540, Gray(25 * (k + 1)));
        EXPECT_PIXEL(*c, left, 540, Gray(128));
        EXPECT_PIXEL(*c, left + 191, 540, Gray(128));
        EXPECT_PIXEL(*c, left + 96, 179, kBlack);
        EXPECT_GT(CountWhere(*c, {left, 905, left + 192, 927}, Yellowish), 10) << "label " << 25 * (k + 1);
    }
    EXPECT_PIXEL(*c, 1919, 540, Gray(128));  // no column left over
    EXPECT_EQ(CountOther(*c, {0, 927, 1920, 1080}, kBlack), 0);
    EXPECT_EQ(CountOther(*c, {0, 900, 1920, 905}, kBlack), 0);
}

TEST(SolidBrightness, Brightness2SixteenCellsAt1920x1080) {
    auto c = PaintScreen(DrawBrightness2, 1920, 1080);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const int level = 17 * (4 * row + col);
            const int left = 480 * col, top = 270 * row;
            EXPECT_PIXEL(*c, left + 1, top + 1, Gray(level));
            EXPECT_PIXEL(*c, left + 478, top + 268, Gray(level));
            EXPECT_PIXEL(*c, left + 240, top, kBlack);        // outline, top edge
            EXPECT_PIXEL(*c, left + 479, top + 135, kBlack);  // outline, right edge
        }
    }
    EXPECT_PIXEL(*c, 481, 1, Gray(17));
    EXPECT_PIXEL(*c, 1, 271, Gray(68));
    EXPECT_PIXEL(*c, 1918, 1078, Gray(255));
    EXPECT_PIXEL(*c, 1919, 1079, kBlack);
}

TEST(SolidBrightness, Brightness2LeavesTheNarrowStripsUntouched) {
    // 1283 x 803: cells 320 x 200; columns 1280..1282 and rows 800..802 keep the window background.
    auto c = PaintScreen(DrawBrightness2, 1283, 803, kMagenta);
    EXPECT_EQ(c->Count({1280, 0, 1283, 803}, kMagenta), 3 * 803);
    EXPECT_EQ(c->Count({0, 800, 1283, 803}, kMagenta), 1283 * 3);
    EXPECT_EQ(c->Count({0, 0, 1280, 800}, kMagenta), 0);
    EXPECT_PIXEL(*c, 1278, 798, Gray(255));
    EXPECT_PIXEL(*c, 1279, 799, kBlack);
    EXPECT_PIXEL(*c, 321, 201, Gray(85));
}

TEST(SolidBrightness, HorizontalAndVerticalGradientsRunBlackToNearWhite) {
    auto h = PaintScreen(DrawGrayHorizontal, 1920, 1080, kMagenta);
    auto v = PaintScreen(DrawGrayVertical, 1920, 1080, kMagenta);
    EXPECT_PIXEL(*h, 0, 0, kBlack);
    EXPECT_PIXEL(*h, 0, 1079, kBlack);
    EXPECT_PIXEL(*v, 0, 0, kBlack);
    EXPECT_PIXEL(*v, 1919, 0, kBlack);
    EXPECT_GE(GetRValue(h->At(1919, 540)), 250);
    EXPECT_GE(GetRValue(v->At(960, 1079)), 250);
    EXPECT_NEAR(GetRValue(h->At(960, 0)), 128, 2);
    EXPECT_NEAR(GetRValue(v->At(0, 540)), 128, 2);
    for (int x : {0, 1, 479, 960, 1500, 1919}) {
        EXPECT_EQ(CountOther(*h, {x, 0, x + 1, 1080}, h->At(x, 0)), 0) << "column " << x;
    }
    for (int y : {0, 1, 270, 540, 1079}) {
        EXPECT_EQ(CountOther(*v, {0, y, 1920, y + 1}, v->At(0, y)), 0) << "row " << y;
    }
    EXPECT_EQ(h->At(1919, 0), Gray(GetRValue(h->At(1919, 0))));
}

TEST(SolidBrightness, DiagonalGradientCornersAndEdgeMidpoints) {
    auto c = PaintScreen(DrawGrayDiagonal, 1920, 1080, kMagenta);
    EXPECT_LE(GetRValue(c->At(0, 0)), 2);
    EXPECT_LE(GetRValue(c->At(1919, 1079)), 2);
    EXPECT_LE(GetRValue(c->At(960, 540)), 2);
    EXPECT_GE(GetRValue(c->At(1919, 0)), 250);
    EXPECT_GE(GetRValue(c->At(0, 1079)), 250);
    for (const POINT& mid : {POINT{960, 0}, POINT{960, 1079}, POINT{0, 540}, POINT{1919, 540}}) {
        const COLORREF color = c->At(mid.x, mid.y);
        EXPECT_EQ(color, Gray(GetRValue(color)));
        EXPECT_NEAR(GetRValue(color), 128, 3) << "(" << mid.x << ", " << mid.y << ")";
    }
    EXPECT_EQ(c->Count(c->Rect(), kMagenta), 0);
}

TEST(SolidBrightness, DiagonalGradientOfNoAreaDrawsNothing) {
    Canvas c(8, 8);
    c.Clear(kMagenta);
    const RECT empties[3] = {{0, 0, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 8}};
    for (const RECT& empty : empties) DrawGrayDiagonal(c.dc, &empty);
    EXPECT_EQ(c.Count(c.Rect(), kMagenta), 64);
}

}  // namespace
