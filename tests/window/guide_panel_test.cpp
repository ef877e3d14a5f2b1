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
