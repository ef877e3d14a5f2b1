// The colour note of a screen, from the state Windows reported for the tested monitor.
#include "testrun/colour_guide.h"

#include <string.h>

#include "app/bounded_format.h"
#include "monitor/colour_summary.h"
#include "monitor/colour_texts.h"
#include "testrun/catalogue.h"

namespace {

// Grey blocks 0-100 %, 16 grey squares, grey blocks 25-250, the three grey ramps, grey bars and
// level patches, near black, near white, gamma.
constexpr int kSdrLevelsModes[] = {5, 6, 7, 8, 9, 10, 16, 34, 35, 36};

}  // namespace

int ReadsSdrLevels(int mode) {
    for (int m : kSdrLevelsModes) {
        if (m == mode) return 1;
    }
    return 0;
}

int ColourGuideNote(int lang, int mode, const DisplayState& state, char* out, int size) {
    if (size <= 0) return 0;
    out[0] = '\0';
    if (ReadsSdrLevels(mode) && state.mode == kColourModeHdr) {
        if (state.sdrWhiteNits > 0) {
            FormatUtf8(out, static_cast<size_t>(size), ColourTextOf(lang, CT_HDR_LEVELS_AT),
                       static_cast<int>(state.sdrWhiteNits + 0.5));
        } else {
            FormatUtf8(out, static_cast<size_t>(size), "%s", ColourTextOf(lang, CT_HDR_LEVELS));
        }
    } else if (mode == kChromaMode && SignalEncodingName(state.encoding) != nullptr) {
        FormatUtf8(out, static_cast<size_t>(size), ColourTextOf(lang, CT_CHROMA_SIGNAL),
                   SignalEncodingName(state.encoding));
    }
    return static_cast<int>(strlen(out));
}
