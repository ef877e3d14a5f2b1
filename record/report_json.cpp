// Writes the report as JSON: the monitor from its EDID, the mode tested, the screens seen, every
// marked defect, the verdict with what it rests on, and the raw EDID. Every number is written as
// whole numbers are, so no locale can change a decimal point.
#include "record/report_json.h"

#include <stdint.h>

#include "app/bounded_format.h"
#include "record/report_stream.h"
#include "record/report_texts.h"
#include "monitor/edid.h"
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
    PutScreens(&w, in);
    PutMotion(&w, in);
    PutMarks(&w, in);
    PutVerdict(&w, in);
    PutRawEdid(&w, in);
    Close(&w, 1, "}");
    Put(&w, "\n");
    return w.stream.ok;
}
