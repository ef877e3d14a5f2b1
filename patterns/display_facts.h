// What the one-to-one screen says about the way from the desktop to the panel: the mode Windows
// sends, its display scale and the monitor's native mode from its EDID. The test run sets them
// before it paints and the painter thread reads them while it paints ahead; tavro-render sets them
// from its command line. Plain standard C++, so the wording is tested and fuzzed natively.
#pragma once

#include "app/texts.h"

struct DisplayFacts {
    int desktopKnown;  // nonzero where Windows gave the tested monitor's current mode
    int desktopWidth;
    int desktopHeight;
    int scaleKnown;    // nonzero where Windows gave that monitor's display scale
    int scalePercent;  // 100 at 96 DPI
    int nativeKnown;   // nonzero where the monitor's EDID gives a native mode
    int nativeWidth;
    int nativeHeight;
};

constexpr int kFactLines = 4;
constexpr int kFactLineChars = 256;
constexpr int kFactMaxSide = 16384;   // larger modes or scales are taken as unknown
constexpr int kFactMaxScale = 1000;

// Replaces the facts the screens paint with, a fact out of range taken as unknown. Safe to call
// while a painter thread paints: a screen reads one whole set, the old or the new.
void SetDisplayFacts(const DisplayFacts& facts);
// The facts as last set; all unknown before the first set.
DisplayFacts CurrentDisplayFacts();

// Nonzero when both modes are known and differ: the monitor scales what Windows sends.
int DesktopIsScaled(const DisplayFacts& facts);

// The lines the screen shows, known facts only, each in `lines` cut to fit: the desktop's mode, the
// display scale, the native mode, and where both modes are known whether the picture is scaled.
// Texts come from `text` (the painting thread's language). Returns how many lines; `verdict` gets
// the index of the scaled-or-not line, or -1 where there is none.
typedef const wchar_t* (*FactText)(Str key);
int FactLines(const DisplayFacts& facts, FactText text, wchar_t lines[kFactLines][kFactLineChars], int* verdict);
