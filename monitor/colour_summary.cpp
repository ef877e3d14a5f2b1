// The colour facts in words, the parts a monitor or Windows leaves unknown left out.
#include "monitor/colour_summary.h"

#include <string.h>

#include "app/bounded_format.h"
#include "monitor/colour_texts.h"

namespace {

const char kJoint[] = u8" · ";

const char* const kModeNames[] = {nullptr, "SDR", "WCG", "HDR"};

// Appends `piece` to the text in `out`, after the joint where there is text already.
void Append(char* out, int size, const char* piece) {
    if (piece[0] == '\0') return;
    const size_t used = strlen(out);
    FormatUtf8(out + used, static_cast<size_t>(size) - used, "%s%s", used > 0 ? kJoint : "", piece);
}

int Rounded(double value) {
    return static_cast<int>(value + 0.5);
}

// "10-bit RGB", "10-bit", "YCbCr 4:2:2" or "".
void SignalText(int lang, const DisplayState& state, char* out, int size) {
    char bits[32] = "";
    if (state.bitsPerChannel > 0) FormatUtf8(bits, sizeof(bits), ColourTextOf(lang, CT_BITS), state.bitsPerChannel);
    const char* encoding = SignalEncodingName(state.encoding);
    FormatUtf8(out, static_cast<size_t>(size), "%s%s%s", bits, bits[0] != '\0' && encoding != nullptr ? " " : "",
               encoding != nullptr ? encoding : "");
}

// "PQ, HLG, HDR10+" from the HDR blocks' transfer functions.
void TransferText(const MonitorClaims& claims, char* out, int size) {
    out[0] = '\0';
    if (claims.hdr.present && (claims.hdr.transferFunctions & kEotfSmpteSt2084)) Append(out, size, "PQ");
    if (claims.hdr.present && (claims.hdr.transferFunctions & kEotfHlg)) Append(out, size, "HLG");
    if (claims.hdr10Plus) Append(out, size, "HDR10+");
}

}  // namespace

int DisplayStateKnown(const DisplayState& s) {
    return s.mode != kColourModeUnknown || s.hdrSupported >= 0 || s.hdrUserEnabled >= 0 ||
           s.advancedColourSupported >= 0 || s.advancedColourEnabled >= 0 || s.bitsPerChannel > 0 ||
           s.encoding != kSignalUnknown || s.sdrWhiteNits > 0 || s.hasOutput;
}

const char* SignalEncodingName(SignalEncoding encoding) {
    switch (encoding) {
        case kSignalRgb: return "RGB";
        case kSignalYcbcr444: return "YCbCr 4:4:4";
        case kSignalYcbcr422: return "YCbCr 4:2:2";
        case kSignalYcbcr420: return "YCbCr 4:2:0";
        default: return nullptr;
    }
}

int ClaimedDciP3Percent(const MonitorClaims& claims) {
    ColourPrimaries primaries;
    if (!ClaimedPrimaries(claims, &primaries)) return -1;
    GamutCoverage coverage;
    ComputeGamutCoverage(primaries, &coverage);
    const double share = coverage.coverXy[kGamutDciP3];
    if (!(share >= 0)) return -1;  // NaN from primaries that make no triangle
    return share >= 1 ? 100 : Rounded(share * 100);
}

int WindowsStateText(int lang, const DisplayState& state, int withWhite, char* out, int size) {
    if (size <= 0) return 0;
    out[0] = '\0';
    if (state.mode > kColourModeUnknown && state.mode <= kColourModeHdr) Append(out, size, kModeNames[state.mode]);
    char piece[128];
    SignalText(lang, state, piece, sizeof(piece));
    Append(out, size, piece);
    if (withWhite && state.sdrWhiteNits > 0) {
        FormatUtf8(piece, sizeof(piece), ColourTextOf(lang, CT_SDR_WHITE), Rounded(state.sdrWhiteNits));
        Append(out, size, piece);
    }
    return static_cast<int>(strlen(out));
}

int ClaimsText(int lang, const MonitorClaims& claims, const char* peakSuffix, int withTransfer, char* out, int size) {
    if (size <= 0) return 0;
    out[0] = '\0';
    char piece[128];
    const double peak = ClaimedPeakLuminance(claims);
    if (peak > 0) {
        char figure[96];
        FormatUtf8(figure, sizeof(figure), ColourTextOf(lang, CT_PEAK), Rounded(peak));
        FormatUtf8(piece, sizeof(piece), "%s%s", figure, peakSuffix);
        Append(out, size, piece);
    }
    const int p3 = ClaimedDciP3Percent(claims);
    if (p3 >= 0) {
        FormatUtf8(piece, sizeof(piece), ColourTextOf(lang, CT_GAMUT), p3);
        Append(out, size, piece);
    }
    const RefreshRange vrr = ClaimedVrrRange(claims);
    if (vrr.present && vrr.maxHz > 0) {
        FormatUtf8(piece, sizeof(piece), ColourTextOf(lang, CT_VRR), Rounded(vrr.minHz), Rounded(vrr.maxHz));
        Append(out, size, piece);
    }
    if (withTransfer) {
        TransferText(claims, piece, sizeof(piece));
        Append(out, size, piece);
    }
    return static_cast<int>(strlen(out));
}

int ColourSummaryLine(int lang, const MonitorClaims* claims, const DisplayState& state, char* out, int size) {
    if (size <= 0) return 0;
    char windows[256];
    WindowsStateText(lang, state, 0, windows, sizeof(windows));
    char claimed[512] = "";
    if (claims != nullptr) ClaimsText(lang, *claims, " (EDID)", 0, claimed, sizeof(claimed));
    out[0] = '\0';
    Append(out, size, windows);
    Append(out, size, claimed);
    return static_cast<int>(strlen(out));
}
