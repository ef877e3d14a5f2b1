// The catalogue of the 34 screens ("modes") in 10 categories, and play-list building.
// Plain standard C++ (no Windows headers).
#pragma once

constexpr int kModeCount = 34;
constexpr int kCategoryCount = 10;
constexpr int kSoundCategory = 9;

extern const int g_catCount[kCategoryCount];      // screens per category
extern const int g_catStart[kCategoryCount];      // first mode of each category
extern const int g_modeCategory[kModeCount];      // category of each mode

// Number of screens in the checked categories (`checked` has one flag per category).
int CountSelectedModes(const int checked[kCategoryCount]);

// Writes the modes of the checked categories, in catalogue order, to `modes`
// (room for CountSelectedModes entries) and returns how many it wrote.
int FillPlaylist(const int checked[kCategoryCount], int* modes);

// Category of `mode`, or -1 for a number that is no mode.
int ModeCategory(int mode);

// Name of screen `mode` in the current language: the colour for the five solid screens,
// otherwise the category's name; the product name for a number that is no mode.
const wchar_t* ModeTitle(int mode);

// The screens worth having painted while play-list entry `pos` of `count` is shown, most wanted
// first: the entry's own, the next, the previous (with wrap-around, each screen once, and no
// number that is no screen). Returns how many it wrote to `wanted` (0 to 3).
int ScreensAround(const int* playlist, int count, int pos, int wanted[3]);
