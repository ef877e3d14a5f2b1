// Catalogue tables and the play list they produce.
#include "testrun/catalogue.h"

#include "app/texts.h"

const int g_catCount[kCategoryCount] = {5, 6, 3, 3, 3, 3, 3, 3, 4, 1, 8, 4, 2, 2, 12};
// The Motion card's variable-refresh screens came last to the catalogue, yet play after its first two.
const int g_cardModes[kModeCount] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
    21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41,
    42, 43, 60, 61,                                  // motion
    44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59,
};
const int g_cardFirst[kCategoryCount] = {0, 5, 11, 14, 17, 20, 23, 26, 29, 33, 34, 42, 46, 48, 50};
const int g_modeCategory[kModeCount] = {
    0, 0, 0, 0, 0,         // solid colours
    1, 1, 1, 1, 1, 1,      // brightness and grey scales
    2, 2, 2,               // geometry
    3, 3, 3,               // convergence
    4, 4, 4,               // focus
    5, 5, 5,               // moire
    6, 6, 6,               // readability
    7, 7, 7,               // resolution
    8, 8, 8, 8,            // colours
    9,                     // sound
    10, 10, 10, 10, 10, 10, 10, 10,  // levels, gamma, uniformity and flicker
    11, 11,                // motion
    12, 12,                // chroma and text
    13, 13,                // edges and scaling
    14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14, 14,  // HDR
    11, 11,                // variable refresh, on the Motion card
};

int CountSelectedModes(const int checked[kCategoryCount]) {
    int count = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (checked[c]) count += g_catCount[c];
    }
    return count;
}

int FillPlaylist(const int checked[kCategoryCount], int* modes) {
    int count = 0;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (!checked[c]) continue;
        for (int k = 0; k < g_catCount[c]; ++k) modes[count++] = g_cardModes[g_cardFirst[c] + k];
    }
    return count;
}

int ModeCategory(int mode) {
    return mode >= 0 && mode < kModeCount ? g_modeCategory[mode] : -1;
}

int IsHdrMode(int mode) {
    return ModeCategory(mode) == kHdrCategory;
}

int IsMotionMode(int mode) {
    return mode == kMovingBlocksMode || mode == kFrameCheckMode;
}

int IsVrrMode(int mode) {
    return mode == kVrrSweepMode || mode == kVrrFlickerMode;
}

Str CategoryTextKey(int category) {
    // The first ten names follow one another in the text catalogue; the later ones were added after
    // it, two at a time, each pair in a run of its own.
    if (category == kHdrCategory) return STR_CAT_HDR;
    if (category > kMotionCategory) return static_cast<Str>(STR_CAT_CHROMA + category - kMotionCategory - 1);
    if (category >= kSoundCategory + 1) return static_cast<Str>(STR_CAT_LEVELS + category - kSoundCategory - 1);
    return static_cast<Str>(STR_CAT_SOLID + category);
}

const wchar_t* ModeTitle(int mode) {
    static const Str colorStr[] = {STR_WHITE, STR_BLACK, STR_RED, STR_GREEN, STR_BLUE};
    constexpr int kFirstNamedMode = 34;  // from here on each screen has a name of its own
    if (mode >= 0 && mode < 5) return tr(colorStr[mode]);
    if (IsVrrMode(mode)) return tr(static_cast<Str>(STR_VRR_SWEEP + mode - kVrrSweepMode));
    if (mode >= kClippingMode && mode < kModeCount) return tr(static_cast<Str>(STR_HDR_CLIPPING + mode - kClippingMode));
    if (mode >= kFirstHdrMode && mode < kClippingMode) return tr(STR_HDR_PEAK_WINDOW);
    if (mode >= kChromaMode && mode < kFirstHdrMode) return tr(static_cast<Str>(STR_CHROMA + mode - kChromaMode));
    if (mode >= kFirstNamedMode && mode < kModeCount) return tr(static_cast<Str>(STR_NEAR_BLACK + mode - kFirstNamedMode));
    const int category = ModeCategory(mode);
    return category >= 0 ? tr(CategoryTextKey(category)) : tr(STR_PRODUCT);
}

int ScreensAround(const int* playlist, int count, int pos, int wanted[3]) {
    if (playlist == nullptr || count <= 0 || pos < 0 || pos >= count) return 0;
    const int places[3] = {pos, (pos + 1) % count, (pos + count - 1) % count};
    int n = 0;
    for (int place : places) {
        const int mode = playlist[place];
        bool seen = ModeCategory(mode) < 0 || IsMotionMode(mode) || IsVrrMode(mode);
        for (int k = 0; k < n; ++k) seen = seen || wanted[k] == mode;
        if (!seen) wanted[n++] = mode;
    }
    return n;
}
