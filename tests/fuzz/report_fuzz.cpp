// Fuzzes the report: an EDID and a run's marks from the bytes, written as HTML and as JSON, and the
// /report path filled in from the same EDID. Input: a whole EDID first (its base block and the
// extension blocks it counts, as far as the bytes go; a real EDID alone is a good seed), then the
// run: a byte for the language, one for the screen size (its low two bits) and the refresh rate (the
// next three), one for the number of marks (up to 15), six for each mark (x and y as signed 16-bit
// numbers, type and whether it was picked, screen), where the screen byte's bit 5 is set eight bytes
// of what Windows reported of the colours (mode, encoding, bits, SDR white, output), and the rest the /report
// pattern, a character a byte, where 0xF0 to 0xF3 stand for {model}, {serial}, {date} and {time}.
#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>
#include <wctype.h>

#include <string>

#include "record/findings.h"
#include "record/report_html.h"
#include "record/report_json.h"
#include "record/report_path.h"
#include "monitor/display_state.h"
#include "monitor/edid.h"

namespace {

Findings g_findings;  // large: kept out of the stack
DisplayState g_state;

const int kSizes[4][2] = {{1920, 1080}, {1, 1}, {7680, 4320}, {0, 0}};
const double kRates[8] = {60, 143.856, 0, -60, NAN, INFINITY, 1e300, 0.0004};  // known and unknown
const wchar_t* const kPlaceholders[4] = {L"{model}", L"{serial}", L"{date}", L"{time}"};
const wchar_t kForbidden[] = L"\\/:*?\"<>|";

void Check(bool ok) {
    if (!ok) abort();
}

int Utf8Length(const unsigned char* p, size_t left) {
    const unsigned char c = p[0];
    const int length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || left < static_cast<size_t>(length)) return 0;
    for (int k = 1; k < length; ++k) {
        if ((p[k] & 0xC0) != 0x80) return 0;
    }
    if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] > 0x9F) || (c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] > 0x8F)) {
        return 0;
    }
    return length;
}

// JSON's structure, strictly: well-formed UTF-8, strings with no raw control character and known
// escapes only, brackets that pair, and nothing but JSON's own tokens between strings.
bool JsonWellFormed(const std::string& json) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(json.data());
    const unsigned char* end = p + json.size();
    char open[8];
    int depth = 0;
    bool inString = false;
    while (p < end) {
        const int n = Utf8Length(p, static_cast<size_t>(end - p));
        if (n == 0) return false;
        const unsigned char c = *p;
        if (inString && c == '\\') {
            if (end - p < 2 || (p[1] != 'u' && strchr("\"\\/bfnrt", p[1]) == nullptr) || p[1] == 0) return false;
            if (p[1] == 'u' && (end - p < 6 || strspn(std::string(reinterpret_cast<const char*>(p) + 2, 4).c_str(),
                                                         "0123456789ABCDEFabcdef") != 4)) {
                return false;
            }
            p += p[1] == 'u' ? 6 : 2;
            continue;
        }
        if (inString) {
            if (c < 0x20) return false;
            inString = c != '"';
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (depth == 8) return false;
            open[depth++] = c == '{' ? '}' : ']';
        } else if (c == '}' || c == ']') {
            if (depth == 0 || open[--depth] != static_cast<char>(c)) return false;
        } else if (c == 0 || strchr(" \n:,-.0123456789truefalsn", c) == nullptr) {
            return false;
        }
        p += n;
    }
    return !inString && depth == 0;
}

std::string Written(int (*writer)(FILE*, const ReportInput*), const ReportInput& input) {
    char* text = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&text, &size);
    Check(out != nullptr);
    Check(writer(out, &input) != 0);
    fclose(out);
    std::string written(text, size);
    free(text);
    return written;
}

// The run from the bytes after the EDID; returns where the pattern starts.
const uint8_t* ReadRun(const uint8_t* p, const uint8_t* end, ReportInput* input) {
    const int lang = p < end ? *p++ : 0;
    const int screen = p < end ? *p++ : 0;
    const int* size = kSizes[screen % 4];
    const double hz = kRates[screen / 4 % 8];
    const int marks = p < end ? *p++ % 16 : 0;
    ClearFindings(&g_findings, size[0], size[1]);
    for (int k = 0; k < marks && end - p >= 6; ++k, p += 6) {
        Mark m = {};
        m.x = static_cast<int16_t>(p[0] | p[1] << 8);
        m.y = static_cast<int16_t>(p[2] | p[3] << 8);
        m.type = p[4] % 6;
        m.mode = p[5] % (kModeCount + 2);
        for (int c = 0; c < kPatchSide * kPatchSide; ++c) m.patch[c] = (p[4] >> 3) % 3 == c % 3 ? kOffScreen : c * 0x050301ul;
        int previousType = 0;
        AddMark(&g_findings, m, &previousType, p[4] & 0x80 ? kTypePicked : kTypeOfScreen);
        g_findings.seen[m.mode % kModeCount] = 1;
        g_findings.noted[m.mode % kModeCount] = p[0] & 1;
    }
    *input = {};
    if ((screen & 0x20) && end - p >= 8) {
        g_state = UnknownDisplayState();
        g_state.mode = static_cast<ColourMode>(p[0] % 4);
        g_state.encoding = static_cast<SignalEncoding>(p[1] % 6);
        g_state.bitsPerChannel = static_cast<int8_t>(p[2]);
        g_state.hdrUserEnabled = p[3] % 3 - 1;
        g_state.sdrWhiteNits = p[4] & 0x80 ? NAN : p[4] * 8.0 - 100;
        g_state.hasOutput = p[5] & 1;
        g_state.hasOutputPrimaries = p[5] & 2;
        g_state.outputColourSpace = static_cast<int8_t>(p[6]);
        g_state.outputMinLuminance = p[7] & 0x80 ? INFINITY : p[7] / 16.0 - 1;
        g_state.outputMaxLuminance = p[7] * 1e10;
        g_state.outputPrimaries.red = {p[6] / 255.0, -p[5] / 7.0};
        g_state.gaps[p[0] % kDisplayFigures] = p[1];  // a reason no writer knows
        input->displayState = &g_state;
        p += 8;
    }
    if ((screen & 0x40) && end - p >= 4) {  // HDR screens shown, with any figures a record may hold
        g_findings.hdr.shown = static_cast<int8_t>(p[0]);
        g_findings.hdr.windowsState = static_cast<int8_t>(p[1]) % 5;
        g_findings.hdr.presenterFailure = static_cast<int8_t>(p[2]);
        g_findings.hdr.sdrWhiteNits = p[3] & 0x80 ? NAN : p[3] * 4.0 - 50;
        g_findings.hdr.claimedPeakNits = p[3] & 0x40 ? INFINITY : p[3] * 1e5;
        p += 4;
    }
    if ((screen & 0x80) && end - p >= 6) {  // variable-refresh screens, with any figures a record may hold
        VrrFigures& v = g_findings.vrr[p[0] % kVrrScreens];
        v.visits = static_cast<int8_t>(p[1]);
        v.variableRefresh = p[0] & 2;
        v.frames = static_cast<int8_t>(p[2]) * 10000000000000000LL;
        v.late = static_cast<int8_t>(p[3]) * 1000LL;
        v.sweptLowHz = p[4] & 0x80 ? NAN : p[4] * 2.0 - 10;
        v.sweptHighHz = p[4] & 0x40 ? INFINITY : p[4] * 1e4;
        v.presentedLowHz = p[5] & 0x80 ? -INFINITY : p[5] / 7.0;
        v.presentedHighHz = p[5] & 0x40 ? 1e300 : p[5] * 3.3;
        AddVrrFigures(&g_findings, kVrrSweepMode + (p[5] & 1), p[5] & 2, p[2], p[3], p[4], p[4] * 2.0, p[5], p[5] * 1.5);
        p += 6;
    }
    input->lang = lang % (kLanguageCount + 1);
    input->created = "2026-12-09 18:00";
    input->program = "TAVRO 1.0.0";
    input->system = "Windows 10.0";
    input->width = size[0];
    input->height = size[1];
    input->hz = hz;
    AddMotionFigures(&g_findings, kMovingBlocksMode, hz, 1000, lang);
    input->findings = &g_findings;
    return p;
}

size_t CountForbidden(const wchar_t* text) {
    size_t count = 0;
    for (; *text != 0; ++text) count += *text < 0x20 || wcschr(kForbidden, *text) != nullptr;
    return count;
}

// Nonzero when the component `name` (up to a separator or the end) is a device Windows reserves.
bool NamesDevice(const wchar_t* name) {
    wchar_t base[8];
    int n = 0;
    for (; name[n] != 0 && name[n] != L'.' && name[n] != L'\\' && name[n] != L'/' && n < 8; ++n) base[n] = towupper(name[n]);
    while (n > 0 && base[n - 1] == L' ') --n;
    if (n == 8 || (name[n] != 0 && name[n] != L'.' && name[n] != L' ' && name[n] != L'\\' && name[n] != L'/')) return false;
    const std::wstring b(base, static_cast<size_t>(n));
    if (b == L"CON" || b == L"PRN" || b == L"AUX" || b == L"NUL" || b == L"CONIN$" || b == L"CONOUT$") return true;
    return n == 4 && (b.compare(0, 3, L"COM") == 0 || b.compare(0, 3, L"LPT") == 0) && b[3] >= L'0' && b[3] <= L'9';
}

// No component of `out` that a placeholder of `pattern` filled in names a device.
bool FilledNoDevice(const std::wstring& pattern, const wchar_t* out) {
    size_t at = 0;
    for (const wchar_t* c = out;; ++c) {
        const size_t end = pattern.find_first_of(L"\\/", at);
        const std::wstring typed = pattern.substr(at, end - at);
        bool filled = false;
        for (const wchar_t* p : kPlaceholders) filled = filled || typed.find(p) != std::wstring::npos;
        if (filled && NamesDevice(c)) return false;
        while (*c != 0 && *c != L'\\' && *c != L'/') ++c;
        if (*c == 0 || end == std::wstring::npos) return true;
        at = end + 1;
    }
}

// The pattern filled in: it fits or leaves nothing, no shorter than its shortest filling, and the
// filled-in values add no character a file name cannot hold nor a device's name; then its
// numbered variants.
void CheckPath(const uint8_t* p, const uint8_t* end, const unsigned char* edid, unsigned long edidLength) {
    std::wstring pattern;
    for (; p < end && pattern.size() < 300; ++p) {
        if (*p >= 0xF0 && *p <= 0xF3) {
            pattern += kPlaceholders[*p - 0xF0];
        } else if (*p != 0) {
            pattern += static_cast<wchar_t>(*p);
        }
    }
    const ReportClock when = {2026, 12, 9, 18, 0, 5};
    for (int room : {kReportPathChars, 16}) {
        wchar_t out[kReportPathChars];
        if (!ExpandReportPath(pattern.c_str(), edid, edidLength, when, out, room)) {
            Check(out[0] == L'\0');
            continue;
        }
        Check(wcslen(out) < static_cast<size_t>(room) && CountForbidden(out) == CountForbidden(pattern.c_str()));
        if (pattern.find(L'{') == std::wstring::npos) Check(pattern == out);
        Check(static_cast<int>(wcslen(out)) >= ShortestFilledLength(pattern.c_str()) && FilledNoDevice(pattern, out));
        wchar_t variant[kReportPathChars];
        for (int n : {2, 10, 12345}) {
            const size_t digits = n < 10 ? 1 : n < 100 ? 2 : 5;
            if (ReportPathVariant(out, n, variant, room)) {
                Check(wcslen(variant) == wcslen(out) + 1 + digits);
            } else {
                Check(variant[0] == L'\0' && wcslen(out) + 1 + digits >= static_cast<size_t>(room));
            }
        }
        Check(IsJsonReportPath(out) == (wcslen(out) >= 5 && wcscasecmp(out + wcslen(out) - 5, L".json") == 0));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    size_t edidLength = size;
    if (size >= kEdidBlockSize) {
        const size_t counted = kEdidBlockSize * (1 + static_cast<size_t>(data[126]));
        if (counted < size) edidLength = counted;
    }
    // A heap block of exactly the EDID's size, so AddressSanitizer catches any read past it.
    unsigned char* edid = static_cast<unsigned char*>(malloc(edidLength == 0 ? 1 : edidLength));
    if (edidLength != 0) memcpy(edid, data, edidLength);
    ReportInput input;
    const uint8_t* pattern = ReadRun(data + edidLength, data + size, &input);
    input.edid = edidLength != 0 ? edid : nullptr;
    input.edidLength = static_cast<unsigned long>(edidLength);
    const std::string html = Written(WriteReportHtml, input);
    Check(html.find("\"#1000000\"") == std::string::npos && html.size() > 100);  // no colour from beyond the edge
    for (size_t i = 0; i < html.size();) {
        const int n = Utf8Length(reinterpret_cast<const unsigned char*>(html.data()) + i, html.size() - i);
        Check(n > 0);
        i += static_cast<size_t>(n);
    }
    Check(JsonWellFormed(Written(WriteReportJson, input)));
    CheckPath(pattern, data + size, input.edid, input.edidLength);
    free(edid);
    return 0;
}
