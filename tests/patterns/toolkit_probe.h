// Probe helpers for the pattern tests: screens painted the way the test window paints them,
// and pixel checks that name the coordinates and colours when they fail.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "testrun/modes.h"
#include "tests/support/canvas.h"

inline COLORREF Gray(int level) { return RGB(level, level, level); }

inline std::string ColorText(COLORREF color) {
    char text[32];
    snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(color), GetGValue(color), GetBValue(color));
    return text;
}

// A w x h canvas filled with `background` (the test window's black unless a marker colour is wanted),
// then painted by `draw` over the whole client rectangle.
inline std::unique_ptr<Canvas> PaintScreen(DrawFunc draw, int w, int h, COLORREF background = RGB(0, 0, 0)) {
    auto canvas = std::make_unique<Canvas>(w, h);
    canvas->Clear(background);
    const RECT client = {0, 0, w, h};
    draw(canvas->dc, &client);
    GdiFlush();
    return canvas;
}

inline ::testing::AssertionResult PixelIs(const Canvas& canvas, int x, int y, COLORREF expected) {
    const COLORREF actual = canvas.At(x, y);
    if (actual == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << ColorText(actual)
                                         << ", expected " << ColorText(expected);
}

#define EXPECT_PIXEL(canvas, x, y, color) EXPECT_TRUE(PixelIs((canvas), (x), (y), (color)))

// Number of pixels in `area` (clipped to the canvas) for which `test(color)` holds.
template <typename Test>
int CountWhere(const Canvas& canvas, const RECT& area, Test test) {
    GdiFlush();
    int count = 0;
    for (int y = area.top < 0 ? 0 : area.top; y < area.bottom && y < canvas.height; ++y) {
        for (int x = area.left < 0 ? 0 : area.left; x < area.right && x < canvas.width; ++x) {
            const uint32_t p = canvas.bits[static_cast<size_t>(y) * canvas.width + x];
            if (test(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF))) ++count;
        }
    }
    return count;
}

inline int CountOther(const Canvas& canvas, const RECT& area, COLORREF color) {
    return CountWhere(canvas, area, [color](COLORREF c) { return c != color; });
}

// Text may be drawn with smoothed edges, so "yellow" accepts any strongly yellow shade.
inline bool Yellowish(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) > 150 && GetBValue(c) < 100; }
