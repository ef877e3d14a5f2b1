// The guidance panel's texts packed (testrun/guide_texts_packed.cpp, written by scripts/pack-texts).
// Plain standard C++ (no Windows headers).
#pragma once

#include "app/lz_unpack.h"
#include "app/texts.h"
#include "testrun/catalogue.h"

// Per language, in the order of the text catalogue: one block of g_guidePacked that unpacks to the
// two headings, then each screen's name, good and fault texts, each ending in a NUL.
extern const PackedBlock g_guidePackedBlocks[kLanguageCount];
extern const unsigned char g_guidePacked[];

// The texts of one language: 2 headings and 3 per screen.
constexpr int kGuideTextsPerLanguage = 2 + 3 * kModeCount;
