// What each screen is and how to read it, in the 13 languages: the texts of the
// guidance panel. Plain standard C++ (no Windows headers).
#pragma once

#include "app/texts.h"
#include "testrun/catalogue.h"

// Every text is UTF-8.
struct GuideText {
    const char* name;   // the screen's own name
    const char* good;   // what a good monitor shows
    const char* fault;  // what a fault looks like, and how to tell it from the pattern
};

// The panel's two headings in one language.
struct GuideHeadings {
    const char* good;   // "A good monitor shows"
    const char* fault;  // "A fault looks like"
};

// The source tables (testrun/guide_texts.cpp): one table of every screen per language, in the
// language order of the text catalogue. Only the tests and the native tools link them; tavro.exe
// carries the same texts packed and reads them through the two functions below.
extern const GuideText* const g_guideTexts[kLanguageCount];
extern const GuideHeadings g_guideHeadings[kLanguageCount];

// Texts of screen `mode` in language `lang` (English for a language out of range); null for a
// number that is no screen. The first call for a language unpacks its texts (testrun/guide_lookup.cpp)
// into memory kept for the life of the process.
const GuideText* GuideTextOf(int lang, int mode);

// Headings in language `lang` (English for a language out of range).
const GuideHeadings* GuideHeadingsOf(int lang);
