// The screen catalogue and the play lists built from a selection.
#include <gtest/gtest.h>

#include <vector>

#include "testrun/catalogue.h"

namespace {

std::vector<int> Playlist(std::initializer_list<int> categories) {
    int checked[kCategoryCount] = {};
    for (int c : categories) checked[c] = 1;
    std::vector<int> modes(CountSelectedModes(checked));
    EXPECT_EQ(FillPlaylist(checked, modes.data()), static_cast<int>(modes.size()));
    return modes;
}

TEST(Catalogue, EveryModeBelongsToExactlyOneCard) {
    int total = 0;
    int onCards[kModeCount] = {};
    for (int c = 0; c < kCategoryCount; ++c) {
        EXPECT_EQ(g_cardFirst[c], total) << c;
        for (int k = g_cardFirst[c]; k < g_cardFirst[c] + g_catCount[c]; ++k) {
            const int m = g_cardModes[k];
            ASSERT_GE(m, 0);
            ASSERT_LT(m, kModeCount);
            EXPECT_EQ(g_modeCategory[m], c) << m;
            ++onCards[m];
        }
        total += g_catCount[c];
    }
    EXPECT_EQ(total, kModeCount);
    for (int m = 0; m < kModeCount; ++m) EXPECT_EQ(onCards[m], 1) << m;
    EXPECT_EQ(g_catCount[kMotionCategory], 4);  // the card's badge
    EXPECT_EQ(ModeCategory(33), kSoundCategory);
    EXPECT_EQ(ModeCategory(-1), -1);
    EXPECT_EQ(ModeCategory(kModeCount), -1);
    for (int m = 0; m < kModeCount; ++m) EXPECT_EQ(IsMotionMode(m), m == 42 || m == 43) << m;
    for (int m = -1; m <= kModeCount; ++m) EXPECT_EQ(IsHdrMode(m), m >= 48 && m <= 59) << m;
    for (int m = -1; m <= kModeCount; ++m) EXPECT_EQ(IsVrrMode(m), m == 60 || m == 61) << m;
    EXPECT_EQ(ModeCategory(60), kMotionCategory);
    EXPECT_EQ(ModeCategory(61), kMotionCategory);
}

TEST(Catalogue, PlaylistsFollowCatalogueOrder) {
    EXPECT_EQ(Playlist({0, 1}).size(), 11u);
    EXPECT_EQ(Playlist({9}), (std::vector<int>{33}));
    EXPECT_EQ(Playlist({8, 0}), (std::vector<int>{0, 1, 2, 3, 4, 29, 30, 31, 32}));
    std::vector<int> old = Playlist({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_EQ(old.size(), 34u);
    for (int m = 0; m < 34; ++m) EXPECT_EQ(old[m], m);
    // The two later cards follow the sound screen, in card order, whatever was ticked first.
    EXPECT_EQ(Playlist({11, 9, 10}), (std::vector<int>{33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 60, 61}));
    // The Motion card plays its variable-refresh screens after its first two.
    EXPECT_EQ(Playlist({11}), (std::vector<int>{42, 43, 60, 61}));
    EXPECT_EQ(Playlist({13, 12, 11}), (std::vector<int>{42, 43, 60, 61, 44, 45, 46, 47}));
    EXPECT_EQ(Playlist({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}).size(), 50u);
    EXPECT_EQ(Playlist({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}).size(), static_cast<size_t>(kModeCount));
    EXPECT_EQ(Playlist({14, 13}), (std::vector<int>{46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    EXPECT_TRUE(Playlist({}).empty());
}

TEST(Catalogue, ScreensAroundAnEntryComeShownNextPreviousEachOnce) {
    struct Case {
        std::vector<int> playlist;
        int pos;
        std::vector<int> wanted;
    };
    const Case cases[] = {
        {{5, 6, 7, 8}, 1, {6, 7, 5}},
        {{5, 6, 7, 8}, 0, {5, 6, 8}},   // before the first comes the last
        {{5, 6, 7, 8}, 3, {8, 5, 7}},   // after the last comes the first
        {{5, 6}, 0, {5, 6}},            // next and previous are the same screen
        {{33}, 0, {33}},
        {{0, 99, 1}, 0, {0, 1}},        // no number that is no screen
        {{0, 99, 1}, 1, {1, 0}},
        {{41, 42, 43, 0}, 0, {41, 0}},  // the motion screens are drawn as they are shown
        {{42, 43}, 1, {}},
        {{43, 44, 45}, 1, {44, 45}},    // the screens after them are painted ahead
        {{43, 60, 61, 44}, 1, {}},      // the variable-refresh screens have swap chains of their own
        {{60, 61, 44, 41}, 2, {44, 41}},
        {{4, 5, 6}, 3, {}},             // no such entry
        {{}, 0, {}},
    };
    for (const Case& c : cases) {
        int wanted[3] = {-7, -7, -7};
        const int n = ScreensAround(c.playlist.empty() ? nullptr : c.playlist.data(),
                                    static_cast<int>(c.playlist.size()), c.pos, wanted);
        EXPECT_EQ(std::vector<int>(wanted, wanted + n), c.wanted) << "entry " << c.pos;
    }
}

TEST(Catalogue, LaterScreensHaveNamesOfTheirOwn) {
    EXPECT_STREQ(ModeTitle(34), L"Near black");
    EXPECT_STREQ(ModeTitle(40), L"Uniformity 50 %");
    EXPECT_STREQ(ModeTitle(43), L"Frame check");
    EXPECT_STREQ(ModeTitle(33), L"Sound");
    EXPECT_STREQ(tr(CategoryTextKey(10)), L"Levels and gamma");
    EXPECT_STREQ(tr(CategoryTextKey(11)), L"Motion");
    EXPECT_STREQ(tr(CategoryTextKey(9)), L"Sound");
    EXPECT_STREQ(tr(CategoryTextKey(12)), L"Chroma and text");
    EXPECT_STREQ(tr(CategoryTextKey(13)), L"Edges and scaling");
    const wchar_t* const names[] = {L"Chroma", L"Subpixel order", L"Edges", L"One to one"};
    for (int k = 0; k < 4; ++k) EXPECT_STREQ(ModeTitle(44 + k), names[k]);
    EXPECT_STREQ(tr(CategoryTextKey(14)), L"HDR");
    const wchar_t* const hdrNames[] = {L"HDR clipping", L"HDR near black", L"HDR blooming", L"HDR 10-bit steps",
                                       L"HDR wide gamut"};
    for (int k = 48; k < 55; ++k) EXPECT_STREQ(ModeTitle(k), L"HDR peak window");
    for (int k = 0; k < 5; ++k) EXPECT_STREQ(ModeTitle(55 + k), hdrNames[k]);
    EXPECT_STREQ(ModeTitle(60), L"Frame-rate sweep (VRR)");
    EXPECT_STREQ(ModeTitle(61), L"VRR flicker");
    EXPECT_STREQ(ModeTitle(62), L"TAVRO");
}

}  // namespace
