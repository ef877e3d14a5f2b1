// The texts the screens themselves show (the sample sentence, the sound screen's help), in the
// language of the picture being painted. A painter thread paints in the language of its order,
// whatever the selection window does with the UI language meanwhile.
#pragma once

#include "app/texts.h"

// Makes the screens painted on the calling thread show their texts in language `lang`; -1 makes
// them follow the UI language again. Call once on the UI thread before any painter thread starts.
void PaintScreensInLanguage(int lang);

// Text `key` in this thread's painting language.
const wchar_t* ScreenText(Str key);
