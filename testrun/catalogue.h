// The catalogue of the 62 screens ("modes") in 15 categories, and play-list building.
// Plain standard C++ (no Windows headers).
#pragma once

#include "app/texts.h"

constexpr int kModeCount = 62;
constexpr int kCategoryCount = 15;
constexpr int kSoundCategory = 9;
constexpr int kMotionCategory = 11;
constexpr int kMovingBlocksMode = 42;
constexpr int kFrameCheckMode = 43;
constexpr int kChromaMode = 44;  // the screens of the two cards after Motion, in card order
constexpr int kSubpixelOrderMode = 45;
constexpr int kEdgesMode = 46;
constexpr int kOneToOneMode = 47;
// The HDR card's screens, shown through the FP16 presenter: seven peak windows, then one screen each.
constexpr int kHdrCategory = 14;
constexpr int kFirstHdrMode = 48;
constexpr int kHdrModeCount = 12;
constexpr int kClippingMode = 55;
constexpr int kHdrNearBlackMode = 56;
constexpr int kBloomingMode = 57;
constexpr int kTenBitStepsMode = 58;
constexpr int kWideGamutMode = 59;
// The Motion card's two variable-refresh screens, played after its first two.
constexpr int kVrrSweepMode = 60;
constexpr int kVrrFlickerMode = 61;

extern const int g_catCount[kCategoryCount];      // screens per category
extern const int g_cardModes[kModeCount];         // every mode once, card by card, in the order played
extern const int g_cardFirst[kCategoryCount];     // where each card's modes start in g_cardModes
extern const int g_modeCategory[kModeCount];      // category of each mode

// Number of screens in the checked categories (`checked` has one flag per category).
int CountSelectedModes(const int checked[kCategoryCount]);

// Writes the modes of the checked categories, in catalogue order, to `modes`
// (room for CountSelectedModes entries) and returns how many it wrote.
int FillPlaylist(const int checked[kCategoryCount], int* modes);

// Category of `mode`, or -1 for a number that is no mode.
int ModeCategory(int mode);

// Nonzero for the HDR card's screens.
int IsHdrMode(int mode);

// Nonzero for the screens that animate, frame by frame, while they are shown: the two GDI motion
// screens (moving blocks, frame check).
int IsMotionMode(int mode);

// Nonzero for the variable-refresh screens, shown through a swap chain of their own.
int IsVrrMode(int mode);

// The text key of category `category`'s name (0..kCategoryCount-1).
Str CategoryTextKey(int category);

// Name of screen `mode` in the current language: the colour for the five solid screens, the
// screen's own name from mode 34 on, otherwise the category's name; the product name for a number
// that is no mode.
const wchar_t* ModeTitle(int mode);

// The screens worth having painted while play-list entry `pos` of `count` is shown, most wanted
// first: the entry's own, the next, the previous (with wrap-around, each screen once, and no
// number that is no screen nor a screen that animates or has a swap chain of its own: those are drawn
// as they are shown). Returns how many it wrote to `wanted` (0 to 3).
int ScreensAround(const int* playlist, int count, int pos, int wanted[3]);
