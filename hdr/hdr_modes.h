// The HDR card's screens by mode number: each one's layout and the texts written on it.
// Plain standard C++ (no Windows headers).
#pragma once
#include <vector>

#include "hdr/hdr_frame.h"

// The screen of HDR mode `mode` at width x height, with the lines its labels need beyond the
// generator's own. The clipping steps mark the step at `claimedPeakNits` (0: unknown). A number
// that is no HDR mode gives a black screen.
HdrScreen HdrModeScreen(int mode, int width, int height, double claimedPeakNits);

// One text written on an HDR screen: over `rect`, centred or from its left, at standard-range
// white, or at the full signal for the blooming screen's line of text.
constexpr int kHdrLabelChars = 256;  // the longest label of any language takes under half
struct HdrLabel {
    HdrRect rect;
    wchar_t text[kHdrLabelChars];
    int centred;
    int fullSignal;
};

// The texts of `screen`, which HdrModeScreen made for `mode`, in the current language.
std::vector<HdrLabel> HdrModeLabels(int mode, const HdrScreen& screen, double claimedPeakNits);

// A luminance as the labels write it: whole cd/m² from 100 on, with a no-break space between
// thousands ("10 000"); below, up to three significant digits ("0.005", "21.3"). Writes to `out`
// (room for `size` characters) and returns it.
const wchar_t* NitsText(double nits, wchar_t* out, int size);

// The claimed peak the screens mark, in whole cd/m² (0: unknown). Set by the run, read by
// whichever thread paints.
void SetScreensClaimedPeak(double nits);
double ScreensClaimedPeak();
