// Probes of the focus and moire screens: line pairs, fine grids, Siemens stars, circles and the sine wave.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

#include "patterns/paint_cancel.h"
#include "patterns/patterns.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

TEST(FocusMoire, FocusLinesColumnsBelowAndRowsInsideTheBand) {
    // 1080 rows: band of 135 rows, then the 2-pixel border line on row 135.
    auto c = PaintScreen(DrawFocusLines, 1920, 1080);
    EXPECT_PIXEL(*c, 0, 500, kBlack);
    EXPECT_PIXEL(*c, 1, 500, kWhite);
    EXPECT_PIXEL(*c, 1918, 1079, kBlack);
    EXPECT_PIXEL(*c, 1919, 1079, kWhite);
    EXPECT_EQ(c->Count({0, 700, 1920, 701}, kBlack), 960);
    EXPECT_PIXEL(*c, 1, 0, kBlack);
    EXPECT_PIXEL(*c, 0, 1, kWhite);
    EXPECT_PIXEL(*c, 1919, 132, kBlack);
    EXPECT_PIXEL(*c, 0, 133, kWhite);
    EXPECT_EQ(c->Count({0, 0, 1920, 134}, kBlack), 67 * 1920);
    EXPECT_PIXEL(*c, 1, 135, kBlack);
    EXPECT_PIXEL(*c, 1919, 135, kBlack);
    EXPECT_PIXEL(*c, 1, 136, kWhite);
    EXPECT_PIXEL(*c, 0, 136, kBlack);
    // 800 rows: band of 100; the 2-pixel border on row 100 also covers row 99.
    auto d = PaintScreen(DrawFocusLines, 1280, 800);
    EXPECT_PIXEL(*d, 1, 97, kWhite);
    EXPECT_PIXEL(*d, 1, 98, kBlack);
    EXPECT_PIXEL(*d, 1, 99, kBlack);
    EXPECT_PIXEL(*d, 1, 100, kBlack);
    EXPECT_PIXEL(*d, 1, 101, kWhite);
    EXPECT_PIXEL(*d, 0, 101, kBlack);
}

TEST(FocusMoire, FocusGridEvery8WithGreyCentreLines) {
    auto c = PaintScreen(DrawFocusGrid, 1920, 1080);
    EXPECT_PIXEL(*c, 0, 3, kBlack);
    EXPECT_PIXEL(*c, 952, 3, kBlack);
    EXPECT_PIXEL(*c, 1912, 3, kBlack);
    EXPECT_PIXEL(*c, 1919, 3, kWhite);
    EXPECT_PIXEL(*c, 3, 1072, kBlack);
    EXPECT_PIXEL(*c, 3, 1079, kWhite);
    EXPECT_EQ(c->Count({0, 3, 1920, 4}, kBlack), 239);  // 240 columns, one of them grey
    // Vertical centre line on the grid column 960, horizontal one on row 540 between 536 and 544.
    EXPECT_PIXEL(*c, 960, 3, Gray(128));
    EXPECT_PIXEL(*c, 960, 1079, Gray(128));
    EXPECT_PIXEL(*c, 961, 3, kWhite);
    EXPECT_PIXEL(*c, 3, 540, Gray(128));
    EXPECT_PIXEL(*c, 1919, 540, Gray(128));
    EXPECT_PIXEL(*c, 3, 536, kBlack);
    EXPECT_PIXEL(*c, 3, 544, kBlack);
    EXPECT_PIXEL(*c, 3, 539, kWhite);
    EXPECT_PIXEL(*c, 3, 541, kWhite);
    EXPECT_PIXEL(*c, 960, 540, Gray(128));
    EXPECT_PIXEL(*c, 960, 536, Gray(128));  // drawn over the black row
    // 1601 x 901: the column at 1600 is still inside; centre (800, 450) lies on the grid.
    auto d = PaintScreen(DrawFocusGrid, 1601, 901);
    EXPECT_PIXEL(*d, 1600, 3, kBlack);
    EXPECT_PIXEL(*d, 3, 896, kBlack);
    EXPECT_PIXEL(*d, 3, 900, kWhite);
    EXPECT_PIXEL(*d, 800, 3, Gray(128));
    EXPECT_PIXEL(*d, 3, 450, Gray(128));
    EXPECT_PIXEL(*d, 3, 448, kBlack);
}

TEST(FocusMoire, FocusSiemensMainStarAt1920x1080) {
    auto c = PaintScreen(DrawFocusSiemens, 1920, 1080);
    // Radius 324 around (960, 540); 280 pixels out, clockwise from straight up.
    EXPECT_PIXEL(*c, 972, 260, kBlack);   // 2.5 degrees: first wedge
    EXPECT_PIXEL(*c, 948, 260, kWhite);   // -2.5 degrees: last gap
    EXPECT_PIXEL(*c, 996, 262, kWhite);   // 7.5 degrees: first gap
    EXPECT_PIXEL(*c, 1020, 266, kBlack);  // 12.5 degrees: second wedge
    // Outer black outline on its axes, white beyond.
    EXPECT_PIXEL(*c, 636, 540, kBlack);
    EXPECT_PIXEL(*c, 1284, 540, kBlack);
    EXPECT_PIXEL(*c, 960, 216, kBlack);
    EXPECT_PIXEL(*c, 960, 864, kBlack);
    EXPECT_PIXEL(*c, 634, 540, kWhite);
    EXPECT_PIXEL(*c, 960, 214, kWhite);
    // Grey circle of radius 243 over the star.
    EXPECT_PIXEL(*c, 960, 297, Gray(128));
    EXPECT_PIXEL(*c, 717, 540, Gray(128));
    EXPECT_PIXEL(*c, 1203, 540, Gray(128));
    EXPECT_PIXEL(*c, 960, 783, Gray(128));
}

TEST(FocusMoire, FocusSiemensSmallStarsAt1920x1080) {
    auto c = PaintScreen(DrawFocusSiemens, 1920, 1080);
    // Radius 64 around (960, 94), (960, 986), (94, 540) and (1826, 540).
    EXPECT_PIXEL(*c, 960, 30, kBlack);
    EXPECT_PIXEL(*c, 960, 28, kWhite);
    EXPECT_PIXEL(*c, 960, 158, kBlack);
    EXPECT_PIXEL(*c, 960, 1050, kBlack);
    EXPECT_PIXEL(*c, 960, 1052, kWhite);
    EXPECT_PIXEL(*c, 30, 540, kBlack);
    EXPECT_PIXEL(*c, 28, 540, kWhite);
    EXPECT_PIXEL(*c, 1890, 540, kBlack);
    EXPECT_PIXEL(*c, 1892, 540, kWhite);
    // 24 wedges of 7.5 degrees, the first from 12 o'clock: 50 pixels out at +-3.75 degrees.
    EXPECT_PIXEL(*c, 963, 44, kBlack);
    EXPECT_PIXEL(*c, 957, 44, kWhite);
    EXPECT_PIXEL(*c, 97, 490, kBlack);
    EXPECT_PIXEL(*c, 91, 490, kWhite);
}

TEST(FocusMoire, Moire1Has44CirclesFrom12To528) {
    auto c = PaintScreen(DrawMoire1, 1920, 1080);
    for (int r = 12; r <= 528; r += 12) {
        EXPECT_PIXEL(*c, 960 - r, 540, kWhite) << "radius " << r;
        EXPECT_PIXEL(*c, 960 - r + 6, 540, Gray(128)) << "radius " << r;
    }
    EXPECT_EQ(c->Count({0, 540, 960, 541}, kWhite), 2 * 44);  // a 2-pixel pen, 44 circles
    EXPECT_EQ(c->Count({0, 0, 420, 1080}, Gray(128)), 420 * 1080);
    EXPECT_PIXEL(*c, 960, 540, Gray(128));
}

// A painter whose run has ended gives the rings up between two circles; only the thread that named
// the flag gives up, so the window's own paint of the same screen always has every circle.
TEST(FocusMoire, Moire1GivenUpOnlyOnTheThreadWhoseFlagIsUp) {
    struct Case {
        const char* what;
        int flagUp;
        bool flagOnOtherThread;
        int whiteOnRow;
    };
    const Case cases[] = {
        {"flag up on this thread", 1, false, 0},
        {"flag named and down", 0, false, 2 * 44},
        {"flag up on another thread", 1, true, 2 * 44},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::atomic<int> flag(c.flagUp);
        if (c.flagOnOtherThread) {
            std::atomic<int>* named = &flag;
            HANDLE other = CreateThread(
                nullptr, 0,
                [](void* p) -> DWORD {
                    GiveUpPaintsWhen(static_cast<std::atomic<int>*>(p));
                    return PaintGivenUp() ? 0 : 1;
                },
                named, 0, nullptr);
            ASSERT_NE(other, nullptr);
            WaitForSingleObject(other, INFINITE);
            DWORD code = 1;
            GetExitCodeThread(other, &code);
            CloseHandle(other);
            EXPECT_EQ(code, 0u) << "the other thread saw no flag";
        } else {
            GiveUpPaintsWhen(&flag);
        }
        auto canvas = PaintScreen(DrawMoire1, 1920, 1080);
        GiveUpPaintsWhen(nullptr);
        EXPECT_EQ(canvas->Count({0, 540, 960, 541}, kWhite), c.whiteOnRow);
        EXPECT_EQ(canvas->Count({0, 540, 960, 541}, Gray(128)), 960 - c.whiteOnRow);
    }
}

TEST(FocusMoire, Moire2BlackLinesEvery4OnLightGrey) {
    for (const SIZE& size : {SIZE{1920, 1080}, SIZE{1001, 1001}}) {
        auto c = PaintScreen(DrawMoire2, size.cx, size.cy);
        EXPECT_EQ(c->Count({0, 0, size.cx, 1}, kBlack), size.cx);
        EXPECT_EQ(c->Count({0, 0, 1, size.cy}, kBlack), size.cy);
        EXPECT_EQ(c->Count({0, 1, size.cx, 2}, kBlack), (size.cx + 3) / 4);
        EXPECT_PIXEL(*c, 1, 1, Gray(192));
        EXPECT_PIXEL(*c, 4, 1, kBlack);
        EXPECT_PIXEL(*c, 1, 4, kBlack);
    }
    auto c = PaintScreen(DrawMoire2, 1920, 1080);
    EXPECT_PIXEL(*c, 1916, 1, kBlack);
    EXPECT_PIXEL(*c, 1917, 1, Gray(192));
    EXPECT_PIXEL(*c, 1, 1076, kBlack);
    EXPECT_PIXEL(*c, 1, 1079, Gray(192));
}

TEST(FocusMoire, Moire3FourCyclesFirstSwingingDown) {
    auto c = PaintScreen(DrawMoire3, 1920, 1080);
    // Amplitude 180 around row 540; one cycle per 480 columns.
    auto yellowIn = [&](int x, int top, int bottom) { return c->Count({x, top, x + 1, bottom}, kYellow); };
    for (int cycle = 0; cycle < 4; ++cycle) {
        const int x = 480 * cycle;
        EXPECT_GT(yellowIn(x + 120, 719, 722), 0) << "crest " << cycle;
        EXPECT_EQ(yellowIn(x + 120, 0, 715), 0) << "crest " << cycle;
        EXPECT_GT(yellowIn(x + 360, 359, 362), 0) << "trough " << cycle;
        EXPECT_EQ(yellowIn(x + 360, 366, 1080), 0) << "trough " << cycle;
        EXPECT_GT(yellowIn(x + 240, 538, 543), 0) << "crossing " << cycle;
    }
    EXPECT_GT(yellowIn(0, 538, 543), 0);
    EXPECT_EQ(c->Count({0, 0, 1920, 358}, kYellow), 0);
    EXPECT_EQ(c->Count({0, 723, 1920, 1080}, kYellow), 0);
    EXPECT_PIXEL(*c, 5, 5, Gray(100));
}

}  // namespace
