// Writes the report as HTML: facts about the monitor from its EDID and its colour claims, the mode
// tested with what Windows reported of its colours, the verdict, the screens seen, every marked
// defect with the pixels around it, a map of the screen, the raw EDID.
#include "record/report_html.h"


#include "app/bounded_format.h"
#include "record/motion_line.h"
#include "record/report_stream.h"
#include "record/report_texts.h"
#include "monitor/colour_summary.h"
#include "monitor/colour_texts.h"
#include "monitor/edid.h"
#include "testrun/guide_texts.h"

namespace {

const char* const kLanguageTags[kLanguageCount] = {"en", "zh-Hans", "de", "fr", "es", "pt", "nl",
                                                   "sv", "ru", "pl", "ja", "ko", "it"};
const char* const kClassNames[kIsoClasses] = {"I", "II", "III", "IV"};

constexpr int kPatchCellPx = 12;  // one screen pixel of a defect's surroundings in the drawing

const char kStyle[] =
    "body{font-family:'Segoe UI',Arial,sans-serif;margin:2em;color:#121820;max-width:60em}"
    "h1{font-size:1.6em}h2{font-size:1.2em;margin-top:1.6em;border-bottom:1px solid #ccc}"
    "table{border-collapse:collapse}td,th{padding:.25em .8em .25em 0;text-align:left;vertical-align:top}"
    ".defects td,.defects th{border-bottom:1px solid #ddd}.fault{color:#b00020;font-weight:bold}"
    ".map{border:1px solid #888;max-width:100%;height:auto}pre{font-size:.85em}"
    "@media print{body{margin:0}h2{break-after:avoid}tr{break-inside:avoid}}";

typedef ReportStream Writer;

// UTF-8 text with the characters that mean something in HTML escaped.
void PutText(Writer* w, const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        switch (*p) {
            case '&': StreamPut(w, "&amp;"); break;
            case '<': StreamPut(w, "&lt;"); break;
            case '>': StreamPut(w, "&gt;"); break;
            case '"': StreamPut(w, "&quot;"); break;
            default:
                if (fputc(*p, w->out) == EOF) w->ok = false;
        }
    }
}

// One row of a two-column table of facts; `value` is UTF-8 text.
void PutFact(Writer* w, const char* name, const char* value) {
    StreamPut(w, "<tr><th>");
    PutText(w, name);
    StreamPut(w, "</th><td>");
    PutText(w, value);
    StreamPut(w, "</td></tr>\n");
}

// A section's heading, and a paragraph of text.
void PutHeading(Writer* w, const char* text) {
    StreamPut(w, "<h2>");
    PutText(w, text);
    StreamPut(w, "</h2>\n");
}

void PutParagraph(Writer* w, const char* text) {
    StreamPut(w, "<p>");
    PutText(w, text);
    StreamPut(w, "</p>\n");
}

void PutMonitor(Writer* w, const ReportInput* in, const ReportTexts& t) {
    PutHeading(w, t[RT_MONITOR]);
    EdidIdentity id;
    if (in->edid == nullptr || !DecodeEdidIdentity(in->edid, in->edidLength, &id)) {
        PutParagraph(w, t[RT_NO_EDID]);
        return;
    }
    char value[kReportSentenceBytes];
    StreamPut(w, "<table class=\"facts\">\n");
    FormatUtf8(value, sizeof(value), "%s (0x%04X)", id.manufacturer, id.productCode);
    PutFact(w, t[RT_MANUFACTURER], value);
    wchar_t name[kMonitorNameChars];
    if (DecodeMonitorName(in->edid, in->edidLength, name)) {
        WideToUtf8(name, value, sizeof(value));
        PutFact(w, t[RT_MODEL], value);
    }
    wchar_t serialText[kMonitorNameChars];
    char serialUtf8[64] = "";
    if (DecodeSerialText(in->edid, in->edidLength, serialText)) WideToUtf8(serialText, serialUtf8, sizeof(serialUtf8));
    if (serialUtf8[0] != '\0' && id.serialNumber != 0) {
        FormatUtf8(value, sizeof(value), "%s / %lu", serialUtf8, id.serialNumber);
        PutFact(w, t[RT_SERIAL], value);
    } else if (serialUtf8[0] != '\0') {
        PutFact(w, t[RT_SERIAL], serialUtf8);
    } else if (id.serialNumber != 0) {
        FormatUtf8(value, sizeof(value), "%lu", id.serialNumber);
        PutFact(w, t[RT_SERIAL], value);
    }
    if (id.week == 255) {
        FormatUtf8(value, sizeof(value), t[RT_MODEL_YEAR], id.year);
    } else if (id.week >= 1 && id.week <= 54) {
        FormatUtf8(value, sizeof(value), t[RT_MADE_FORMAT], id.week, id.year);
    } else {
        FormatUtf8(value, sizeof(value), "%d", id.year);
    }
    PutFact(w, t[RT_MADE], value);
    FormatUtf8(value, sizeof(value), "%d.%d", id.versionMajor, id.versionMinor);
    PutFact(w, t[RT_EDID_VERSION], value);
    NativeMode native;
    if (DecodeNativeMode(in->edid, in->edidLength, &native)) {
        char block[kReportSentenceBytes];
        FormatUtf8(block, sizeof(block), t[RT_FROM_BLOCK], NativeModeSourceName(native.source));
        FormatUtf8(value, sizeof(value), "%lu \xC3\x97 %lu, %s", native.width, native.height, block);
        PutFact(w, t[RT_NATIVE_MODE], value);
    }
    if (id.widthCm > 0) {
        FormatUtf8(value, sizeof(value), t[RT_SIZE_FORMAT], id.widthCm, id.heightCm);
        PutFact(w, t[RT_SIZE], value);
    }
    MonitorClaims claims;
    if (DecodeMonitorClaims(in->edid, in->edidLength, &claims) && ClaimsText(in->lang, claims, "", 1, value, sizeof(value)) > 0) {
        PutFact(w, ColourTextOf(in->lang, CT_CLAIMS_ROW), value);
    }
    StreamPut(w, "</table>\n");
}

// A luminance in whole cd/m² with its thousands set apart and its unit, or "unknown" for none or a figure past
// any display's (a record read back may hold anything).
void LevelText(double nits, const ReportTexts& t, char* out, int size) {
    if (nits > 0 && nits < 1e6) {
        char figure[32];
        FormatGroupedCount(figure, sizeof(figure), static_cast<long long>(nits + 0.5));
        FormatUtf8(out, size, "%s cd/m\xC2\xB2", figure);
    } else {
        FormatUtf8(out, size, "%s", t[RT_UNKNOWN]);
    }
}

// What the HDR screens were shown with: Windows' HDR state, whether the FP16 presenter showed
// them, the SDR white level and the claimed peak.
void PutHdrScreensRow(Writer* w, const ReportInput* in, const ReportTexts& t) {
    const HdrFigures& h = in->findings->hdr;
    if (h.shown <= 0) return;
    static const int kStateTexts[] = {RT_HDR_STATE_UNKNOWN, RT_HDR_OFF, RT_HDR_ON, RT_HDR_SWITCHED};
    const int state = h.windowsState >= kHdrStateUnknown && h.windowsState <= kHdrStateSwitched ? h.windowsState : kHdrStateUnknown;
    char white[32], peak[32], levels[kReportSentenceBytes], value[kReportSentenceBytes];
    LevelText(h.sdrWhiteNits, t, white, sizeof(white));
    LevelText(h.claimedPeakNits, t, peak, sizeof(peak));
    FormatUtf8(levels, sizeof(levels), t[RT_HDR_LEVELS], white, peak);
    FormatUtf8(value, sizeof(value), "%s%s%s; %s", t[kStateTexts[state + 1]], h.presenterFailure ? "; " : "",
               h.presenterFailure ? t[RT_HDR_NOT_PRESENTED] : "", levels);
    PutFact(w, t[RT_HDR_SCREENS], value);
}

void PutModeTested(Writer* w, const ReportInput* in, const ReportTexts& t) {
    PutHeading(w, t[RT_MODE_TESTED]);
    StreamPut(w, "<table class=\"facts\">\n");
    char value[kReportSentenceBytes];
    NativeMode native;
    const bool known = in->edid != nullptr && DecodeNativeMode(in->edid, in->edidLength, &native);
    const bool isNative = known && native.width == static_cast<unsigned long>(in->width) &&
                          native.height == static_cast<unsigned long>(in->height);
    FormatUtf8(value, sizeof(value), "%d \xC3\x97 %d%s%s", in->width, in->height, known ? ", " : "",
               known ? (isNative ? t[RT_IS_NATIVE] : t[RT_NOT_NATIVE]) : "");
    PutFact(w, t[RT_MODE_TESTED], value);
    char rate[24];
    if (RefreshRateText(in->hz, rate, sizeof(rate))) {
        FormatUtf8(value, sizeof(value), "%s Hz", rate);
        PutFact(w, t[RT_REFRESH], value);
    } else {
        PutFact(w, t[RT_REFRESH], t[RT_UNKNOWN]);
    }
    if (in->displayState != nullptr && WindowsStateText(in->lang, *in->displayState, 1, value, sizeof(value)) > 0) {
        PutFact(w, ColourTextOf(in->lang, CT_WINDOWS_ROW), value);
    }
    PutHdrScreensRow(w, in, t);
    StreamPut(w, "</table>\n");
}

// A row of the verdict's table whose value spans the count and rate columns.
void PutVerdictRow(Writer* w, const char* kind, const char* name, const char* value) {
    StreamPutf(w, "<tr class=\"%s\"><th>", kind);
    PutText(w, name);
    StreamPut(w, "</th><td colspan=\"2\">");
    PutText(w, value);
    StreamPut(w, "</td></tr>\n");
}

void PutVerdict(Writer* w, const ReportInput* in, const ReportTexts& t) {
    const ClassVerdict v = JudgeRecordedFaults(in->findings, in->edid, in->edidLength);
    PutHeading(w, t[RT_VERDICT]);
    StreamPut(w, "<table class=\"verdict\">\n");
    const bool rated = v.pixelsWide > 0 && v.pixelsHigh > 0;  // no screen size: no rate
    for (int type = 0; type < 3; ++type) {
        StreamPut(w, "<tr><th>");
        PutText(w, t[RT_TYPE_LIT + type]);
        StreamPutf(w, "</th><td class=\"count\">%d</td><td class=\"rate\">", v.counts[type]);
        if (rated) StreamPutf(w, "%.2f ", v.perMillion[type]);
        PutText(w, t[rated ? RT_PER_MILLION : RT_UNKNOWN]);
        StreamPut(w, "</td></tr>\n");
    }
    char line[kReportSentenceBytes];
    FormatUtf8(line, sizeof(line), t[RT_CLUSTERS_FORMAT], v.clusters[0], v.clusters[1]);
    PutVerdictRow(w, "clusters", t[RT_CLUSTERS], line);
    PutVerdictRow(w, "any-lit", t[RT_ANY_LIT], t[v.anyLit ? RT_YES : RT_NO]);
    StreamPut(w, "</table>\n<p class=\"class\"><strong>");
    ClassVerdictLine(in->lang, v.isoClass, line, sizeof(line));
    PutText(w, line);
    StreamPut(w, "</strong></p>\n<p class=\"basis\">");
    VerdictBasisLine(in->lang, v, line, sizeof(line));
    PutText(w, line);
    StreamPut(w, "</p>\n");
}

const char* ScreenName(int lang, int mode) {
    const GuideText* text = GuideTextOf(lang, mode);
    return text != nullptr ? text->name : "";
}

// What the motion screens counted, where they were shown.
void PutMotion(Writer* w, const ReportInput* in, const ReportTexts& t) {
    bool any = false;
    for (int screen = 0; screen < kMotionScreens; ++screen) {
        const MotionFigures& m = in->findings->motion[screen];
        char line[kReportSentenceBytes];
        MotionFiguresLine(in->lang, screen, m, line, sizeof(line));
        if (line[0] == '\0') continue;
        if (!any) {
            PutHeading(w, t[RT_MOTION_HEADING]);
            StreamPut(w, "<ul class=\"motion\">\n");
        }
        StreamPutf(w, "<li data-mode=\"%d\" data-frames=\"%lld\" data-dropped=\"%lld\"%s>", kMovingBlocksMode + screen,
             m.frames, m.dropped, m.dropped > 0 ? " class=\"fault\"" : "");
        PutText(w, line);
        StreamPut(w, "</li>\n");
        any = true;
    }
    // The variable-refresh screens share the card and the list.
    for (int screen = 0; screen < kVrrScreens; ++screen) {
        const VrrFigures& v = in->findings->vrr[screen];
        char line[kReportSentenceBytes];
        VrrFiguresLine(in->lang, screen, v, line, sizeof(line));
        if (line[0] == '\0') continue;
        if (!any) {
            PutHeading(w, t[RT_MOTION_HEADING]);
            StreamPut(w, "<ul class=\"motion\">\n");
        }
        StreamPutf(w, "<li data-mode=\"%d\" data-frames=\"%lld\" data-late=\"%lld\" data-vrr=\"%d\"%s>",
                   kVrrSweepMode + screen, v.frames, v.late, v.variableRefresh ? 1 : 0,
                   v.variableRefresh ? "" : " class=\"fault\"");
        PutText(w, line);
        StreamPut(w, "</li>\n");
        any = true;
    }
    if (any) StreamPut(w, "</ul>\n");
}

void PutScreens(Writer* w, const ReportInput* in, const ReportTexts& t) {
    PutHeading(w, t[RT_SCREENS_SEEN]);
    StreamPut(w, "<ul class=\"screens\">\n");
    for (int mode = 0; mode < kModeCount; ++mode) {
        if (!in->findings->seen[mode]) continue;
        const bool noted = in->findings->noted[mode] != 0;
        StreamPutf(w, "<li data-mode=\"%d\">", mode);
        PutText(w, ScreenName(in->lang, mode));
        StreamPut(w, noted ? ": <span class=\"fault\">" : ": <span>");
        PutText(w, noted ? t[RT_FAULT_NOTED] : t[RT_LOOKS_RIGHT]);
        StreamPut(w, "</span></li>\n");
    }
    StreamPut(w, "</ul>\n");
}

bool AnyOffScreen(const Mark& mark) {
    for (unsigned long pixel : mark.patch) {
        if (pixel & kOffScreen) return true;
    }
    return false;
}

// The pixels around defect number `number`, one rectangle each, the defect's own framed; a pixel
// beyond the screen's edge hatched in grey on white, its own pattern in each drawing.
void PutPatch(Writer* w, const Mark& mark, int number) {
    const int side = kPatchSide * kPatchCellPx;
    StreamPutf(w, "<svg width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">", side, side, side, side);
    if (AnyOffScreen(mark)) {
        StreamPutf(w, "<defs><pattern id=\"offscreen-%d\" width=\"4\" height=\"4\" patternUnits=\"userSpaceOnUse\" "
                "patternTransform=\"rotate(45)\"><rect width=\"4\" height=\"4\" fill=\"#ffffff\"/>"
                "<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"4\" stroke=\"#999999\" stroke-width=\"1\"/></pattern></defs>",
             number);
    }
    for (int k = 0; k < kPatchSide * kPatchSide; ++k) {
        StreamPutf(w, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" ", (k % kPatchSide) * kPatchCellPx,
             (k / kPatchSide) * kPatchCellPx, kPatchCellPx, kPatchCellPx);
        if (mark.patch[k] & kOffScreen) {
            StreamPutf(w, "class=\"offscreen\" fill=\"url(#offscreen-%d)\"/>", number);
        } else {
            StreamPutf(w, "fill=\"#%06lX\"/>", mark.patch[k] & 0xFFFFFF);
        }
    }
    const int centre = kPatchRadius * kPatchCellPx;
    StreamPutf(w, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"#ff00ff\" stroke-width=\"2\"/>",
         centre, centre, kPatchCellPx, kPatchCellPx);
    StreamPut(w, "</svg>");
}

int Digits(int number) {
    int digits = 1;
    for (; number >= 10; number /= 10) ++digits;
    return digits;
}

// Where the map's label `number` of a ring of radius `r` goes: right of the ring and above it,
// left of it where it would leave the map on the right, below it where it would leave at the top.
// The label is 2r high; its digits are taken as 0.6 of that wide, its capitals 0.75 of it high.
void PlaceMapLabel(const Mark& m, int number, int r, int width, int height, int* x, int* y) {
    const int size = 2 * r;
    const int wide = (Digits(number) * size * 6 + 9) / 10;
    const int ascent = (size * 3 + 3) / 4;
    *x = m.x + r + 2;
    if (*x + wide > width) *x = m.x - r - 2 - wide;
    if (*x < 0) *x = 0;
    *y = m.y - r;
    if (*y - ascent < 0) *y = m.y + r + 1 + ascent;
    if (*y > height) *y = height;
    if (*y - ascent < 0) *y = ascent;
}

void PutDefects(Writer* w, const ReportInput* in, const ReportTexts& t) {
    const Findings* f = in->findings;
    PutHeading(w, t[RT_DEFECTS]);
    if (f->markCount == 0) {
        PutParagraph(w, t[RT_NO_DEFECTS]);
        return;
    }
    StreamPut(w, "<table class=\"defects\">\n<tr><th>#</th><th>");
    PutText(w, t[RT_POSITION]);
    StreamPut(w, "</th><th>");
    PutText(w, t[RT_TYPE]);
    StreamPut(w, "</th><th>");
    PutText(w, t[RT_SCREEN]);
    StreamPut(w, "</th><th></th></tr>\n");
    for (int k = 0; k < f->markCount; ++k) {
        const Mark& m = f->marks[k];
        StreamPutf(w, "<tr class=\"defect\" data-x=\"%d\" data-y=\"%d\" data-type=\"%d\"><td>%d</td><td>%d, %d</td><td>", m.x,
             m.y, m.type, k + 1, m.x, m.y);
        PutText(w, t[RT_TYPE_LIT + (m.type >= kDefectLit && m.type <= kDefectOther ? m.type : kDefectOther) - 1]);
        StreamPut(w, "</td><td>");
        PutText(w, ScreenName(in->lang, m.mode));
        StreamPut(w, "</td><td>");
        PutPatch(w, m, k + 1);
        StreamPut(w, "</td></tr>\n");
    }
    StreamPut(w, "</table>\n");
    PutHeading(w, t[RT_MAP]);
    // The whole screen at its own scale, each mark a ring with its number; circles stay visible at any size.
    const int r = (f->width > f->height ? f->width : f->height) / 80 + 4;
    StreamPutf(w, "<svg class=\"map\" width=\"%d\" height=\"%d\" viewBox=\"0 0 %d %d\">", f->width / 2, f->height / 2,
         f->width, f->height);
    StreamPutf(w, "<rect width=\"%d\" height=\"%d\" fill=\"#f4f4f4\" stroke=\"#888\"/>", f->width, f->height);
    for (int k = 0; k < f->markCount; ++k) {
        const Mark& m = f->marks[k];
        int x, y;
        PlaceMapLabel(m, k + 1, r, f->width, f->height, &x, &y);
        StreamPutf(w,
             "<circle cx=\"%d.5\" cy=\"%d.5\" r=\"%d\" fill=\"none\" stroke=\"#b00020\" stroke-width=\"%d\"/>"
             "<text x=\"%d\" y=\"%d\" font-size=\"%d\" fill=\"#b00020\">%d</text>",
             m.x, m.y, r, r / 4 + 1, x, y, 2 * r, k + 1);
    }
    StreamPut(w, "</svg>\n");
}

void PutRawEdid(Writer* w, const ReportInput* in, const ReportTexts& t) {
    if (in->edid == nullptr || in->edidLength == 0) return;
    PutHeading(w, t[RT_RAW_EDID]);
    StreamPut(w, "<pre class=\"edid\">");
    for (unsigned long i = 0; i < in->edidLength; ++i) StreamPutf(w, "%02X%s", in->edid[i], (i % 16 == 15) ? "\n" : " ");
    StreamPut(w, "</pre>\n");
}

}  // namespace

void ClassVerdictLine(int lang, int isoClass, char* out, int size) {
    if (size <= 0) return;
    if (isoClass >= 1 && isoClass <= kIsoClasses) {
        FormatUtf8(out, static_cast<size_t>(size), ReportText(lang, RT_CLASS_FORMAT), kClassNames[isoClass - 1]);
    } else {
        FormatUtf8(out, static_cast<size_t>(size), "%s", ReportText(lang, RT_NO_CLASS));
    }
}

void VerdictBasisLine(int lang, const ClassVerdict& v, char* out, int size) {
    if (size <= 0) return;
    if (VerdictOffNative(v)) {
        FormatUtf8(out, static_cast<size_t>(size), ReportText(lang, RT_NOT_AT_NATIVE), v.nativeWide, v.nativeHigh,
                   v.pixelsWide, v.pixelsHigh);
    } else {
        FormatUtf8(out, static_cast<size_t>(size), ReportText(lang, RT_RESTS_ON), v.pixelsWide, v.pixelsHigh,
                   ReportText(lang, v.onNative ? RT_IS_NATIVE : RT_TESTED_BASIS));
    }
}

const char* ReportLanguageTag(int lang) {
    return kLanguageTags[lang >= 0 && lang < kLanguageCount ? lang : 0];
}

void WideToUtf8(const wchar_t* text, char* out, int size) {
    int n = 0;
    for (const wchar_t* p = text; *p != 0; ++p) {
        unsigned long c = static_cast<unsigned long>(*p);
        if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {  // a UTF-16 surrogate pair
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<unsigned long>(p[1]) - 0xDC00);
            ++p;
        } else if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            c = 0xFFFD;  // half a pair, or no character at all
        }
        char bytes[4];
        int count;
        if (c < 0x80) {
            bytes[0] = static_cast<char>(c);
            count = 1;
        } else if (c < 0x800) {
            bytes[0] = static_cast<char>(0xC0 | (c >> 6));
            bytes[1] = static_cast<char>(0x80 | (c & 0x3F));
            count = 2;
        } else if (c < 0x10000) {
            bytes[0] = static_cast<char>(0xE0 | (c >> 12));
            bytes[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes[2] = static_cast<char>(0x80 | (c & 0x3F));
            count = 3;
        } else {
            bytes[0] = static_cast<char>(0xF0 | (c >> 18));
            bytes[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes[3] = static_cast<char>(0x80 | (c & 0x3F));
            count = 4;
        }
        if (n + count >= size) break;
        for (int k = 0; k < count; ++k) out[n++] = bytes[k];
    }
    if (size > 0) out[n] = '\0';
}

int WriteReportHtml(FILE* out, const ReportInput* in) {
    Writer w = {out, true};
    ReportTexts t;  // English where the language has no text yet
    for (int key = 0; key < RT_COUNT; ++key) t[key] = ReportText(in->lang, key);
    StreamPutf(&w, "<!DOCTYPE html>\n<html lang=\"%s\">\n<head>\n<meta charset=\"utf-8\">\n<title>",
         ReportLanguageTag(in->lang));
    PutText(&w, t[RT_TITLE]);
    StreamPut(&w, "</title>\n<style>");
    StreamPut(&w, kStyle);
    StreamPut(&w, "</style>\n</head>\n<body>\n<h1>");
    PutText(&w, t[RT_TITLE]);
    StreamPut(&w, "</h1>\n<table class=\"facts\">\n");
    PutFact(&w, t[RT_CREATED], in->created);
    PutFact(&w, t[RT_PROGRAM], in->program);
    PutFact(&w, t[RT_SYSTEM], in->system);
    StreamPut(&w, "</table>\n");
    PutMonitor(&w, in, t);
    PutModeTested(&w, in, t);
    PutVerdict(&w, in, t);
    PutScreens(&w, in, t);
    PutMotion(&w, in, t);
    PutDefects(&w, in, t);
    PutRawEdid(&w, in, t);
    StreamPut(&w, "</body>\n</html>\n");
    return w.ok;
}
