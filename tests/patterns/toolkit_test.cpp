// Probes of the shared drawing helpers: solid fill, hairline grid, blended panel, scaled font, grey gradient,
// convergence mark, Siemens star.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "patterns/toolkit.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(Toolkit, FillColorPaintsExactlyTheRectangleAndNothingWhenEmpty) {
    Canvas c(10, 10);
    c.Clear(kBlack);
    const RECT area = {2, 3, 5, 7};
    FillColor(c.dc, &area, kRed);
    EXPECT_EQ(c.Count(c.Rect(), kRed), 12);
    EXPECT_PIXEL(c, 2, 3, kRed);
    EXPECT_PIXEL(c, 4, 6, kRed);
    EXPECT_PIXEL(c, 5, 3, kBlack);  // right edge excluded
    EXPECT_PIXEL(c, 2, 7, kBlack);  // bottom edge excluded

    c.Clear(kBlack);
    const RECT empties[3] = {{4, 4, 4, 9}, {1, 6, 8, 6}, {7, 7, 2, 2}};
    for (const RECT& empty : empties) FillColor(c.dc, &empty, kRed);
    EXPECT_EQ(c.Count(c.Rect(), kRed), 0);
}

TEST(Toolkit, HairlineGridStartsAtTheRectanglesCornerAndSkipsAZeroStep) {
    Canvas c(12, 9);
    c.Clear(kBlack);
    const RECT area = {2, 1, 10, 8};
    DrawHairlineGrid(c.dc, &area, 3, 4, kRed);
    // Columns at x = 2, 5, 8 and rows at y = 1, 5, inside the rectangle only.
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 10 && y >= 1 && y < 8;
            const bool line = inside && ((x - 2) % 3 == 0 || (y - 1) % 4 == 0);
            EXPECT_PIXEL(c, x, y, line ? kRed : kBlack);
        }
    }
    c.Clear(kBlack);
    DrawHairlineGrid(c.dc, &area, 0, 4, kRed);  // rows only
    EXPECT_EQ(c.Count(c.Rect(), kRed), 2 * 8);
}

TEST(Toolkit, BlendColorMixesAtTheGivenOpacityInsideTheRectangleOnly) {
    Canvas c(8, 8);
    c.Clear(kBlack);
    const RECT area = {2, 2, 6, 5};
    BlendColor(c.dc, &area, kWhite, 128);
    EXPECT_EQ(c.Count(c.Rect(), kBlack), 64 - 12);
    const COLORREF mixed = c.At(3, 3);
    EXPECT_NEAR(GetRValue(mixed), 128, 1);
    EXPECT_EQ(GetRValue(mixed), GetBValue(mixed));
}

// Height of the letter H in the selected font's unhinted outline, in pixels (to 1/64 pixel).
double OutlineHeightOfH(HDC dc) {
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    GLYPHMETRICS metrics = {};
    const DWORD size = GetGlyphOutlineW(dc, L'H', GGO_NATIVE | GGO_UNHINTED, &metrics, 0, nullptr, &identity);
    if (size == GDI_ERROR || size == 0) return -1;
    std::vector<unsigned char> buffer(size);
    GetGlyphOutlineW(dc, L'H', GGO_NATIVE | GGO_UNHINTED, &metrics, size, buffer.data(), &identity);
    double low = 1e9, high = -1e9;
    auto take = [&](const POINTFX& p) {
        const double y = p.y.value + p.y.fract / 65536.0;
        if (y < low) low = y;
        if (y > high) high = y;
    };
    for (size_t at = 0; at < size;) {
        const auto* polygon = reinterpret_cast<const TTPOLYGONHEADER*>(&buffer[at]);
        take(polygon->pfxStart);
        for (size_t c = at + sizeof(TTPOLYGONHEADER); c < at + polygon->cb;) {
            const auto* curve = reinterpret_cast<const TTPOLYCURVE*>(&buffer[c]);
            for (int i = 0; i < curve->cpfx; ++i) take(curve->apfx[i]);
            c += sizeof(TTPOLYCURVE) + (curve->cpfx - 1) * sizeof(POINTFX);
        }
        at += polygon->cb;
    }
    return high - low;
}

TEST(Toolkit, APanelFontAt96DpiHasTheRequestedCharacterHeight) {
    Canvas c(4, 4);
    ASSERT_EQ(GetDeviceCaps(c.dc, LOGPIXELSY), 96);
    // The character height is the em of the font: compare the letter H with the same face at an
    // em of 2048 pixels. (Wine rounds tmInternalLeading on its own, so the text metrics can be
    // one pixel off the em.)
    for (int size : {12, 15, 24, 40}) {
        HFONT font = MakePanelFont(size, FW_BOLD);
        ASSERT_NE(font, nullptr);
        LOGFONTW logical = {};
        GetObjectW(font, sizeof logical, &logical);
        EXPECT_EQ(logical.lfHeight, -size);  // negative: a character height, not a cell height

        HGDIOBJ old = SelectObject(c.dc, font);
        TEXTMETRICW metrics = {};
        ASSERT_TRUE(GetTextMetricsW(c.dc, &metrics));
        EXPECT_EQ(metrics.tmWeight, FW_BOLD);
        EXPECT_NEAR(metrics.tmHeight - metrics.tmInternalLeading, size, 1) << "size " << size;
        const double letter = OutlineHeightOfH(c.dc);
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(c.dc, LF_FACESIZE, face);
        SelectObject(c.dc, old);
        DeleteObject(font);

        logical.lfHeight = -2048;
        wcscpy(logical.lfFaceName, face);
        HFONT reference = CreateFontIndirectW(&logical);
        old = SelectObject(c.dc, reference);
        const double referenceLetter = OutlineHeightOfH(c.dc);
        SelectObject(c.dc, old);
        DeleteObject(reference);
        ASSERT_GT(letter, 0);
        ASSERT_GT(referenceLetter, 0);
        EXPECT_NEAR(letter / referenceLetter * 2048, size, 0.1) << "size " << size;
    }
}

TEST(Toolkit, GradientGrayRunsFromBlackToNearWhiteAlongItsAxis) {
    Canvas across(256, 4);
    const RECT wide = across.Rect();
    GradientGray(across.dc, &wide, GRADIENT_FILL_RECT_H);
    Canvas down(4, 256);
    const RECT tall = down.Rect();
    GradientGray(down.dc, &tall, GRADIENT_FILL_RECT_V);

    EXPECT_PIXEL(across, 0, 0, kBlack);
    EXPECT_PIXEL(down, 0, 0, kBlack);
    EXPECT_GE(GetRValue(across.At(255, 0)), 250);
    EXPECT_GE(GetRValue(down.At(0, 255)), 250);
    int previous = -1;
    for (int i = 0; i < 256; ++i) {
        const COLORREF column = across.At(i, 0);
        EXPECT_EQ(column, Gray(GetRValue(column))) << "grey, not tinted, at " << i;
        EXPECT_EQ(across.At(i, 3), column) << "column " << i << " is not constant";
        EXPECT_EQ(down.At(3, i), down.At(0, i)) << "row " << i << " is not constant";
        EXPECT_EQ(down.At(0, i), column) << "both directions step alike at " << i;
        EXPECT_GE(static_cast<int>(GetRValue(column)), previous);
        previous = GetRValue(column);
    }
}

TEST(Toolkit, ConvergenceMarkLeavesTheCentreAndItsNeighboursUnpainted) {
    Canvas c(101, 101);
    c.Clear(kRed);
    DrawConvergenceMark(c.dc, 50, 50);
    for (int d = -2; d <= 2; ++d) {
        EXPECT_PIXEL(c, 50 + d, 50, kRed);
        EXPECT_PIXEL(c, 50, 50 + d, kRed);
    }
    // Arms of 19 pixels: x - 21 .. x - 3 and x + 3 .. x + 21, the same vertically.
    for (int along : {-21, -3, 3, 21}) {
        EXPECT_PIXEL(c, 50 + along, 50, kWhite);
        EXPECT_PIXEL(c, 50, 50 + along, kWhite);
    }
    for (int beyond : {-22, 22}) {
        EXPECT_PIXEL(c, 50 + beyond, 50, kRed);
        EXPECT_PIXEL(c, 50, 50 + beyond, kRed);
    }
    EXPECT_PIXEL(c, 50, 51, kRed);  // arms are one pixel wide
    EXPECT_PIXEL(c, 71, 51, kRed);
}

TEST(Toolkit, ConvergenceMarkCirclesHaveRadii6To18AroundTheCentre) {
    Canvas c(101, 101);
    c.Clear(kRed);
    DrawConvergenceMark(c.dc, 50, 50);
    for (int radius : {6, 12, 18}) {
        // Beside each axis, so the arms do not hide the circle.
        for (int side : {-1, 1}) {
            EXPECT_PIXEL(c, 50 + side, 50 - radius, kWhite) << "radius " << radius;
            EXPECT_PIXEL(c, 50 + side, 50 + radius, kWhite) << "radius " << radius;
            EXPECT_PIXEL(c, 50 - radius, 50 + side, kWhite) << "radius " << radius;
            EXPECT_PIXEL(c, 50 + radius, 50 + side, kWhite) << "radius " << radius;
        }
        EXPECT_PIXEL(c, 50 + 1, 50 - radius - 2, kRed);
    }
    EXPECT_PIXEL(c, 53, 53, kRed);  // between the centre and the first circle
    EXPECT_PIXEL(c, 57, 55, kRed);  // between the first and second circles
}

TEST(Toolkit, ConvergenceMarkDotRowsAre60PixelsApart) {
    Canvas c(101, 101);
    c.Clear(kRed);
    DrawConvergenceMark(c.dc, 50, 50);
    for (int k = -5; k <= 5; ++k) {
        EXPECT_PIXEL(c, 50 + 4 * k, 20, kWhite);
        EXPECT_PIXEL(c, 50 + 4 * k, 80, kWhite);
        EXPECT_PIXEL(c, 52 + 4 * k, 20, kRed);
    }
    EXPECT_PIXEL(c, 26, 20, kRed);
    EXPECT_PIXEL(c, 74, 80, kRed);
    EXPECT_EQ(c.Count({0, 20, 101, 21}, kWhite), 11);
    EXPECT_EQ(c.Count({0, 80, 101, 81}, kWhite), 11);
    EXPECT_EQ(c.Count({0, 0, 101, 31}, kWhite), 11 + 2);  // the dots and the end of the upper arm
    EXPECT_EQ(c.Count({0, 70, 101, 101}, kWhite), 11 + 2);  // the dots and the end of the lower arm
}

TEST(Toolkit, SiemensStarFirstWedgeStartsAt12OClockAndRunsClockwise) {
    Canvas c(1001, 1001);
    c.Clear(kWhite);
    DrawSiemensStar(c.dc, 500, 500, 400, 36);
    // Points 300 pixels out, at angles measured clockwise from straight up.
    EXPECT_PIXEL(c, 513, 200, kBlack);  // 2.5 degrees: inside the first wedge (0-5)
    EXPECT_PIXEL(c, 487, 200, kWhite);  // -2.5 degrees: the last gap (355-360)
    EXPECT_PIXEL(c, 539, 203, kWhite);  // 7.5 degrees: the first gap
    EXPECT_PIXEL(c, 565, 207, kBlack);  // 12.5 degrees: the second wedge
    EXPECT_PIXEL(c, 799, 513, kBlack);  // 92.5 degrees: wedge 10 starts at 3 o'clock
    EXPECT_PIXEL(c, 799, 487, kWhite);  // 87.5 degrees
    // Outer circle on its axes, white outside it.
    EXPECT_PIXEL(c, 900, 500, kBlack);
    EXPECT_PIXEL(c, 902, 500, kWhite);
    EXPECT_PIXEL(c, 500, 98, kWhite);
}

TEST(Toolkit, SiemensStarCirclesAndCentreDiscRadii) {
    struct Case { int radius; int disc; };
    const Case cases[] = {{100, 2}, {127, 2}, {128, 2}, {191, 2}, {192, 3}, {640, 10}};
    for (const Case& k : cases) {
        const int size = 2 * k.radius + 21, centre = k.radius + 10;
        Canvas c(size, size);
        c.Clear(kWhite);
        // Without wedges only the outline circles and the centre disc are drawn.
        DrawSiemensStar(c.dc, centre, centre, k.radius, 0);
        const int half = k.radius / 2;
        for (int sign : {-1, 1}) {
            EXPECT_PIXEL(c, centre + sign * k.disc, centre, kBlack) << "r " << k.radius;
            EXPECT_PIXEL(c, centre + sign * (k.disc + 1), centre, kWhite) << "r " << k.radius;
            EXPECT_PIXEL(c, centre, centre + sign * k.disc, kBlack) << "r " << k.radius;
            EXPECT_PIXEL(c, centre, centre + sign * (k.disc + 1), kWhite) << "r " << k.radius;
            EXPECT_PIXEL(c, centre + sign * half, centre, kBlack) << "r " << k.radius;
            EXPECT_PIXEL(c, centre, centre + sign * k.radius, kBlack) << "r " << k.radius;
            EXPECT_PIXEL(c, centre + sign * (k.radius + 1), centre, kWhite) << "r " << k.radius;
        }
    }
}

TEST(Toolkit, SiemensStarKeepsTheCallersBrushAndPen) {
    Canvas c(200, 200);
    HPEN pen = CreatePen(PS_DOT, 1, kRed);
    HGDIOBJ oldPen = SelectObject(c.dc, pen);
    HGDIOBJ oldBrush = SelectObject(c.dc, GetStockObject(HOLLOW_BRUSH));
    DrawSiemensStar(c.dc, 100, 100, 90, 24);
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), pen);
    SelectObject(c.dc, oldBrush);
    SelectObject(c.dc, oldPen);
    DeleteObject(pen);
}

}  // namespace
