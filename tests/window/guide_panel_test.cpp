// The guidance panel's texts laid out with a real DC: every screen in every language fits its box.
#include <gtest/gtest.h>

#include <cwchar>

#include "app/texts.h"
#include "tests/support/canvas.h"
#include "testrun/catalogue.h"
#include "testrun/guide_panel.h"
#include "testrun/guide_texts.h"

namespace {

// At the smallest screen a person tests and at a common one, every word fits a line of the panel
// and the panel fits the screen, with the fonts Windows (here Wine) really picks for each script.
TEST(GuidePanel, EveryScreensTextFitsItsPanelInEveryLanguage) {
    const SIZE sizes[] = {{640, 480}, {1920, 1080}};
    for (const SIZE& size : sizes) {
        Canvas canvas(size.cx, size.cy);
        const RECT rc = canvas.Rect();
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            for (int mode = 0; mode < kModeCount; ++mode) {
                GuideLayout layout;
                EXPECT_TRUE(LayOutGuidePanel(canvas.dc, &rc, mode, lang, &layout))
                    << "language " << lang << ", screen " << mode << ", " << size.cx << " x " << size.cy;
                EXPECT_GE(layout.lineCount, 5);
            }
        }
    }
    // A window too small for the box says so, and a number that is no screen has no panel.
    Canvas tiny(200, 120);
    const RECT small = tiny.Rect();
    GuideLayout layout;
    EXPECT_FALSE(LayOutGuidePanel(tiny.dc, &small, 19, 0, &layout));
    EXPECT_FALSE(LayOutGuidePanel(tiny.dc, &small, kModeCount, 0, &layout));
    EXPECT_EQ(layout.lineCount, 0);
}

// The longest texts (the chroma, subpixel, edges and one-to-one screens, the HDR peak windows and
// clipping steps) at the smallest screen: every character of every part is on a line of its own
// part, in order, with only the spaces between words left out. At 1920 x 1080 the box leaves most
// of the picture free to look at.
TEST(GuidePanel, LongestTextsAreShownWholeAtTheSmallestScreen) {
    Canvas small(640, 480);
    Canvas full(1920, 1080);
    const RECT smallRect = small.Rect();
    const RECT fullRect = full.Rect();
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int mode : {kChromaMode, kSubpixelOrderMode, kEdgesMode, kOneToOneMode, kFirstHdrMode, kClippingMode}) {
            GuideLayout layout;
            ASSERT_TRUE(LayOutGuidePanel(small.dc, &smallRect, mode, lang, &layout)) << lang << "/" << mode;
            const char* const sources[] = {GuideTextOf(lang, mode)->name, GuideHeadingsOf(lang)->good,
                                           GuideTextOf(lang, mode)->good, GuideHeadingsOf(lang)->fault,
                                           GuideTextOf(lang, mode)->fault};
            for (int part = 0; part < 5; ++part) {
                wchar_t whole[1024];
                ASSERT_GT(MultiByteToWideChar(CP_UTF8, 0, sources[part], -1, whole, 1024), 0);
                EXPECT_STREQ(layout.text[part], whole) << lang << "/" << mode << " part " << part;
                const wchar_t* next = layout.text[part];
                for (int k = 0; k < layout.lineCount; ++k) {
                    const GuideLine& line = layout.lines[k];
                    if (line.part != part) continue;
                    while (next < line.text && *next == L' ') ++next;
                    EXPECT_EQ(line.text, next) << lang << "/" << mode << " part " << part << " line " << k;
                    next = line.text + line.length;
                }
                while (*next == L' ') ++next;
                EXPECT_EQ(*next, L'\0') << lang << "/" << mode << " part " << part << " ends early";
            }
            ASSERT_TRUE(LayOutGuidePanel(full.dc, &fullRect, mode, lang, &layout));
            EXPECT_LE(layout.panel.right - layout.panel.left, 1920 / 3) << lang << "/" << mode;
            EXPECT_LE(layout.panel.bottom - layout.panel.top, 1080 / 2) << lang << "/" << mode;
        }
    }
}

// Each language has its own words for every screen: none shows the English text instead.
TEST(GuidePanel, NoLanguageButEnglishShowsTheEnglishText) {
    for (int lang = 1; lang < kLanguageCount; ++lang) {
        EXPECT_STRNE(GuideHeadingsOf(lang)->good, GuideHeadingsOf(0)->good) << lang;
        EXPECT_STRNE(GuideHeadingsOf(lang)->fault, GuideHeadingsOf(0)->fault) << lang;
        for (int mode = 0; mode < kModeCount; ++mode) {
            const GuideText* text = GuideTextOf(lang, mode);
            const GuideText* english = GuideTextOf(0, mode);
            if (mode != 36) {  // "Gamma" is the name in several languages
                EXPECT_STRNE(text->name, english->name) << "language " << lang << ", screen " << mode;
            }
            EXPECT_STRNE(text->good, english->good) << "language " << lang << ", screen " << mode;
            EXPECT_STRNE(text->fault, english->fault) << "language " << lang << ", screen " << mode;
        }
    }
}

}  // namespace
