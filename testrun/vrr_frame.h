// The pictures of the variable-refresh screens as B8G8R8A8 words: the sweep's moving bars and block,
// the flicker screen's two grey patches on black, and where each part lies. Plain standard C++: the
// swap-chain view and the GDI still frame both draw from here, so both show the same pixels.
#pragma once

#include <stdint.h>

#include "testrun/vrr_schedule.h"

constexpr int kVrrBarPeriod = 64;  // a white bar and the black gap after it
constexpr int kVrrBarWidth = 16;
constexpr double kVrrPixelsPerSecond = 480;  // bars and block: 10 px a frame at 48 Hz, 3.3 at 144 Hz
constexpr uint32_t kVrrWhite = 0xFFFFFFFFu;
constexpr uint32_t kVrrBlack = 0xFF000000u;
constexpr uint32_t kVrrGrey5 = 0xFF0D0D0Du;   // 5 % of full level (13)
constexpr uint32_t kVrrGrey20 = 0xFF333333u;  // 20 % (51)

// Where the parts of a width x height screen lie. The bars fill the top two thirds, the block runs
// along the bottom third under the text; the flicker patches are each a fifth of the width and a
// third of the height, side by side in the middle.
struct VrrLayout {
    int barsBottom;   // rows [0, barsBottom) carry the bars (the sweep)
    int blockSide;
    int blockTop;
    int textLeft;     // the rates' lines start here, in both screens
    int textTop;
    int patchWidth;   // the flicker patches
    int patchHeight;
    int patchTop;
    int patchLeft[2];  // 5 %, then 20 %
};

VrrLayout LayOutVrrScreen(int width, int height);

// The backdrop's width for a `width`-wide screen: the sweep's is one bar period wider, so that it
// scrolls by copying; the flicker screen's is the screen's.
int VrrBackdropWidth(VrrScreen screen, int width);

// Fills `pixels` (backdropWidth x height words, rows top-down) with the screen's backdrop.
void FillVrrBackdrop(VrrScreen screen, int width, int height, uint32_t* pixels);

// The backdrop column shown at screen column 0 at `seconds`: the bars move right.
int VrrScrollOffset(double seconds);

// The block's left edge at `seconds`: it moves right with the bars and starts again at the left.
int VrrBlockLeft(int width, int blockSide, double seconds);
