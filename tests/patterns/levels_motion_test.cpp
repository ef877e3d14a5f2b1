// Levels, gamma, uniformity, flicker and the motion frames: exact levels and parities probed at
// three sizes, and what changes from one frame to the next.
#include <gtest/gtest.h>

#include <math.h>

#include <vector>

#include "patterns/levels.h"
#include "patterns/motion.h"
#include "patterns/patterns.h"
#include "testrun/catalogue.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

const SIZE kSizes[] = {{1920, 1080}, {1283, 803}, {640, 480}};

// Every pixel of `area` is `color`.
::testing::AssertionResult AllOf(const Canvas& c, const RECT& area, COLORREF color) {
    const int other = CountOther(c, area, color);
    if (other == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << other << " pixels of (" << area.left << ", " << area.top << ")-("
                                         << area.right << ", " << area.bottom << ") are not " << ColorText(color);
}

TEST(LevelScreens, PatchesHoldTheirLevelAndLabelsStayClearOfThem) {
    struct Chart {
        DrawFunc draw;
        COLORREF background;
        int first;
        COLORREF (*color)(int row, int v);
    };
    const Chart charts[] = {
        {DrawNearBlack, Gray(0), 1,
         [](int row, int v) { return std::vector<COLORREF>{Gray(v), RGB(v, 0, 0), RGB(0, v, 0), RGB(0, 0, v)}[row]; }},
        {DrawNearWhite, Gray(255), 223,
         [](int row, int v) {
             return std::vector<COLORREF>{Gray(v), RGB(v, 255, 255), RGB(255, v, 255), RGB(255, 255, v)}[row];
         }},
    };
    for (const SIZE& size : kSizes) {
        for (const Chart& chart : charts) {
            SCOPED_TRACE(testing::Message() << chart.first << " at " << size.cx << "x" << size.cy);
            auto c = PaintScreen(chart.draw, size.cx, size.cy);
            LevelChartLayout layout;
            const RECT rc = c->Rect();
            LayOutLevelChart(&rc, &layout);
            for (int row = 0; row < 4; ++row) {
                for (int column = 0; column < 32; ++column) {
                    const RECT patch = LevelPatch(layout, row, column);
                    ASSERT_TRUE(AllOf(*c, patch, chart.color(row, chart.first + column))) << row << "/" << column;
                    // Background on every side, so that neither a neighbour nor a label touches it.
                    const RECT ring = {patch.left - 1, patch.top - 1, patch.right + 1, patch.bottom + 1};
                    const int ringPixels = 2 * (ring.right - ring.left) + 2 * (patch.bottom - patch.top);
                    EXPECT_EQ(c->Count(ring, chart.background), ringPixels) << row << "/" << column;
                    const RECT label = LevelLabelBox(layout, row, column);
                    EXPECT_GT(CountOther(*c, label, chart.background), 0) << "label " << row << "/" << column;
                }
            }
        }
    }
}

TEST(LevelScreens, GammaPatchesMatchHalfTheLightOfTheirLines) {
    const double gammas[kGammaPatches] = {1.8, 2.0, 2.2, 2.4, 2.6};
    for (int k = 0; k < kGammaPatches; ++k) {
        EXPECT_EQ(g_gammaPatches[k].level, static_cast<int>(floor(255 * pow(0.5, 1 / gammas[k]) + 0.5)));
    }
    const COLORREF masks[kGammaBands] = {Gray(255), RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    for (const SIZE& size : kSizes) {
        auto c = PaintScreen(DrawGamma, size.cx, size.cy);
        const RECT rc = c->Rect();
        for (int band = 0; band < kGammaBands; ++band) {
            SCOPED_TRACE(testing::Message() << "band " << band << " at " << size.cx << "x" << size.cy);
            GammaBandLayout layout;
            LayOutGamma(&rc, band, &layout);
            for (int y = layout.lines.top; y < layout.lines.bottom; ++y) {
                const COLORREF line = y % 2 == 0 ? masks[band] : Gray(0);
                ASSERT_TRUE(PixelIs(*c, 0, y, line));
                ASSERT_TRUE(PixelIs(*c, size.cx - 1, y, line));
            }
            for (int k = 0; k < kGammaPatches; ++k) {
                const RECT patch = GammaPatchRect(&rc, layout, k);
                const int v = g_gammaPatches[k].level;
                EXPECT_TRUE(AllOf(*c, patch, masks[band] & RGB(v, v, v))) << k;
                const RECT label = {patch.left, layout.labels.top, patch.right, layout.labels.bottom};
                EXPECT_GT(CountOther(*c, label, Gray(0)), 0) << "label " << k;
            }
        }
    }
}

TEST(LevelScreens, UniformityFieldsAreOneLevelEverywhere) {
    const struct {
        DrawFunc draw;
        int level;
    } fields[] = {{DrawUniformity5, 13}, {DrawUniformity10, 26}, {DrawUniformity25, 64}, {DrawUniformity50, 128}};
    for (const SIZE& size : kSizes) {
        for (const auto& field : fields) {
            auto c = PaintScreen(field.draw, size.cx, size.cy);
            EXPECT_TRUE(AllOf(*c, c->Rect(), Gray(field.level))) << field.level;
        }
    }
}

TEST(LevelScreens, FlickerFieldsKeepTheScreensParity) {
    bool (*const lit[3])(int, int) = {[](int x, int y) { return (x + y) % 2 == 0; },
                                      [](int x, int y) { return (x / 2 + y) % 2 == 0; },
                                      [](int, int y) { return y % 2 == 0; }};
    const COLORREF on[2] = {Gray(159), RGB(255, 159, 255)};
    const COLORREF off[2] = {Gray(0), RGB(159, 0, 159)};
    for (const SIZE& size : kSizes) {
        auto c = PaintScreen(DrawFlicker, size.cx, size.cy);
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 3; ++column) {
                const RECT f = {column * size.cx / 3, row * size.cy / 2, (column + 1) * size.cx / 3,
                                (row + 1) * size.cy / 2};
                // The field's corners and a 5 x 5 patch in its middle, where odd starts change parity.
                std::vector<POINT> probes = {{f.left, f.top}, {f.right - 1, f.top}, {f.left, f.bottom - 1},
                                             {f.right - 1, f.bottom - 1}};
                for (int dy = 0; dy < 5; ++dy) {
                    for (int dx = 0; dx < 5; ++dx) probes.push_back({(f.left + f.right) / 2 + dx, (f.top + f.bottom) / 2 + dy});
                }
                for (const POINT& p : probes) {
                    ASSERT_TRUE(PixelIs(*c, p.x, p.y, lit[column](p.x, p.y) ? on[row] : off[row]))
                        << " field " << row << "/" << column << " at " << size.cx << "x" << size.cy;
                }
            }
        }
    }
}

TEST(MotionFrames, StepsAreWholePixelsPerRefresh) {
    const struct {
        double hz;
        int steps[3];
    } table[] = {{144, {2, 4, 8}},    {60, {4, 8, 16}},  {240, {1, 2, 4}},    {30, {8, 16, 32}}, {0, {4, 8, 16}},
                 {1000, {1, 2, 4}},   {360, {1, 2, 4}},  {59.94, {4, 8, 16}}, {24, {10, 20, 40}}};
    for (const auto& row : table) {
        for (int lane = 0; lane < kMotionLanes; ++lane) EXPECT_EQ(LaneStep(lane, row.hz), row.steps[lane]) << row.hz;
    }
    EXPECT_EQ(FrameCells(144), 144);
    EXPECT_EQ(FrameCells(59.94), 60);
    EXPECT_EQ(FrameCells(360), kMaxFrameCells);
    const struct {
        double hz;
        const wchar_t* text;
    } rates[] = {{60, L"60"}, {59.94, L"59.94"}, {143.856, L"143.86"}, {0, L"60"}, {23.976, L"23.98"}};
    for (const auto& rate : rates) {
        wchar_t text[24];
        FormatRefreshRate(rate.hz, text, 24);
        EXPECT_STREQ(text, rate.text);
    }
}

// Frame k of the moving blocks: each block k steps along from the left edge, wrapping round.
TEST(MotionFrames, FrameKPutsEachBlockAtItsStep) {
    const COLORREF lanes[3] = {Gray(64), Gray(128), Gray(192)};
    const COLORREF blocks[3] = {Gray(255), Gray(255), Gray(0)};
    const COLORREF details[3] = {Gray(0), Gray(0), Gray(255)};
    for (const SIZE& size : kSizes) {
        Canvas c(size.cx, size.cy);
        const RECT rc = c.Rect();
        const int block = size.cy / 12;
        for (long long k : {0LL, 1LL, 37LL, 1000LL}) {
            DrawMotionFrame(c.dc, &rc, kMovingBlocksMode, {k, 144, 0, 0});
            GdiFlush();
            for (int lane = 0; lane < kMotionLanes; ++lane) {
                SCOPED_TRACE(testing::Message() << "frame " << k << " lane " << lane << " at " << size.cx);
                const int left = static_cast<int>((k * LaneStep(lane, 144) + block) % (size.cx + block)) - block;
                const int top = lane * size.cy / 3 + ((lane + 1) * size.cy / 3 - lane * size.cy / 3 - block) / 2;
                const RECT r = MovingBlockRect(&rc, lane, 144, k);
                EXPECT_EQ(r.left, left);
                EXPECT_EQ(r.top, top);
                if (left + 1 >= 0 && left + 1 < size.cx) {
                    EXPECT_PIXEL(c, left + 1, top + 1, blocks[lane]);
                }
                if (left - 1 >= 0) {
                    EXPECT_PIXEL(c, left - 1, top + 1, lanes[lane]);
                }
                // The cross's 1-pixel arm, through the block's middle row.
                const int cy = top + block / 2;
                if (left + 3 >= 0 && left + 3 < size.cx) {
                    EXPECT_PIXEL(c, left + 3, cy, details[lane]);
                    EXPECT_PIXEL(c, left + 3, cy - 1, blocks[lane]);
                }
            }
        }
    }
}

TEST(MotionFrames, FrameCheckLightsOneCellPerFrame) {
    for (const SIZE& size : kSizes) {
        Canvas c(size.cx, size.cy);
        const RECT rc = c.Rect();
        for (int hz : {60, 144, 240}) {
            for (long long k : {0LL, 5LL, static_cast<long long>(hz) + 3}) {
                DrawMotionFrame(c.dc, &rc, kFrameCheckMode, {k, static_cast<double>(hz), 0, 0});
                GdiFlush();
                int lit = 0;
                for (int cell = 0; cell < FrameCells(hz); ++cell) {
                    const RECT r = FrameCellRect(&rc, hz, cell);
                    ASSERT_GT(r.right, r.left);
                    const COLORREF color = c.At(r.left, r.top);
                    lit += color == Gray(255);
                    EXPECT_TRUE(AllOf(c, r, color)) << cell;
                    EXPECT_EQ(color, cell == k % hz ? Gray(255) : Gray(48)) << "cell " << cell << " hz " << hz;
                }
                EXPECT_EQ(lit, 1);
                EXPECT_GT(CountOther(c, FrameNumberBox(&rc), Gray(0)), 0);
            }
        }
    }
}

// Painting only the changed rectangles over frame k gives exactly frame k + n.
TEST(MotionFrames, ChangedRectanglesHoldEveryChangedPixel) {
    for (const SIZE& size : kSizes) {
        for (int mode : {kMovingBlocksMode, kFrameCheckMode}) {
            Canvas before(size.cx, size.cy);
            Canvas after(size.cx, size.cy);
            const RECT rc = before.Rect();
            for (long long k : {0LL, 59LL, 100LL}) {
                for (int n : {1, 2, 9}) {
                    DrawMotionFrame(before.dc, &rc, mode, {k, 144, 0, 0});
                    DrawMotionFrame(after.dc, &rc, mode, {k + n, 144, 0, 0});
                    RECT changed[kMaxChangedRects];
                    const int count = MotionChangedRects(&rc, mode, 144, k, k + n, changed);
                    HRGN region = CreateRectRgn(0, 0, 0, 0);
                    for (int i = 0; i < count; ++i) {
                        HRGN part = CreateRectRgnIndirect(&changed[i]);
                        CombineRgn(region, region, part, RGN_OR);
                        DeleteObject(part);
                    }
                    SelectClipRgn(before.dc, region);
                    DrawMotionFrame(before.dc, &rc, mode, {k + n, 144, 0, 0});
                    SelectClipRgn(before.dc, nullptr);
                    DeleteObject(region);
                    GdiFlush();
                    EXPECT_EQ(memcmp(before.bits, after.bits, static_cast<size_t>(size.cx) * size.cy * 4), 0)
                        << "mode " << mode << " frame " << k << " + " << n << " at " << size.cx;
                }
            }
        }
    }
}

}  // namespace
