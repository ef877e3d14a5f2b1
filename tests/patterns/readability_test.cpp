// The readability screens: how much text the fill builds, and that the text covers every area in
// every language, down to the last line.
#include <gtest/gtest.h>

#include <string>

#include "app/texts.h"
#include "patterns/patterns.h"
#include "patterns/readability.h"
#include "patterns/text_fill.h"
#include "patterns/toolkit.h"
#include "tests/support/canvas.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Line height of the 17-pixel text font as the device reports it.
int LineHeight(HDC dc) {
    HFONT font = MakePixelFont(17, FW_NORMAL);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    DeleteObject(font);
    return tm.tmHeight + tm.tmExternalLeading;
}

int Ink(const Canvas& c, const RECT& r, COLORREF background) {
    return (r.right - r.left) * (r.bottom - r.top) - c.Count(r, background);
}

TEST(TextFillSize, TargetCoversRowsTimesColumnsWithMargin) {
    // 1920 x 1080, lines 20 apart: rows 1080/20 + 2 = 56.
    // 57 units measuring 500 px: 8.77 + 0.5 -> 9 px a character, columns 1920/9 + 2 = 215,
    // (56 * 215 + 57) * 3/2 = 12097 * 3/2 = 18145.
    EXPECT_EQ(TextFillTarget(1920, 1080, 20, 500, 57), 18145u);
    // No measurable width: 8 px a character, columns 242, (13552 + 57) * 3/2 = 20413.
    EXPECT_EQ(TextFillTarget(1920, 1080, 20, 0, 57), 20413u);
    // An empty sample also falls back to 8 px: 13552 * 3/2 = 20328.
    EXPECT_EQ(TextFillTarget(1920, 1080, 20, 0, 0), 20328u);
    // Under half a pixel a character rounds to 0 and is raised to 1: columns 1922,
    // (56 * 1922 + 57) * 3/2 = 107689 * 3/2 = 161533.
    EXPECT_EQ(TextFillTarget(1920, 1080, 20, 28, 57), 161533u);
    // A line height below 1 counts as 1: rows 12, width 80/10 = 8 -> 8.5 -> 8, columns 3, (36 + 10) * 3/2.
    EXPECT_EQ(TextFillTarget(10, 10, 0, 80, 10), 69u);
    // Inverted areas count as empty: rows 2, columns 2, (4 + 57) * 3/2 = 91.
    EXPECT_EQ(TextFillTarget(-100, -50, 20, 500, 57), 91u);
    EXPECT_EQ(TextFillTarget(0, 0, 20, 500, 57), 91u);
}

TEST(TextFillSize, WholeCopiesUpToTheTargetWithoutReallocating) {
    const std::wstring text = RepeatSample(L"ab ", 7);
    EXPECT_EQ(text, L"ab ab ab ");
    EXPECT_GE(text.capacity(), 10u);
    EXPECT_EQ(RepeatSample(L"ab ", 6), L"ab ab ");
    EXPECT_EQ(RepeatSample(L"xyz", 0), L"");
    EXPECT_EQ(RepeatSample(L"", 1000), L"");
}

TEST(ReadabilityFill, EmptySampleLeavesOnlyTheBackground) {
    Canvas c(300, 200);
    c.Clear(RGB(1, 2, 3));
    const RECT r = {10, 10, 290, 190};
    DrawSampleFill(c.dc, &r, kWhite, kBlack, L"");
    EXPECT_EQ(c.Count(r, kWhite), 280 * 180);
    EXPECT_EQ(c.Count(c.Rect(), RGB(1, 2, 3)), 300 * 200 - 280 * 180);
    DrawSampleFill(c.dc, &r, kBlack, kWhite, nullptr);
    EXPECT_EQ(c.Count(r, kBlack), 280 * 180);
}

TEST(ReadabilityFill, TextStartsAtTheCornerAndFillsEveryLine) {
    // White on black over the whole screen: every full line band and the last, partly visible one
    // carry text across the width, in every language.
    Canvas c(1920, 1080);
    const int h = LineHeight(c.dc);
    ASSERT_GT(h, 10);
    const RECT r = c.Rect();
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        DrawReadability1(c.dc, &r);
        EXPECT_GT(Ink(c, {0, 0, 40, h}, kBlack), 0) << lang;
        for (int top = 0; top + h <= 1080; top += h) {
            EXPECT_GT(Ink(c, {0, top, 640, top + h}, kBlack), 0) << lang << " line at " << top;
            EXPECT_GT(Ink(c, {1280, top, 1920, top + h}, kBlack), 0) << lang << " line at " << top;
        }
        EXPECT_GT(Ink(c, {0, 1080 - h, 1920, 1080}, kBlack), 0) << lang;
    }
    g_lang = 0;
}

TEST(ReadabilityFill, DarkOnLightIsTheSameFillInverted) {
    Canvas c(800, 600);
    const RECT r = c.Rect();
    g_lang = 0;
    DrawReadability2(c.dc, &r);
    const int background = c.Count(r, kWhite);
    EXPECT_GT(background, 800 * 600 / 2);
    EXPECT_GT(c.Count(r, kBlack), 0);
    DrawReadability1(c.dc, &r);
    EXPECT_EQ(c.Count(r, kBlack), background);
}

TEST(ReadabilityQuadrants, EveryLanguageFillsAllFourQuadrants) {
    // 960 x 540 quadrants: black, white / white, black, each with its text from its own corner.
    Canvas c(1920, 1080);
    const int h = LineHeight(c.dc);
    const RECT r = c.Rect();
    const RECT quadrants[4] = {{0, 0, 960, 540}, {960, 0, 1920, 540}, {0, 540, 960, 1080}, {960, 540, 1920, 1080}};
    const COLORREF backgrounds[4] = {kBlack, kWhite, kWhite, kBlack};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        g_lang = lang;
        DrawReadability3(c.dc, &r);
        for (int k = 0; k < 4; ++k) {
            const RECT& q = quadrants[k];
            const int area = 960 * 540;
            const int background = c.Count(q, backgrounds[k]);
            EXPECT_GT(background, area / 2) << lang << " quadrant " << k;
            EXPECT_GT(area - background, area / 50) << lang << " quadrant " << k;
            EXPECT_GT(Ink(c, {q.left, q.top, q.left + 40, q.top + h}, backgrounds[k]), 0) << lang << " " << k;
            // The quadrant's last rows are text too (its extra line runs on below it).
            EXPECT_GT(Ink(c, {q.left, q.bottom - h, q.right, q.bottom}, backgrounds[k]), 0) << lang << " " << k;
        }
    }
    g_lang = 0;
}

TEST(ReadabilityQuadrants, LowerQuadrantsCoverTheUpperOnesOverflow) {
    // The upper quadrants draw one line past the middle; the lower quadrants, painted afterwards,
    // must look exactly as if they had been painted alone.
    g_lang = 0;
    Canvas whole(1920, 1080);
    const RECT r = whole.Rect();
    DrawReadability3(whole.dc, &r);
    Canvas alone(1920, 1080);
    alone.Clear(RGB(1, 2, 3));
    const RECT lowerLeft = {0, 540, 960, 1080};
    const RECT lowerRight = {960, 540, 1920, 1080};
    DrawReadabilityText(alone.dc, &lowerLeft, kWhite, kBlack);
    DrawReadabilityText(alone.dc, &lowerRight, kBlack, kWhite);
    int differences = 0;
    for (int y = 540; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x) differences += whole.At(x, y) != alone.At(x, y);
    EXPECT_EQ(differences, 0);
}

}  // namespace
