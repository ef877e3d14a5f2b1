// The one-to-one screen's facts: their wording in every language, and over thousands of generated
// sets whether the picture is called scaled exactly where the two modes are known and differ.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <wchar.h>

#include "patterns/display_facts.h"

namespace {

int g_textLang = 0;
const wchar_t* TextOfLang(Str key) { return TextIn(g_textLang, key); }

TEST(DisplayFacts, SaysInPlainWordsThatWindowsSendsAnotherModeThanTheNativeOne) {
    g_textLang = 0;
    wchar_t lines[kFactLines][kFactLineChars];
    int verdict = -1;
    ASSERT_EQ(FactLines({1, 1920, 1080, 1, 150, 1, 3840, 2160}, TextOfLang, lines, &verdict), 4);
    EXPECT_STREQ(lines[0], L"Desktop mode: 1920 \u00D7 1080");
    EXPECT_STREQ(lines[1], L"Display scale: 150 %");
    EXPECT_STREQ(lines[2], L"Native mode (EDID): 3840 \u00D7 2160");
    EXPECT_EQ(verdict, 3);
    EXPECT_STREQ(lines[3],
                 L"Windows sends 1920 \u00D7 1080; this monitor's native mode is 3840 \u00D7 2160: the picture is scaled.");
    ASSERT_EQ(FactLines({1, 3840, 2160, 0, 0, 1, 3840, 2160}, TextOfLang, lines, &verdict), 3);
    EXPECT_STREQ(lines[verdict], L"Windows sends this monitor's native mode.");
}

// Sizes around the limits and the common modes; facts out of range are unknown once set.
TEST(DisplayFacts, EveryGeneratedSetGivesOneLinePerKnownFactAndTheRightVerdict) {
    std::mt19937 random(47);
    const int sides[] = {-1, 0, 1, 640, 1080, 1920, 2160, 3840, kFactMaxSide, kFactMaxSide + 1};
    const int scales[] = {-5, 0, 1, 100, 125, 150, 175, 500, kFactMaxScale, kFactMaxScale + 1};
    auto pick = [&random](const int* list) { return list[random() % 10]; };
    for (int n = 0; n < 20000; ++n) {
        const DisplayFacts given = {static_cast<int>(random() % 2), pick(sides), pick(sides), static_cast<int>(random() % 2),
                                    pick(scales), static_cast<int>(random() % 2), pick(sides), pick(sides)};
        SetDisplayFacts(given);
        const DisplayFacts f = CurrentDisplayFacts();
        auto fits = [](int side) { return side >= 1 && side <= kFactMaxSide; };
        ASSERT_EQ(f.desktopKnown != 0, given.desktopKnown && fits(given.desktopWidth) && fits(given.desktopHeight));
        ASSERT_EQ(f.nativeKnown != 0, given.nativeKnown && fits(given.nativeWidth) && fits(given.nativeHeight));
        ASSERT_EQ(f.scaleKnown != 0, given.scaleKnown && given.scalePercent >= 1 && given.scalePercent <= kFactMaxScale);
        const bool both = f.desktopKnown && f.nativeKnown;
        const bool differ = f.desktopWidth != f.nativeWidth || f.desktopHeight != f.nativeHeight;
        ASSERT_EQ(DesktopIsScaled(f) != 0, both && differ);
        g_textLang = n % kLanguageCount;
        wchar_t lines[kFactLines][kFactLineChars];
        int verdict = -2;
        const int count = FactLines(f, TextOfLang, lines, &verdict);
        ASSERT_EQ(count, (f.desktopKnown != 0) + (f.scaleKnown != 0) + (f.nativeKnown != 0) + both);
        ASSERT_EQ(verdict, both ? count - 1 : -1);
        for (int k = 0; k < count; ++k) {
            const size_t length = wcsnlen(lines[k], kFactLineChars);
            ASSERT_GT(length, 0u);
            ASSERT_LT(length, static_cast<size_t>(kFactLineChars));
        }
        if (both) {
            const std::wstring said = lines[verdict];
            ASSERT_EQ(said == TextIn(g_textLang, STR_FACT_NOT_SCALED), !differ) << said;
        }
    }
    SetDisplayFacts({});
}

}  // namespace
