// The benches' name of an HDR screen: its title, and for the peak windows, which share one title,
// their share of the screen ("HDR peak window 10 %").
#pragma once

#include <string>

#include "hdr/hdr_screens.h"
#include "testrun/catalogue.h"

inline std::wstring HdrScreenName(int mode) {
    std::wstring name = ModeTitle(mode);
    const int window = mode - kFirstHdrMode;
    if (window >= 0 && window < kPeakWindowCount) {
        name += L" " + std::to_wstring(static_cast<int>(kPeakWindowShares[window] * 100 + 0.5)) + L" %";
    }
    return name;
}
