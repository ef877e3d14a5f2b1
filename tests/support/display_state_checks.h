// What every judged display state holds, whatever Windows answered: each figure known (and in
// range) exactly where its reason says known. Shared by the property test and the fuzz target.
#pragma once

#include <initializer_list>

#include "monitor/display_state.h"

inline bool DisplayStateConsistent(const DisplayState& s) {
    const bool known[kDisplayFigures] = {
        s.mode != kColourModeUnknown, s.hdrSupported != -1, s.hdrUserEnabled != -1,
        s.advancedColourSupported != -1 && s.advancedColourEnabled != -1, s.bitsPerChannel != 0,
        s.encoding != kSignalUnknown, s.sdrWhiteNits != 0.0, s.hasOutput != 0, s.outputColourSpace != -1,
        s.outputBits != 0, s.hasOutputPrimaries != 0, s.outputMinLuminance != -1.0, s.outputMaxLuminance != 0.0,
        s.outputMaxFullFrame != 0.0,
    };
    for (int figure = 0; figure < kDisplayFigures; ++figure) {
        if (known[figure] != (s.gaps[figure] == kGapKnown) || s.gaps[figure] > kGapNonsense) return false;
    }
    for (int bits : {s.bitsPerChannel, s.outputBits}) {
        if (bits != 0 && (bits < 6 || bits > 16)) return false;
    }
    for (double nits : {s.sdrWhiteNits, s.outputMaxLuminance, s.outputMaxFullFrame}) {
        if (!(nits >= 0.0 && nits <= 10000.0)) return false;
    }
    if (s.outputMinLuminance != -1.0 && !(s.outputMinLuminance >= 0.0 && s.outputMinLuminance < s.outputMaxLuminance)) {
        return false;
    }
    const ColourPrimaries& p = s.outputPrimaries;
    for (const Chromaticity& c : {p.red, p.green, p.blue, p.white}) {
        if (s.hasOutputPrimaries && !(c.x > 0 && c.y > 0 && c.x + c.y <= 1)) return false;
    }
    return s.encoding >= kSignalUnknown && s.encoding <= kSignalIntensity && s.outputColourSpace >= -1 &&
           s.outputColourSpace <= 22;
}
