// A window kept inside its work area along one axis: moved by the least, its start kept on the screen.
#include <gtest/gtest.h>

#include "app/window_place.h"

TEST(WindowPlace, KeptInsideMovesByTheLeastAndKeepsTheStart) {
    const struct {
        int wanted, size, start, end, origin;
    } table[] = {
        {100, 600, 40, 768, 100},    // already inside: where it was
        {20, 600, 40, 768, 40},      // under a taskbar at the top: moved down to it
        {300, 600, 40, 768, 168},    // past the bottom: moved up, its bottom on the work area's
        {-50, 1500, 0, 1366, 0},     // larger than the work area: its start (the caption) inside
        {1920, 700, 1920, 3840, 1920},  // a second monitor to the right
        {-1300, 700, -1280, 0, -1280},  // one to the left
    };
    for (const auto& row : table) {
        EXPECT_EQ(KeptInside(row.wanted, row.size, row.start, row.end), row.origin)
            << row.wanted << " " << row.size << " in [" << row.start << ", " << row.end << ")";
    }
}
