// Judges what Windows answers of the tested monitor's colours: each figure known and in range, or
// unknown with the reason why.
#include "monitor/display_state.h"

#include <initializer_list>

namespace {

// What real signals carry: DisplayPort's least is 6 bits per colour, and nothing sends over 16.
constexpr unsigned kFewestBits = 6;
constexpr unsigned kMostBits = 16;
// Beyond what any HDR format encodes (PQ ends at 10 000 cd/m²).
constexpr double kMostNits = 10000.0;
// The SDR white level's unit: 1000 is 80 cd/m².
constexpr double kSdrWhiteUnitNits = 80.0 / 1000.0;
// DXGI_COLOR_SPACE_YCBCR_STUDIO_G24_TOPLEFT_P2020, the last colour space DXGI names.
constexpr unsigned kLastColourSpace = 22;
// DISPLAYCONFIG_COLOR_ENCODING_INTENSITY, the last encoding.
constexpr unsigned kLastEncoding = 4;

const char* const kGapKeys[] = {"known", "not-asked", "no-monitor", "not-offered", "failed", "not-said", "nonsense"};

void SetGap(DisplayState* state, DisplayFigure figure, FigureGap gap) {
    state->gaps[figure] = static_cast<unsigned char>(gap);
}

int YesNo(unsigned flags, unsigned bit) {
    return (flags & bit) != 0 ? 1 : 0;
}

bool SaneBits(unsigned bits) {
    return bits >= kFewestBits && bits <= kMostBits;
}

bool SaneNits(double nits) {
    return nits > 0.0 && nits <= kMostNits;
}

// A zero is how DXGI and the drivers leave a figure out; anything else out of range is nonsense.
FigureGap GapOf(bool sane, double value) {
    if (sane) return kGapKnown;
    return value == 0.0 ? kGapNotSaid : kGapNonsense;
}

bool SaneChromaticity(float x, float y) {
    return x > 0.0f && y > 0.0f && x + y <= 1.0f;
}

// The bits and encoding of the first packet that gives them sanely: type 15's, else type 9's.
void TakeSignal(const DisplayAnswers& answers, DisplayState* state) {
    const FigureGap silent = answers.configGap != kGapKnown ? answers.configGap : kGapFailed;
    FigureGap bitsGap = silent;
    FigureGap encodingGap = silent;
    const struct {
        int answered;
        unsigned bits, encoding;
    } packets[] = {
        {answers.info2.answered, answers.info2.bitsPerChannel, answers.info2.encoding},
        {answers.info.answered, answers.info.bitsPerChannel, answers.info.encoding},
    };
    for (const auto& packet : packets) {
        if (!packet.answered) continue;
        if (state->bitsPerChannel == 0) {
            bitsGap = GapOf(false, packet.bits);
            if (SaneBits(packet.bits)) state->bitsPerChannel = static_cast<int>(packet.bits);
        }
        if (state->encoding == kSignalUnknown) {
            encodingGap = kGapNonsense;
            if (packet.encoding <= kLastEncoding) state->encoding = static_cast<SignalEncoding>(packet.encoding + 1);
        }
    }
    SetGap(state, kFigureBits, state->bitsPerChannel != 0 ? kGapKnown : bitsGap);
    SetGap(state, kFigureEncoding, state->encoding != kSignalUnknown ? kGapKnown : encodingGap);
}

// Type 15 names the active mode outright; automatic colour management does not count as HDR.
void TakeInfo2(const ColourInfo2Answer& info2, DisplayState* state) {
    state->hdrSupported = YesNo(info2.flags, kInfo2HdrSupported);
    state->hdrUserEnabled = YesNo(info2.flags, kInfo2HdrUserEnabled);
    SetGap(state, kFigureHdrSupported, kGapKnown);
    SetGap(state, kFigureHdrUserEnabled, kGapKnown);
    const ColourMode modes[] = {kColourModeSdr, kColourModeWcg, kColourModeHdr};
    if (info2.activeMode < 3) {
        state->mode = modes[info2.activeMode];
        state->modeFromInfo2 = 1;
        SetGap(state, kFigureMode, kGapKnown);
    } else {
        SetGap(state, kFigureMode, kGapNonsense);
    }
}

// Before type 15, type 9's "enabled" means HDR, except where Windows enforces wide colour (automatic
// colour management on an SDR signal, Windows 11 22H2 on): that is WCG. Advanced colour switched off
// by force, unsupported or not enabled is SDR. HDR supported is known only where HDR is on.
void TakeInfoMode(const ColourInfoAnswer& info, DisplayState* state) {
    const bool enabled = (info.flags & kInfoAdvancedColourSupported) != 0 &&
                         (info.flags & kInfoAdvancedColourEnabled) != 0 &&
                         (info.flags & kInfoAdvancedColourForceDisabled) == 0;
    if (!enabled) {
        state->mode = kColourModeSdr;
    } else {
        state->mode = (info.flags & kInfoWideColourEnforced) != 0 ? kColourModeWcg : kColourModeHdr;
    }
    SetGap(state, kFigureMode, kGapKnown);
    state->hdrUserEnabled = state->mode == kColourModeHdr ? 1 : 0;
    SetGap(state, kFigureHdrUserEnabled, kGapKnown);
    if (state->mode == kColourModeHdr) {
        state->hdrSupported = 1;
        SetGap(state, kFigureHdrSupported, kGapKnown);
    } else {
        SetGap(state, kFigureHdrSupported, kGapNotSaid);
    }
}

void TakeDisplayConfig(const DisplayAnswers& answers, DisplayState* state) {
    const FigureGap silent = answers.configGap != kGapKnown ? answers.configGap : kGapFailed;
    for (DisplayFigure figure : {kFigureMode, kFigureHdrSupported, kFigureHdrUserEnabled, kFigureAdvancedColour,
                                 kFigureSdrWhite}) {
        SetGap(state, figure, silent);
    }
    if (answers.configGap != kGapKnown) {
        SetGap(state, kFigureBits, silent);
        SetGap(state, kFigureEncoding, silent);
        return;
    }
    if (answers.info.answered) {
        state->advancedColourSupported = YesNo(answers.info.flags, kInfoAdvancedColourSupported);
        state->advancedColourEnabled = YesNo(answers.info.flags, kInfoAdvancedColourEnabled);
        SetGap(state, kFigureAdvancedColour, kGapKnown);
    }
    if (answers.info2.answered) {
        TakeInfo2(answers.info2, state);
    } else if (answers.info.answered) {
        TakeInfoMode(answers.info, state);
    }
    TakeSignal(answers, state);
    if (answers.sdrWhite.answered) {
        const double nits = static_cast<double>(answers.sdrWhite.level) * kSdrWhiteUnitNits;
        if (SaneNits(nits)) state->sdrWhiteNits = nits;
        SetGap(state, kFigureSdrWhite, GapOf(SaneNits(nits), nits));
    }
}

void TakePrimaries(const OutputAnswer& output, DisplayState* state) {
    const float* p = output.primaries;
    bool allZero = true;
    bool sane = true;
    for (int k = 0; k < 8; k += 2) {
        allZero = allZero && p[k] == 0.0f && p[k + 1] == 0.0f;
        sane = sane && SaneChromaticity(p[k], p[k + 1]);
    }
    if (!sane) {
        SetGap(state, kFigureOutputPrimaries, allZero ? kGapNotSaid : kGapNonsense);
        return;
    }
    state->hasOutputPrimaries = 1;
    state->outputPrimaries = {{p[0], p[1]}, {p[2], p[3]}, {p[4], p[5]}, {p[6], p[7]}};
    SetGap(state, kFigureOutputPrimaries, kGapKnown);
}

// DXGI gives a minimum of 0 where it knows no luminances at all: the minimum counts only beside a
// known maximum, and below it.
void TakeLuminances(const OutputAnswer& output, DisplayState* state) {
    const double maxNits = output.maxLuminance;
    const double fullFrame = output.maxFullFrame;
    const double minNits = output.minLuminance;
    if (SaneNits(maxNits)) state->outputMaxLuminance = maxNits;
    if (SaneNits(fullFrame)) state->outputMaxFullFrame = fullFrame;
    const bool minKnown = state->outputMaxLuminance > 0.0 && minNits >= 0.0 && minNits < maxNits;
    if (minKnown) state->outputMinLuminance = minNits;
    SetGap(state, kFigureOutputMaxLuminance, GapOf(SaneNits(maxNits), maxNits));
    SetGap(state, kFigureOutputMaxFullFrame, GapOf(SaneNits(fullFrame), fullFrame));
    const bool minSaid = state->outputMaxLuminance > 0.0 || minNits != 0.0;
    SetGap(state, kFigureOutputMinLuminance, minKnown ? kGapKnown : (minSaid ? kGapNonsense : kGapNotSaid));
}

void TakeOutput(const DisplayAnswers& answers, DisplayState* state) {
    const FigureGap silent = answers.outputGap != kGapKnown ? answers.outputGap : kGapFailed;
    if (answers.outputGap != kGapKnown || !answers.output.answered) {
        for (int figure = kFigureOutput; figure < kDisplayFigures; ++figure) {
            SetGap(state, static_cast<DisplayFigure>(figure), silent);
        }
        return;
    }
    const OutputAnswer& output = answers.output;
    state->hasOutput = 1;
    SetGap(state, kFigureOutput, kGapKnown);
    if (output.colourSpace <= kLastColourSpace) state->outputColourSpace = static_cast<int>(output.colourSpace);
    SetGap(state, kFigureOutputColourSpace, state->outputColourSpace >= 0 ? kGapKnown : kGapNonsense);
    if (SaneBits(output.bitsPerColour)) state->outputBits = static_cast<int>(output.bitsPerColour);
    SetGap(state, kFigureOutputBits, GapOf(state->outputBits != 0, output.bitsPerColour));
    TakePrimaries(output, state);
    TakeLuminances(output, state);
}

}  // namespace

DisplayState UnknownDisplayState() {
    DisplayState state = {};
    state.mode = kColourModeUnknown;
    state.hdrSupported = -1;
    state.hdrUserEnabled = -1;
    state.advancedColourSupported = -1;
    state.advancedColourEnabled = -1;
    state.encoding = kSignalUnknown;
    state.outputColourSpace = -1;
    state.outputMinLuminance = -1.0;
    for (unsigned char& gap : state.gaps) gap = kGapNotAsked;
    return state;
}

const char* FigureGapKey(FigureGap gap) {
    const unsigned index = static_cast<unsigned>(gap);
    return index < sizeof(kGapKeys) / sizeof(kGapKeys[0]) ? kGapKeys[index] : "unknown";
}

void InterpretDisplayAnswers(const DisplayAnswers& answers, DisplayState* state) {
    *state = UnknownDisplayState();
    TakeDisplayConfig(answers, state);
    TakeOutput(answers, state);
}
