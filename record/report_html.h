// The saved report: one self-contained UTF-8 HTML file in the UI language, with no script and
// nothing fetched, that reads on screen and on paper. Plain standard C++ (no Windows headers).
#pragma once

#include <stdio.h>

#include "monitor/display_state.h"
#include "record/findings.h"

struct ReportInput {
    int lang;                   // the UI language
    const char* created;        // date and time, UTF-8
    const char* program;        // "TAVRO 1.0.0"
    const char* system;         // "Windows 10.0 (build 19045)"
    const unsigned char* edid;  // the tested monitor's EDID, null where it gives none
    unsigned long edidLength;
    int width, height;          // the mode tested
    double hz;                  // its refresh rate (59.94 ...); 0 where unknown
    const Findings* findings;
    const DisplayState* displayState;  // what Windows reported of the colours at the run's start; null: nothing
};

// Writes the report to `out`; nonzero when every write succeeded.
int WriteReportHtml(FILE* out, const ReportInput* input);

// Room for any one sentence of the report: the longest text of any language with the longest
// figures it can hold takes less than half of it.
constexpr int kReportSentenceBytes = 1024;

// What the verdict rests on, in language `lang`, UTF-8: the pixel count and whether it is the native
// mode's, or that the run was not in the native mode and the verdict is on the pixels tested.
void VerdictBasisLine(int lang, const ClassVerdict& v, char* out, int size);

// The verdict's line in language `lang`, UTF-8: the class met ("Meets ISO 13406-2 class II"), or
// that none is (`isoClass` 0).
void ClassVerdictLine(int lang, int isoClass, char* out, int size);

// `text` as UTF-8 into `out` (room for `size` bytes, terminator included), cut at a whole character;
// a lone surrogate or a value beyond Unicode becomes U+FFFD, so the result is always well-formed.
void WideToUtf8(const wchar_t* text, char* out, int size);

// The language's tag for the report ("en", "zh-Hans", ...); English for a language out of range.
const char* ReportLanguageTag(int lang);
