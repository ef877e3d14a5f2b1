// Writes the report as JSON: the monitor from its EDID with its colour claims, the mode tested,
// what Windows reported of the colours, the screens seen, every marked defect, the verdict with
// what it rests on, and the raw EDID. Every number is written as
// whole numbers are, so no locale can change a decimal point.
#include "record/report_json.h"

#include <stdint.h>

#include "app/bounded_format.h"
#include "record/report_stream.h"
#include "record/report_texts.h"
#include "monitor/colour_summary.h"
#include "monitor/edid.h"
#include "monitor/edid_colour.h"
#include "testrun/guide_texts.h"

namespace {

const char* const kCountKeys[4] = {"lit", "dark", "subpixel", "other"};
constexpr int64_t kRateScale = 10000;  // per-million rates are written to four decimals

struct Writer {
    ReportStream stream;
    int items[4];  // members written so far in each open object or array, by depth
};

void Put(Writer* w, const char* text) {
    StreamPut(&w->stream, text);
}

// The length of the well-formed UTF-8 sequence that `p` starts, or 0 where it starts none.
int Utf8Length(const unsigned char* p) {
    const unsigned char c = p[0];
    if (c < 0x80) return 1;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;   // no overlong forms
        if (c == 0xED) high = 0x9F;  // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (p[1] < low || p[1] > high) return 0;
    for (int k = 2; k < length; ++k) {
        if (p[k] < 0x80 || p[k] > 0xBF) return 0;
    }
    return length;
}

// A JSON string of UTF-8 `text`: quotes, backslashes and control characters escaped, and every
// byte that is not part of well-formed UTF-8 written as U+FFFD.
void PutString(Writer* w, const char* text) {
    Put(w, "\"");
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0;) {
        const int length = Utf8Length(p);
        if (length == 0) {
            Put(w, "\xEF\xBF\xBD");
            ++p;
            continue;
        }
        if (*p == '"' || *p == '\\') {
            StreamPutf(&w->stream, "\\%c", *p);
        } else if (*p < 0x20) {
            StreamPutf(&w->stream, "\\u%04X", *p);
        } else {
            StreamWrite(&w->stream, reinterpret_cast<const char*>(p), static_cast<size_t>(length));
        }
        p += length;
    }
    Put(w, "\"");
}

void PutWide(Writer* w, const wchar_t* text) {
    char utf8[4 * kMonitorNameChars + 1];
    WideToUtf8(text, utf8, sizeof(utf8));
    PutString(w, utf8);
}

// A member's key at `depth`, after a comma where the object already has members.
void Key(Writer* w, int depth, const char* key) {
    Put(w, w->items[depth]++ > 0 ? ",\n" : "\n");
    for (int k = 0; k < depth; ++k) Put(w, "  ");
    if (key != nullptr) StreamPutf(&w->stream, "\"%s\": ", key);
}

void Open(Writer* w, int depth, const char* bracket) {
    Put(w, bracket);
    w->items[depth] = 0;
}

void Close(Writer* w, int depth, const char* bracket) {
    if (w->items[depth] > 0) {
        Put(w, "\n");
        for (int k = 1; k < depth; ++k) Put(w, "  ");
    }
    Put(w, bracket);
}

void PutBool(Writer* w, bool value) {
    Put(w, value ? "true" : "false");
}

// `count` per million of `pixels`, rounded to four decimals in whole numbers.
void PutRate(Writer* w, int count, int64_t pixels) {
    const int64_t scaled = pixels > 0 ? (static_cast<int64_t>(count) * 1000000 * kRateScale + pixels / 2) / pixels : 0;
    StreamPutf(&w->stream, "%lu.%04lu", static_cast<unsigned long>(scaled / kRateScale), static_cast<unsigned long>(scaled % kRateScale));
}

const char* ScreenName(int lang, int mode) {
    const GuideText* text = GuideTextOf(lang, mode);
    return text != nullptr ? text->name : "";
}

void PutDescriptorText(Writer* w, int found, const wchar_t* text) {
    if (found) {
        PutWide(w, text);
    } else {
        Put(w, "null");
    }
}

void PutIdentity(Writer* w, const ReportInput* in, const EdidIdentity& id) {
    Key(w, 2, "manufacturer");
    PutString(w, id.manufacturer);
    Key(w, 2, "product_code");
    StreamPutf(&w->stream, "%u", id.productCode);
    wchar_t text[kMonitorNameChars];
    Key(w, 2, "model");
    PutDescriptorText(w, DecodeMonitorName(in->edid, in->edidLength, text), text);
    Key(w, 2, "serial_text");
    PutDescriptorText(w, DecodeSerialText(in->edid, in->edidLength, text), text);
    Key(w, 2, "serial_number");
    if (id.serialNumber != 0) {
        StreamPutf(&w->stream, "%lu", id.serialNumber);
    } else {
        Put(w, "null");
    }
    Key(w, 2, "week");
    if (id.week >= 1 && id.week <= 54) {
        StreamPutf(&w->stream, "%d", id.week);
    } else {
        Put(w, "null");
    }
    Key(w, 2, "year");
    StreamPutf(&w->stream, "%d", id.year);
    Key(w, 2, "model_year");
    PutBool(w, id.week == 255);
    Key(w, 2, "edid_version");
    StreamPutf(&w->stream, "\"%d.%d\"", id.versionMajor, id.versionMinor);
}

// `value` with `places` decimals (at most 4), in whole numbers; null where it is no finite number.
void PutDecimal(Writer* w, double value, int places) {
    static const int64_t kScales[] = {1, 10, 100, 1000, 10000};
    const int64_t scale = kScales[places < 0 ? 0 : places > 4 ? 4 : places];
    if (!(value > -1e12 && value < 1e12)) {
        Put(w, "null");
        return;
    }
    const bool negative = value < 0;
    const int64_t scaled = static_cast<int64_t>((negative ? -value : value) * static_cast<double>(scale) + 0.5);
    StreamPutf(&w->stream, "%s%lld", negative && scaled != 0 ? "-" : "", static_cast<long long>(scaled / scale));
    if (scale > 1) StreamPutf(&w->stream, ".%0*lld", places, static_cast<long long>(scaled % scale));
}

// A figure that is known where it is above zero.
void PutPositive(Writer* w, double value, int places) {
    if (value > 0) {
        PutDecimal(w, value, places);
    } else {
        Put(w, "null");
    }
}

void PutYesNo(Writer* w, int value) {
    Put(w, value < 0 ? "null" : value ? "true" : "false");
}

void PutPrimaries(Writer* w, const ColourPrimaries& p) {
    const Chromaticity* const points[4] = {&p.red, &p.green, &p.blue, &p.white};
    const char* const names[4] = {"red", "green", "blue", "white"};
    for (int k = 0; k < 4; ++k) {
        StreamPutf(&w->stream, "%s\"%s\": {\"x\": ", k == 0 ? "{" : ", ", names[k]);
        PutDecimal(w, points[k]->x, 4);
        Put(w, ", \"y\": ");
        PutDecimal(w, points[k]->y, 4);
        Put(w, "}");
    }
    Put(w, "}");
}

// The names of the bits set in `bits`, as an array.
void PutBitNames(Writer* w, unsigned bits, const unsigned* masks, const char* const* names, int count) {
    Put(w, "[");
    int written = 0;
    for (int k = 0; k < count; ++k) {
        if (bits & masks[k]) StreamPutf(&w->stream, "%s\"%s\"", written++ > 0 ? ", " : "", names[k]);
    }
    Put(w, "]");
}

const unsigned kEotfMasks[] = {kEotfTraditionalSdr, kEotfTraditionalHdr, kEotfSmpteSt2084, kEotfHlg};
const char* const kEotfNames[] = {"sdr", "hdr", "pq", "hlg"};
const unsigned kColorimetryMasks[] = {kColorimetryXvYcc601, kColorimetryXvYcc709, kColorimetrySYcc601,
                                      kColorimetryOpYcc601, kColorimetryOpRgb, kColorimetryBt2020CYcc,
                                      kColorimetryBt2020Ycc, kColorimetryBt2020Rgb, kColorimetryIctCp,
                                      kColorimetryDciP3};
const char* const kColorimetryNames[] = {"xvycc601", "xvycc709", "sycc601", "opycc601", "oprgb",
                                         "bt2020_cycc", "bt2020_ycc", "bt2020_rgb", "ictcp", "dci_p3"};

void PutHdrMetadata(Writer* w, const HdrStaticMetadata& hdr) {
    if (!hdr.present) {
        Put(w, "null");
        return;
    }
    Put(w, "{\"transfer_functions\": ");
    PutBitNames(w, hdr.transferFunctions, kEotfMasks, kEotfNames, 4);
    Put(w, ", \"max_luminance\": ");
    if (hdr.hasMax) PutDecimal(w, hdr.maxLuminance, 4); else Put(w, "null");
    Put(w, ", \"max_frame_average\": ");
    if (hdr.hasFrameAverage) PutDecimal(w, hdr.maxFrameAverage, 4); else Put(w, "null");
    Put(w, ", \"min_luminance\": ");
    if (hdr.hasMin) PutDecimal(w, hdr.minLuminance, 4); else Put(w, "null");
    Put(w, "}");
}

// What the EDID claims of the monitor's colours; the gamut figures are the shares of each
// reference's CIE 1931 xy triangle the claimed primaries' triangle covers, 0 to 1.
void PutClaims(Writer* w, const ReportInput* in) {
    Key(w, 2, "colour");
    MonitorClaims c;
    if (!DecodeMonitorClaims(in->edid, in->edidLength, &c)) {
        Put(w, "null");
        return;
    }
    Open(w, 3, "{");
    Key(w, 3, "chromaticities");
    if (c.hasChromaticities) PutPrimaries(w, c.chromaticities); else Put(w, "null");
    Key(w, 3, "hdr_static_metadata");
    PutHdrMetadata(w, c.hdr);
    Key(w, 3, "colorimetry");
    if (c.hasColorimetry) {
        PutBitNames(w, c.colorimetry, kColorimetryMasks, kColorimetryNames, 10);
    } else {
        Put(w, "null");
    }
    Key(w, 3, "hdr10_plus");
    PutBool(w, c.hdr10Plus != 0);
    Key(w, 3, "peak_luminance");
    PutPositive(w, ClaimedPeakLuminance(c), 4);
    Key(w, 3, "gamut_coverage_xy");
    ColourPrimaries primaries;
    if (ClaimedPrimaries(c, &primaries)) {
        GamutCoverage coverage;
        ComputeGamutCoverage(primaries, &coverage);
        const char* const names[kGamutReferences] = {"srgb", "dci_p3", "bt2020"};
        for (int k = 0; k < kGamutReferences; ++k) {
            StreamPutf(&w->stream, "%s\"%s\": ", k == 0 ? "{" : ", ", names[k]);
            PutDecimal(w, coverage.coverXy[k], 4);
        }
        Put(w, "}");
    } else {
        Put(w, "null");
    }
    Key(w, 3, "vrr_hz");
    const RefreshRange vrr = ClaimedVrrRange(c);
    if (vrr.present) {
        Put(w, "{\"min\": ");
        PutDecimal(w, vrr.minHz, 2);
        Put(w, ", \"max\": ");
        PutDecimal(w, vrr.maxHz, 2);
        Put(w, "}");
    } else {
        Put(w, "null");
    }
    Close(w, 3, "}");
}

void PutMonitor(Writer* w, const ReportInput* in) {
    Key(w, 1, "monitor");
    EdidIdentity id;
    if (in->edid == nullptr || !DecodeEdidIdentity(in->edid, in->edidLength, &id)) {
        Put(w, "null");
        return;
    }
    Open(w, 2, "{");
    PutIdentity(w, in, id);
    NativeMode native;
    Key(w, 2, "native_mode");
    if (DecodeNativeMode(in->edid, in->edidLength, &native)) {
        StreamPutf(&w->stream, "{\"width\": %lu, \"height\": %lu, \"source\": \"%s\"}", native.width, native.height,
             NativeModeSourceName(native.source));
    } else {
        Put(w, "null");
    }
    Key(w, 2, "image_size_cm");
    if (id.widthCm > 0) {
        StreamPutf(&w->stream, "{\"width\": %d, \"height\": %d}", id.widthCm, id.heightCm);
    } else {
        Put(w, "null");
    }
    PutClaims(w, in);
    Close(w, 2, "}");
}

void PutModeTested(Writer* w, const ReportInput* in) {
    NativeMode native;
    const bool known = in->edid != nullptr && DecodeNativeMode(in->edid, in->edidLength, &native);
    Key(w, 1, "mode_tested");
    StreamPutf(&w->stream, "{\"width\": %d, \"height\": %d, \"refresh_hz\": ", in->width, in->height);
    char rate[24];
    Put(w, RefreshRateText(in->hz, rate, sizeof(rate)) ? rate : "null");
    Put(w, ", \"is_native\": ");
    if (known) {
        PutBool(w, native.width == static_cast<unsigned long>(in->width) &&
                       native.height == static_cast<unsigned long>(in->height));
    } else {
        Put(w, "null");
    }
    Put(w, "}");
}

const char* const kColourModeKeys[] = {nullptr, "sdr", "wcg", "hdr"};
const char* const kEncodingKeys[] = {nullptr, "rgb", "ycbcr444", "ycbcr422", "ycbcr420", "intensity"};

// A name from `names` for `value`, null where it has none.
void PutName(Writer* w, int value, const char* const* names, int count) {
    if (value > 0 && value < count && names[value] != nullptr) {
        StreamPutf(&w->stream, "\"%s\"", names[value]);
    } else {
        Put(w, "null");
    }
}

void PutOutput(Writer* w, const DisplayState& s) {
    if (!s.hasOutput) {
        Put(w, "null");
        return;
    }
    Put(w, "{\"colour_space\": ");
    if (s.outputColourSpace >= 0) StreamPutf(&w->stream, "%d", s.outputColourSpace); else Put(w, "null");
    Put(w, ", \"bits\": ");
    if (s.outputBits > 0) StreamPutf(&w->stream, "%d", s.outputBits); else Put(w, "null");
    Put(w, ", \"primaries\": ");
    if (s.hasOutputPrimaries) PutPrimaries(w, s.outputPrimaries); else Put(w, "null");
    Put(w, ", \"min_luminance\": ");
    if (s.outputMinLuminance >= 0) PutDecimal(w, s.outputMinLuminance, 4); else Put(w, "null");
    Put(w, ", \"max_luminance\": ");
    PutPositive(w, s.outputMaxLuminance, 4);
    Put(w, ", \"max_full_frame\": ");
    PutPositive(w, s.outputMaxFullFrame, 4);
    Put(w, "}");
}

// The figures' keys in "unknown_because", in DisplayFigure order.
const char* const kFigureKeys[kDisplayFigures] = {
    "colour_mode", "hdr_supported", "hdr_enabled", "advanced_colour", "bits_per_channel", "encoding",
    "sdr_white_nits", "output", "output_colour_space", "output_bits", "output_primaries",
    "output_min_luminance", "output_max_luminance", "output_max_full_frame"};

// Why each figure Windows did not tell is unknown: "failed", "not_offered", ...
void PutGaps(Writer* w, const DisplayState& s) {
    Open(w, 3, "{");
    for (int figure = 0; figure < kDisplayFigures; ++figure) {
        if (s.gaps[figure] == kGapKnown) continue;
        const unsigned gap = s.gaps[figure];  // a byte: any value, not only the reasons there are
        Key(w, 3, kFigureKeys[figure]);
        StreamPutf(&w->stream, "\"%s\"", gap <= kGapNonsense ? FigureGapKey(static_cast<FigureGap>(gap)) : "unknown");
    }
    Close(w, 3, "}");
}

// What Windows reported of the tested monitor's colours at the run's start; null where nothing.
void PutDisplayState(Writer* w, const ReportInput* in) {
    Key(w, 1, "display_state");
    if (in->displayState == nullptr || !DisplayStateKnown(*in->displayState)) {
        Put(w, "null");
        return;
    }
    const DisplayState& s = *in->displayState;
    Open(w, 2, "{");
    Key(w, 2, "colour_mode");
    PutName(w, s.mode, kColourModeKeys, 4);
    Key(w, 2, "hdr_supported");
    PutYesNo(w, s.hdrSupported);
    Key(w, 2, "hdr_enabled");
    PutYesNo(w, s.hdrUserEnabled);
    Key(w, 2, "advanced_colour_supported");
    PutYesNo(w, s.advancedColourSupported);
    Key(w, 2, "advanced_colour_enabled");
    PutYesNo(w, s.advancedColourEnabled);
    Key(w, 2, "bits_per_channel");
    if (s.bitsPerChannel > 0) StreamPutf(&w->stream, "%d", s.bitsPerChannel); else Put(w, "null");
    Key(w, 2, "encoding");
    PutName(w, s.encoding, kEncodingKeys, 6);
    Key(w, 2, "sdr_white_nits");
    PutPositive(w, s.sdrWhiteNits, 2);
    Key(w, 2, "output");
    PutOutput(w, s);
    Key(w, 2, "unknown_because");
    PutGaps(w, s);
    Close(w, 2, "}");
}

void PutScreens(Writer* w, const ReportInput* in) {
    Key(w, 1, "screens");
    Open(w, 2, "[");
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (!in->findings->seen[mode]) continue;
        Key(w, 2, nullptr);
        StreamPutf(&w->stream, "{\"mode\": %d, \"name\": ", mode);
        PutString(w, ScreenName(in->lang, mode));
        Put(w, ", \"fault_noted\": ");
        PutBool(w, in->findings->noted[mode] != 0);
        Put(w, "}");
    }
    Close(w, 2, "]");
}

// The presenter's failures by number (0 none), as the FP16 presenter numbers them.
const char* const kPresenterFailureKeys[] = {nullptr,          "no_d3d11",      "no_dxgi",         "no_device",
                                             "no_flip_model",  "no_swap_chain", "bad_frame",       "upload_failed",
                                             "device_lost",    "present_failed", "read_back_failed", "resize_failed"};
// Windows' HDR state while the HDR screens were shown, by HdrWindowsState + 1.
const char* const kHdrStateKeys[] = {nullptr, "off", "on", "switched"};

// What the HDR screens were shown with; null where none was shown.
void PutHdrScreens(Writer* w, const ReportInput* in) {
    const HdrFigures& h = in->findings->hdr;
    Key(w, 1, "hdr_screens");
    if (h.shown <= 0) {
        Put(w, "null");
        return;
    }
    Open(w, 2, "{");
    Key(w, 2, "visits");
    StreamPutf(&w->stream, "%d", h.shown);
    Key(w, 2, "windows_hdr");
    PutName(w, h.windowsState + 1, kHdrStateKeys, 4);
    Key(w, 2, "presented");
    PutBool(w, h.presenterFailure == 0);
    Key(w, 2, "presenter_failure");
    PutName(w, h.presenterFailure, kPresenterFailureKeys, 12);
    Key(w, 2, "sdr_white_nits");
    PutPositive(w, h.sdrWhiteNits, 2);
    Key(w, 2, "claimed_peak_nits");
    PutPositive(w, h.claimedPeakNits, 2);
    Close(w, 2, "}");
}

// The motion screens shown: the rate they were paced at, the refreshes counted and those dropped.
void PutMotion(Writer* w, const ReportInput* in) {
    Key(w, 1, "motion");
    Open(w, 2, "[");
    for (int screen = 0; screen < kMotionScreens; ++screen) {
        const MotionFigures& m = in->findings->motion[screen];
        if (m.frames <= 0) continue;
        char rate[24];
        if (!RefreshRateText(m.hz, rate, sizeof(rate))) FormatUtf8(rate, sizeof(rate), "null");
        Key(w, 2, nullptr);
        StreamPutf(&w->stream, "{\"mode\": %d, \"name\": ", kMovingBlocksMode + screen);
        PutString(w, ScreenName(in->lang, kMovingBlocksMode + screen));
        StreamPutf(&w->stream, ", \"refresh_hz\": %s, \"frames\": %lld, \"dropped\": %lld}", rate, m.frames, m.dropped);
    }
    Close(w, 2, "]");
}

// A rate of the variable-refresh screens: null where none was measured.
void PutHz(Writer* w, const char* key, double hz) {
    StreamPutf(&w->stream, ", \"%s\": ", key);
    if (RefreshRateKnown(hz)) {
        PutDecimal(w, hz, 2);
    } else {
        Put(w, "null");
    }
}

// The variable-refresh screens shown: whether tearing was allowed, the rates asked for and those
// presented, the frames presented and the late ones.
void PutVrr(Writer* w, const ReportInput* in) {
    Key(w, 1, "vrr");
    Open(w, 2, "[");
    for (int screen = 0; screen < kVrrScreens; ++screen) {
        const VrrFigures& v = in->findings->vrr[screen];
        if (v.visits <= 0) continue;
        Key(w, 2, nullptr);
        StreamPutf(&w->stream, "{\"mode\": %d, \"name\": ", kVrrSweepMode + screen);
        PutString(w, ScreenName(in->lang, kVrrSweepMode + screen));
        StreamPutf(&w->stream, ", \"visits\": %d, \"variable_refresh\": ", v.visits);
        PutBool(w, v.variableRefresh != 0);
        StreamPutf(&w->stream, ", \"frames\": %lld, \"late\": %lld", v.frames, v.late);
        PutHz(w, "swept_low_hz", v.sweptLowHz);
        PutHz(w, "swept_high_hz", v.sweptHighHz);
        PutHz(w, "presented_low_hz", v.presentedLowHz);
        PutHz(w, "presented_high_hz", v.presentedHighHz);
        Put(w, "}");
    }
    Close(w, 2, "]");
}

void PutMarks(Writer* w, const ReportInput* in) {
    const Findings* f = in->findings;
    Key(w, 1, "marks");
    Open(w, 2, "[");
    for (int k = 0; k < f->markCount; ++k) {
        const Mark& m = f->marks[k];
        const int type = m.type >= kDefectLit && m.type <= kDefectOther ? m.type : kDefectOther;
        Key(w, 2, nullptr);
        StreamPutf(&w->stream, "{\"x\": %d, \"y\": %d, \"type\": %d, \"type_name\": ", m.x, m.y, m.type);
        PutString(w, ReportText(in->lang, RT_TYPE_LIT + type - 1));
        StreamPutf(&w->stream, ", \"mode\": %d}", m.mode);
    }
    Close(w, 2, "]");
}

void PutVerdict(Writer* w, const ReportInput* in) {
    const Findings* f = in->findings;
    const ClassVerdict v = JudgeRecordedFaults(f, in->edid, in->edidLength);
    int other = 0;
    for (int k = 0; k < f->markCount; ++k) other += f->marks[k].type < kDefectLit || f->marks[k].type > kDefectSubpixel;
    const int counts[4] = {v.counts[0], v.counts[1], v.counts[2], other};
    Key(w, 1, "verdict");
    Open(w, 2, "{");
    Key(w, 2, "counts");
    for (int k = 0; k < 4; ++k) StreamPutf(&w->stream, "%s\"%s\": %d", k == 0 ? "{" : ", ", kCountKeys[k], counts[k]);
    Put(w, "}");
    Key(w, 2, "clusters");
    StreamPutf(&w->stream, "{\"lit_or_dark\": %d, \"subpixel\": %d}", v.clusters[0], v.clusters[1]);
    Key(w, 2, "per_million");
    const int64_t pixels = v.pixelsWide > 0 && v.pixelsHigh > 0 ? static_cast<int64_t>(v.pixelsWide) * v.pixelsHigh : 0;
    for (int k = 0; k < 3; ++k) {
        StreamPutf(&w->stream, "%s\"%s\": ", k == 0 ? "{" : ", ", kCountKeys[k]);
        if (pixels > 0) {
            PutRate(w, v.counts[k], pixels);
        } else {
            Put(w, "null");  // no screen size: no rate
        }
    }
    Put(w, "}");
    Key(w, 2, "any_lit");
    PutBool(w, v.anyLit != 0);
    Key(w, 2, "pixels");
    StreamPutf(&w->stream, "{\"width\": %d, \"height\": %d, \"on_native\": ", v.pixelsWide, v.pixelsHigh);
    PutBool(w, v.onNative != 0);
    Put(w, ", \"native\": ");
    if (v.nativeWide > 0 && v.nativeHigh > 0) {
        StreamPutf(&w->stream, "{\"width\": %d, \"height\": %d}", v.nativeWide, v.nativeHigh);
    } else {
        Put(w, "null");
    }
    Put(w, "}");
    Key(w, 2, "iso_class");
    StreamPutf(&w->stream, "%d", v.isoClass);
    Key(w, 2, "line");
    char line[kReportSentenceBytes];
    ClassVerdictLine(in->lang, v.isoClass, line, sizeof(line));
    PutString(w, line);
    Key(w, 2, "basis");
    VerdictBasisLine(in->lang, v, line, sizeof(line));
    PutString(w, line);
    Close(w, 2, "}");
}

void PutRawEdid(Writer* w, const ReportInput* in) {
    Key(w, 1, "edid_hex");
    if (in->edid == nullptr || in->edidLength == 0) {
        Put(w, "null");
        return;
    }
    Put(w, "\"");
    for (unsigned long i = 0; i < in->edidLength; ++i) StreamPutf(&w->stream, "%02X", in->edid[i]);
    Put(w, "\"");
}

}  // namespace

int WriteReportJson(FILE* out, const ReportInput* in) {
    Writer w = {{out, true}, {}};
    Open(&w, 1, "{");
    Key(&w, 1, "program");
    PutString(&w, in->program);
    Key(&w, 1, "system");
    PutString(&w, in->system);
    Key(&w, 1, "created");
    PutString(&w, in->created);
    Key(&w, 1, "language");
    PutString(&w, ReportLanguageTag(in->lang));
    PutMonitor(&w, in);
    PutModeTested(&w, in);
    PutDisplayState(&w, in);
    PutScreens(&w, in);
    PutMotion(&w, in);
    PutVrr(&w, in);
    PutHdrScreens(&w, in);
    PutMarks(&w, in);
    PutVerdict(&w, in);
    PutRawEdid(&w, in);
    Close(&w, 1, "}");
    Put(&w, "\n");
    return w.stream.ok;
}
