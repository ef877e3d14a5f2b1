// What each of the 34 screens is and how to read it, in the 13 languages: the texts of the
// guidance panel. Plain standard C++ (no Windows headers).
#pragma once

#include "app/texts.h"
#include "testrun/catalogue.h"

struct GuideText {
    const wchar_t* name;   // the screen's own name
    const wchar_t* good;   // what a good monitor shows
    const wchar_t* fault;  // what a fault looks like, and how to tell it from the pattern
};

// The panel's two headings in one language.
struct GuideHeadings {
    const wchar_t* good;   // "A good monitor shows"
    const wchar_t* fault;  // "A fault looks like"
};

// One table of 34 screens per language, in the language order of the text catalogue.
extern const GuideText* const g_guideTexts[kLanguageCount];
extern const GuideHeadings g_guideHeadings[kLanguageCount];

// Texts of screen `mode` in language `lang` (English for a language out of range); null for a
// number that is no screen.
const GuideText* GuideTextOf(int lang, int mode);

// Headings in language `lang` (English for a language out of range).
const GuideHeadings* GuideHeadingsOf(int lang);
