// The report's writers: the /report path filled in from real EDIDs, its "-n" variants, the JSON read
// back by a strict reader and held against the HTML of the same run, text from an EDID escaped in
// both, pixels beyond the screen's edge, map labels that stay on the map, and the monitor's colour
// claims and what Windows reported of its colours.
#include <gtest/gtest.h>

#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "app/bounded_format.h"
#include "monitor/display_state.h"
#include "record/findings.h"
#include "record/report_html.h"
#include "record/report_json.h"
#include "record/report_path.h"
#include "record/report_texts.h"
#include "testrun/guide_texts.h"
#include "tests/support/test_data.h"
#include "tests/support/written_report.h"

namespace {

Findings g_findings;  // large: kept out of the stack

// ---- a strict JSON reader (RFC 8259): anything it refuses is no JSON ----

using Values = std::map<std::string, std::string>;  // each scalar by its dotted path ("marks.0.x")

// The length of the well-formed UTF-8 character `p` starts (`end` excluded), 0 where it is none.
int CharLength(const char* p, const char* end) {
    const unsigned char c = static_cast<unsigned char>(*p);
    const int length = c < 0x80 ? 1 : c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (length == 0 || end - p < length) return 0;
    for (int k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(p[k]) & 0xC0) != 0x80) return 0;
    }
    const unsigned char second = static_cast<unsigned char>(p[1]);
    const bool overlong = (c == 0xE0 && second < 0xA0) || (c == 0xF0 && second < 0x90);
    return overlong || (c == 0xED && second > 0x9F) || (c == 0xF4 && second > 0x8F) ? 0 : length;
}

bool ValidUtf8(const std::string& text) {
    const char* end = text.data() + text.size();
    for (const char* p = text.data(); p < end; p += CharLength(p, end)) {
        if (CharLength(p, end) == 0) return false;
    }
    return true;
}

void SkipSpace(const char*& p, const char* end) {
    while (p < end && strchr(" \n\r\t", *p) != nullptr && *p != '\0') ++p;
}

// A string, unescaped into `out`; this writer escapes control characters only with \u.
bool ReadString(const char*& p, const char* end, std::string* out) {
    if (p >= end || *p++ != '"') return false;
    for (; p < end && *p != '"';) {
        const int n = CharLength(p, end);
        if (n == 0 || static_cast<unsigned char>(*p) < 0x20) return false;
        if (*p != '\\') {
            out->append(p, static_cast<size_t>(n));
            p += n;
        } else if (end - p >= 2 && (p[1] == '"' || p[1] == '\\' || p[1] == '/')) {
            out->push_back(p[1]);
            p += 2;
        } else if (end - p >= 6 && p[1] == 'u' && strspn(std::string(p + 2, 4).c_str(), "0123456789ABCDEFabcdef") == 4) {
            out->push_back(static_cast<char>(strtoul(std::string(p + 2, 4).c_str(), nullptr, 16)));
            p += 6;
        } else {
            return false;
        }
    }
    return p++ < end;
}

size_t Digits(const char*& p, const char* end) {
    const char* start = p;
    while (p < end && *p >= '0' && *p <= '9') ++p;
    return static_cast<size_t>(p - start);
}

// One value at `p`, its scalars recorded under `path`.
bool ReadValue(const char*& p, const char* end, const std::string& path, Values* values, int depth) {
    SkipSpace(p, end);
    if (p >= end || depth > 16) return false;
    const char* start = p;
    if (*p == '{' || *p == '[') {
        const char close = *p++ == '{' ? '}' : ']';
        SkipSpace(p, end);
        if (p < end && *p == close) return ++p, true;
        for (int k = 0;; ++k) {
            std::string key = std::to_string(k);
            SkipSpace(p, end);
            if (close == '}') {
                key.clear();
                if (!ReadString(p, end, &key)) return false;
                SkipSpace(p, end);
                if (p >= end || *p++ != ':') return false;
            }
            if (!ReadValue(p, end, path.empty() ? key : path + "." + key, values, depth + 1)) return false;
            SkipSpace(p, end);
            if (p < end && *p == ',') ++p;
            else return p < end && *p++ == close;
        }
    }
    std::string& value = (*values)[path];
    if (*p == '"') return ReadString(p, end, &value);
    for (const char* word : {"true", "false", "null"}) {
        const size_t n = strlen(word);
        if (static_cast<size_t>(end - p) >= n && strncmp(p, word, n) == 0) {
            p += n;
            value = word;
            return true;
        }
    }
    if (*p == '-') ++p;
    const char* whole = p;
    if (Digits(p, end) == 0 || (*whole == '0' && p - whole > 1)) return false;
    if (p < end && *p == '.' && (++p, Digits(p, end) == 0)) return false;
    value.assign(start, p);
    return true;
}

bool ParseJson(const std::string& text, Values* values) {
    const char* p = text.data();
    const char* end = p + text.size();
    values->clear();
    if (!ReadValue(p, end, "", values, 0)) return false;
    SkipSpace(p, end);
    return p == end;
}

// ---- the run ----

std::vector<unsigned char> Edid(const char* name) {
    return ReadTestData(std::string("edid/") + name + ".bin");
}

const char kDell[] = "D_Dell_DELD0D9_09432B13B913";

// `edid` with descriptor `slot` of its base block holding text descriptor `tag` with the 13 bytes
// of `text`, and the base block's checksum made right.
std::vector<unsigned char> WithText(std::vector<unsigned char> edid, int slot, unsigned char tag, const char* text) {
    unsigned char* d = edid.data() + 54 + 18 * slot;
    const unsigned char head[5] = {0, 0, 0, tag, 0};
    memcpy(d, head, 5);
    memcpy(d + 5, text, 13);
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i) sum += edid[i];
    edid[127] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    return edid;
}

// Bytes outside ASCII and the characters HTML, JSON and file names treat apart.
std::vector<unsigned char> OddDell() {
    return WithText(WithText(Edid(kDell), 2, 0xFC, "A<B>&\"C:*?|/\\"), 1, 0xFF, "S\xE9<&\"\x80 x.\n   ");
}

Mark MarkAt(int x, int y, int type, int mode) {
    Mark m = {};
    m.mode = mode;
    m.x = x;
    m.y = y;
    m.type = type;
    for (int k = 0; k < kPatchSide * kPatchSide; ++k) {
        const int px = x + k % kPatchSide - kPatchRadius;
        const int py = y + k / kPatchSide - kPatchRadius;
        m.patch[k] = px < 0 || py < 0 || px >= g_findings.width || py >= g_findings.height ? kOffScreen : 0x203040;
    }
    return m;
}

// A run on 1920 x 1080: two always-lit pixels side by side (one cluster), always dark in the top
// right corner, a stuck subpixel in the bottom left one, another fault in the middle.
void RecordRun() {
    ClearFindings(&g_findings, 1920, 1080);
    g_findings.seen[1] = g_findings.seen[17] = g_findings.seen[36] = 1;
    AddMotionFigures(&g_findings, kFrameCheckMode, 59.94, 3600, 3);
    ToggleNote(&g_findings, 36);
    const Mark marks[] = {MarkAt(100, 200, kDefectLit, 1), MarkAt(102, 201, kDefectLit, 1),
                          MarkAt(1919, 0, kDefectDark, 17), MarkAt(0, 1079, kDefectSubpixel, 17),
                          MarkAt(960, 540, kDefectOther, 36)};
    for (const Mark& m : marks) {
        int previousType = 0;
        ASSERT_GE(AddMark(&g_findings, m, &previousType), 0);
    }
}

// The report of a run in `lang` on `width` x `height` at `hz`, on the monitor of `edid`.
ReportInput InputOf(const std::vector<unsigned char>& edid, int lang = 0, int width = 1920, int height = 1080, double hz = 60) {
    return {lang, "2026-12-09 18:00", "TAVRO 1.0.0", "Windows 10.0", edid.empty() ? nullptr : edid.data(),
            static_cast<unsigned long>(edid.size()), width, height, hz, &g_findings, nullptr};
}

std::string WrittenReport(int (*writer)(FILE*, const ReportInput*), const std::vector<unsigned char>& edid) {
    return WrittenReport(writer, InputOf(edid));
}

// The text between `before` and `after`, from `from` on; empty where they are not there.
std::string Between(const std::string& text, const std::string& before, const std::string& after, size_t* from) {
    const size_t start = text.find(before, *from);
    if (start == std::string::npos) return "";
    const size_t end = text.find(after, start + before.size());
    if (end == std::string::npos) return "";
    *from = end;
    return text.substr(start + before.size(), end - start - before.size());
}

TEST(ReportPath, FillsInTheEdidAndTheTimeMadeFitForAFileName) {
    const ReportClock when = {2026, 3, 7, 9, 5, 3};
    const std::wstring full = L"C:\\" + std::wstring(246, L'a');  // 249 characters, and 11 for "DELL P2419H"
    const struct {
        const char* edid;  // null: none
        std::wstring pattern;
        const wchar_t* expected;  // null: does not fit
    } table[] = {
        {kDell, L"C:\\r\\{model} {serial} {date} {time}.html", L"C:\\r\\DELL P2419H HT8W343 2026-03-07 090503.html"},
        {"D_Element_ELE0000_7A90561D16F5", L"{model}-{serial}.json", L"ELEFT2416-15.json"},  // the number
        {"D_NEC_NEC67E8_831DF7ED4A43", L"r\\{model}-{serial}", L"r\\V421-unknown"},             // neither
        {nullptr, L"{model}_{serial}_{date}.html", L"unknown_unknown_2026-03-07.html"},
        {"odd", L"D:\\a:b?\\{model}\\{serial}.html", L"D:\\a:b?\\A_B_&_C______\\S__&__ x_.html"},
        {kDell, L"{Model}{size}{model{}{{model}}", L"{Model}{size}{model{}{DELL P2419H}"},
        {kDell, full + L"{model}", nullptr},
        {kDell, full.substr(1) + L"{model}", L""},  // exactly 259: fits
    };
    for (const auto& row : table) {
        const std::vector<unsigned char> edid = row.edid == nullptr ? std::vector<unsigned char>()
                                                : strcmp(row.edid, "odd") == 0 ? OddDell() : Edid(row.edid);
        wchar_t out[kReportPathChars];
        const int ok = ExpandReportPath(row.pattern.c_str(), edid.empty() ? nullptr : edid.data(),
                                        static_cast<unsigned long>(edid.size()), when, out, kReportPathChars);
        EXPECT_EQ(ok, row.expected != nullptr) << row.pattern.size();
        if (row.expected == nullptr) {
            EXPECT_EQ(out[0], L'\0');
        } else if (row.expected[0] != L'\0') {
            EXPECT_EQ(std::wstring(out), row.expected);
        } else {
            EXPECT_EQ(wcslen(out), 259u);
        }
    }
}

TEST(ReportPath, NumbersAVariantBeforeTheLastExtension) {
    const std::wstring x252(252, L'x');
    const struct {
        std::wstring path;
        int n;
        std::wstring expected;  // empty: refused
    } table[] = {
        {L"out.html", 2, L"out-2.html"},
        {L"dir.v1\\out", 2, L"dir.v1\\out-2"},
        {L"C:\\r.d/x.tar.gz", 13, L"C:\\r.d/x.tar-13.gz"},
        {L".json", 3, L"-3.json"},
        {L"out.html", 1, L""},
        {x252 + L".html", 2, x252 + L"-2.html"},  // 257 characters, 259 numbered: fits
        {x252 + L"x.html", 2, L""},
    };
    for (const auto& row : table) {
        wchar_t out[kReportPathChars];
        EXPECT_EQ(ReportPathVariant(row.path.c_str(), row.n, out, kReportPathChars), !row.expected.empty())
            << row.path.size();
        EXPECT_EQ(std::wstring(out), row.expected);
    }
    for (const wchar_t* json : {L"a.json", L"C:\\r\\A.JSON", L".Json"}) EXPECT_TRUE(IsJsonReportPath(json)) << json;
    for (const wchar_t* html : {L"a.json.html", L"json", L"a.jsonx", L""}) EXPECT_FALSE(IsJsonReportPath(html)) << html;
}

TEST(ReportJson, ReadsBackStrictlyWithTheFiguresOfTheHtml) {
    RecordRun();
    const std::vector<unsigned char> edid = Edid(kDell);
    const std::string html = WrittenReport(WriteReportHtml, edid);
    Values v;
    ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, edid), &v));

    // The HTML's figures: the three counts, the clusters, the class line and every mark.
    size_t at = 0;
    for (const char* type : {"lit", "dark", "subpixel"}) {
        EXPECT_EQ(v[std::string("verdict.counts.") + type], Between(html, "<td class=\"count\">", "</td>", &at));
    }
    at = 0;
    const std::string clusters = "<td colspan=\"2\">" + v["verdict.clusters.lit_or_dark"] +
                                 " of always lit or dark pixels, " + v["verdict.clusters.subpixel"] + " of stuck subpixels</td>";
    EXPECT_NE(Between(html, "<tr class=\"clusters\">", "</tr>", &at).find(clusters), std::string::npos);
    at = 0;
    EXPECT_EQ(v["verdict.line"], Between(html, "<p class=\"class\"><strong>", "</strong>", &at));
    at = 0;
    for (int k = 0; k <= g_findings.markCount; ++k) {
        const std::string mark = "marks." + std::to_string(k) + ".";
        const std::string shown = Between(html, "<tr class=\"defect\" ", ">", &at);
        EXPECT_EQ(shown, v.count(mark + "x") == 0 ? "" : "data-x=\"" + v[mark + "x"] + "\" data-y=\"" + v[mark + "y"] +
                                                        "\" data-type=\"" + v[mark + "type"] + "\"");
    }
    EXPECT_NE(html.find(v["monitor.native_mode.width"] + " \xC3\x97 " + v["monitor.native_mode.height"] +
                        ", from the displayid block"),
              std::string::npos);
    // The marks are in the tested mode's pixels: the verdict is on them, and says the run was not native.
    EXPECT_NE(html.find("<p class=\"basis\">This run was not at the monitor's native mode"), std::string::npos);
    EXPECT_NE(html.find("<li data-mode=\"43\" data-frames=\"" + v["motion.0.frames"] + "\" data-dropped=\"" +
                        v["motion.0.dropped"] + "\" class=\"fault\">Frame check at 59.94 Hz: dropped 3 of 3\xC2\xA0" "600 frames</li>"),
              std::string::npos);

    // And the figures themselves.
    const struct {
        const char* path;
        const char* value;
    } table[] = {
        {"program", "TAVRO 1.0.0"}, {"language", "en"}, {"created", "2026-12-09 18:00"},
        {"monitor.manufacturer", "DEL"}, {"monitor.product_code", "53465"}, {"monitor.model", "DELL P2419H"},
        {"monitor.serial_text", "HT8W343"}, {"monitor.serial_number", "844711490"}, {"monitor.week", "21"},
        {"monitor.year", "2020"}, {"monitor.model_year", "false"}, {"monitor.edid_version", "1.4"},
        {"monitor.native_mode.width", "2880"}, {"monitor.native_mode.height", "1600"},
        {"monitor.native_mode.source", "displayid"}, {"monitor.image_size_cm.width", "53"},
        {"mode_tested.width", "1920"}, {"mode_tested.refresh_hz", "60"}, {"mode_tested.is_native", "false"},
        {"screens.0.mode", "1"}, {"screens.0.name", "Black"}, {"screens.0.fault_noted", "false"},
        {"screens.2.mode", "36"}, {"screens.2.fault_noted", "true"}, {"marks.0.type_name", "always lit"},
        {"marks.2.x", "1919"}, {"marks.2.y", "0"}, {"marks.2.mode", "17"}, {"marks.4.type", "4"},
        {"verdict.counts.lit", "2"}, {"verdict.counts.dark", "1"}, {"verdict.counts.subpixel", "1"},
        {"verdict.counts.other", "1"}, {"verdict.clusters.lit_or_dark", "1"}, {"verdict.clusters.subpixel", "0"},
        {"verdict.per_million.lit", "0.9645"}, {"verdict.per_million.dark", "0.4823"}, {"verdict.any_lit", "true"},
        {"verdict.pixels.width", "1920"}, {"verdict.pixels.height", "1080"}, {"verdict.pixels.on_native", "false"},
        {"verdict.pixels.native.width", "2880"}, {"verdict.pixels.native.height", "1600"},
        {"verdict.basis", "This run was not at the monitor's native mode (2880 \xC3\x97 1600): the verdict is on the "
                          "1920 \xC3\x97 1080 pixels tested."},
        {"verdict.iso_class", "4"}, {"verdict.line", "Meets ISO 13406-2 class IV"}, {"motion.0.mode", "43"},
        {"motion.0.refresh_hz", "59.94"}, {"motion.0.frames", "3600"}, {"motion.0.dropped", "3"},
    };
    for (const auto& row : table) EXPECT_EQ(v[row.path], row.value) << row.path;
    EXPECT_EQ(v["edid_hex"].size(), 2 * edid.size());
    EXPECT_EQ(v["edid_hex"].substr(0, 16), "00FFFFFFFFFFFF00");
}

TEST(ReportWriters, EscapeAnEdidsTextAndStateWhatIsMissing) {
    RecordRun();
    const std::vector<unsigned char> odd = OddDell();
    const std::string html = WrittenReport(WriteReportHtml, odd);
    EXPECT_TRUE(ValidUtf8(html));
    EXPECT_NE(html.find("<td>A&lt;B&gt;&amp;&quot;C:*?|/\\</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>S?&lt;&amp;&quot;? x. / 844711490</td>"), std::string::npos);
    Values v;
    ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, odd), &v));
    EXPECT_EQ(v["monitor.model"], "A<B>&\"C:*?|/\\");
    EXPECT_EQ(v["monitor.serial_text"], "S?<&\"? x.");

    // No EDID at all, and one with neither serial text nor number: no row, no 0, null in the JSON.
    const std::string bare = WrittenReport(WriteReportHtml, std::vector<unsigned char>());
    EXPECT_NE(bare.find("The monitor gives no EDID."), std::string::npos);
    EXPECT_NE(bare.find("of the 1920 \xC3\x97 1080 pixels of the mode tested (the EDID names no native mode)."),
              std::string::npos);
    ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, std::vector<unsigned char>()), &v));
    EXPECT_EQ(v["monitor"], "null");
    EXPECT_EQ(v["edid_hex"], "null");
    EXPECT_EQ(v["verdict.pixels.on_native"], "false");
    const std::vector<unsigned char> nec = Edid("D_NEC_NEC67E8_831DF7ED4A43");
    EXPECT_EQ(WrittenReport(WriteReportHtml, nec).find("Serial number"), std::string::npos);
    ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, nec), &v));
    EXPECT_EQ(v["monitor.serial_number"], "null");
    EXPECT_EQ(v["monitor.model"], "V421");

    // Half a surrogate pair never becomes invalid UTF-8.
    const wchar_t half[] = {L'a', static_cast<wchar_t>(0xD800), L'b', 0};
    char utf8[16];
    WideToUtf8(half, utf8, sizeof(utf8));
    EXPECT_STREQ(utf8, "a\xEF\xBF\xBD" "b");
}

TEST(ReportHtml, HatchesPixelsBeyondTheEdgeAndKeepsMapLabelsOnTheMap) {
    RecordRun();
    const std::string html = WrittenReport(WriteReportHtml, Edid(kDell));
    // Marks 3 and 4 sit in corners: 33 of their 49 pixels each lie beyond the edge; marks 1 and 2
    // are 3 pixels or more from it.
    size_t hatched = 0;
    for (size_t at = 0; (at = html.find("class=\"offscreen\" fill=\"url(#offscreen-", at)) != std::string::npos; ++at) ++hatched;
    EXPECT_EQ(hatched, 66u);
    EXPECT_NE(html.find("<pattern id=\"offscreen-3\""), std::string::npos);
    EXPECT_NE(html.find("<pattern id=\"offscreen-4\""), std::string::npos);
    EXPECT_EQ(html.find("<pattern id=\"offscreen-1\""), std::string::npos);
    EXPECT_EQ(html.find("#1000000"), std::string::npos);
    EXPECT_EQ(html.find("fill=\"#000000\""), std::string::npos);  // the pixels around are 0x203040

    // Each number's box, taking a digit as 0.6 of the font size wide and 0.75 of it high.
    size_t at = html.find("<svg class=\"map\"");
    ASSERT_NE(at, std::string::npos);
    int labels = 0;
    for (; (at = html.find("<text x=\"", at)) != std::string::npos; ++at, ++labels) {
        int x = 0, y = 0, size = 0, number = 0;
        ASSERT_EQ(sscanf(html.c_str() + at, "<text x=\"%d\" y=\"%d\" font-size=\"%d\" fill=\"#b00020\">%d", &x, &y, &size, &number), 4);
        EXPECT_GE(x, 0) << number;
        EXPECT_LE(x + size * 6 / 10, 1920) << number;
        EXPECT_GE(y - size * 3 / 4, 0) << number;
        EXPECT_LE(y, 1080) << number;
    }
    EXPECT_EQ(labels, 5);
}

// A text as PutText writes it into the HTML.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '"' ? "&quot;" : std::string(1, c);
    }
    return out;
}

// `format` filled in with room to spare: the sentence as its language wrote it.
template <typename... Args>
std::string Whole(const char* format, Args... args) {
    char text[4096];
    snprintf(text, sizeof(text), format, args...);
    return text;
}

// The longest figures a run can hold, in every language: each sentence of the verdict and the
// motion screens is written whole, in the HTML and in the JSON.
TEST(ReportWriters, EverySentenceIsWholeInEveryLanguageWithTheLongestFigures) {
    const std::vector<unsigned char> dell = Edid(kDell);  // native 2880 x 1600
    const std::vector<unsigned char> none;
    const struct {
        const std::vector<unsigned char>* edid;
        int width, height;
    } runs[] = {{&none, 65535, 65535}, {&dell, 65535, 65535}, {&dell, 2880, 1600}};
    char dropped[32], total[32];
    FormatGroupedCount(dropped, sizeof(dropped), LLONG_MAX - 1);
    FormatGroupedCount(total, sizeof(total), LLONG_MAX);
    for (const auto& run : runs) {
        ClearFindings(&g_findings, run.width, run.height);
        const int marks = run.edid == &none ? kMaxMarks : 2;  // pairs of dark pixels: up to 500 clusters
        for (int k = 0; k < marks; ++k) {
            int previousType = 0;
            ASSERT_GE(AddMark(&g_findings, MarkAt(k / 2 % 250 * 10 + k % 2, k / 500 * 10, kDefectDark, 0), &previousType), 0);
        }
        AddMotionFigures(&g_findings, kMovingBlocksMode, 143.856, LLONG_MAX, LLONG_MAX - 1);
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            const ReportInput input = InputOf(*run.edid, lang, run.width, run.height, 143.856);
            const std::string html = WrittenReport(WriteReportHtml, input);
            Values json;
            ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, input), &json));
            const std::string basis =
                run.edid == &none ? Whole(ReportText(lang, RT_RESTS_ON), 65535, 65535, ReportText(lang, RT_TESTED_BASIS))
                : run.width == 2880 ? Whole(ReportText(lang, RT_RESTS_ON), 2880, 1600, ReportText(lang, RT_IS_NATIVE))
                                    : Whole(ReportText(lang, RT_NOT_AT_NATIVE), 2880, 1600, 65535, 65535);
            EXPECT_NE(html.find("<p class=\"basis\">" + Escaped(basis) + "</p>"), std::string::npos) << lang << " " << basis;
            EXPECT_EQ(json["verdict.basis"], basis);
            const std::string clusters = Whole(ReportText(lang, RT_CLUSTERS_FORMAT), marks / 2, 0);
            EXPECT_NE(html.find("<td colspan=\"2\">" + Escaped(clusters) + "</td>"), std::string::npos) << lang;
            const std::string motion = Whole(ReportText(lang, RT_MOTION_DROPPED), GuideTextOf(lang, kMovingBlocksMode)->name,
                                             "143.856", dropped, total);
            EXPECT_NE(html.find(">" + Escaped(motion) + "</li>"), std::string::npos) << lang << " " << motion;
        }
    }
}

// A rate nobody knows is null in the JSON and "unknown" in the HTML, never 0 or 60; so is a rate
// per million where the screen's size is unknown.
TEST(ReportWriters, AnUnknownFigureIsNullAndSaysUnknown) {
    const std::vector<unsigned char> none;
    const struct {
        double hz;
        const char* shown;  // in the JSON, and before " Hz" in the HTML
    } rates[] = {{0, "null"},         {-60, "null"}, {NAN, "null"},  {INFINITY, "null"},
                 {-INFINITY, "null"}, {1e300, "null"}, {143.856, "143.856"}, {60, "60"}};
    for (const auto& rate : rates) {
        RecordRun();
        AddMotionFigures(&g_findings, kMovingBlocksMode, rate.hz, 100, 0);
        const ReportInput input = InputOf(none, 0, 1920, 1080, rate.hz);
        Values json;
        ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, input), &json));
        EXPECT_EQ(json["mode_tested.refresh_hz"], rate.shown) << rate.hz;
        EXPECT_EQ(json["motion.0.refresh_hz"], rate.shown) << rate.hz;
        const std::string hz = rate.shown[0] == 'n' ? "unknown" : std::string(rate.shown) + " Hz";
        EXPECT_NE(WrittenReport(WriteReportHtml, input).find("<tr><th>Refresh rate</th><td>" + hz + "</td></tr>"), std::string::npos)
            << rate.hz;
    }
    ClearFindings(&g_findings, 0, 0);
    Values json;
    ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, InputOf(none, 0, 0, 0, 0)), &json));
    EXPECT_EQ(json["verdict.per_million.lit"], "null");
    EXPECT_NE(WrittenReport(WriteReportHtml, InputOf(none, 0, 0, 0, 0)).find("<td class=\"rate\">unknown</td>"), std::string::npos);
}

// The colour claims of an HDR monitor's EDID and the state Windows reported, in both writers; with
// nothing reported, "display_state" is null and the HTML has no row for it.
TEST(ReportColour, ClaimsAndWindowsStateInTheJsonAndTheHtml) {
    RecordRun();
    const std::vector<unsigned char> edid = ReadTestData("edid-corpus/D_Dell_DELA212_C6A72F756C70.bin");
    // Windows' answers for an HDR monitor in 10-bit YCbCr 4:2:2 at an SDR white of 240 cd/m²; DXGI refused.
    DisplayAnswers answers = {};
    answers.configGap = kGapKnown;
    answers.info2 = {1, kInfo2AdvancedColourSupported | kInfo2AdvancedColourActive | kInfo2HdrSupported | kInfo2HdrUserEnabled,
                     2, 10, 2};
    answers.sdrWhite = {1, 3000};
    answers.outputGap = kGapFailed;
    DisplayState hdr;
    InterpretDisplayAnswers(answers, &hdr);
    const DisplayState unknown = UnknownDisplayState();
    const struct {
        const DisplayState* state;
        std::map<std::string, std::string> json;
        const char* windowsRow;  // null: none
    } cases[] = {
        {&hdr,
         {{"monitor.colour.hdr_static_metadata.transfer_functions.0", "sdr"},
          {"monitor.colour.hdr_static_metadata.transfer_functions.1", "pq"},
          {"monitor.colour.hdr_static_metadata.max_luminance", "465.4899"},
          {"monitor.colour.hdr_static_metadata.min_luminance", "0.0003"},
          {"monitor.colour.peak_luminance", "465.4899"},
          {"monitor.colour.chromaticities.red.x", "0.7070"},
          {"monitor.colour.gamut_coverage_xy.dci_p3", "0.9917"},
          {"monitor.colour.gamut_coverage_xy.bt2020", "0.8138"},
          {"monitor.colour.colorimetry.3", "bt2020_rgb"},
          {"monitor.colour.vrr_hz.max", "165.00"},
          {"display_state.colour_mode", "hdr"},
          {"display_state.hdr_enabled", "true"},
          {"display_state.encoding", "ycbcr422"},
          {"display_state.sdr_white_nits", "240.00"},
          {"display_state.output", "null"},
          {"display_state.unknown_because.output", "failed"},
          {"display_state.unknown_because.encoding", ""}},
         u8"<tr><th>Reported by Windows</th><td>HDR · 10-bit YCbCr 4:2:2 · SDR white 240 cd/m²</td></tr>"},
        {&unknown, {{"display_state", "null"}, {"monitor.colour.vrr_hz.max", "165.00"}}, nullptr},
        {nullptr, {{"display_state", "null"}}, nullptr},
    };
    for (const auto& c : cases) {
        ReportInput input = InputOf(edid);
        input.displayState = c.state;
        Values v;
        ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, input), &v));
        for (const auto& expected : c.json) EXPECT_EQ(v[expected.first], expected.second) << expected.first;
        const std::string html = WrittenReport(WriteReportHtml, input);
        EXPECT_NE(html.find(u8"<tr><th>Colour claims (EDID)</th><td>peak 465 cd/m² · 99 % DCI-P3 · VRR 48–165 Hz · PQ</td></tr>"),
                  std::string::npos);
        EXPECT_EQ(html.find("Reported by Windows") != std::string::npos, c.windowsRow != nullptr);
        if (c.windowsRow != nullptr) {
            EXPECT_NE(html.find(c.windowsRow), std::string::npos);
        }
    }
    // No EDID: no monitor, so no colour claims either.
    Values v;
    ASSERT_TRUE(ParseJson(WrittenReport(WriteReportJson, std::vector<unsigned char>()), &v));
    EXPECT_EQ(v["monitor"], "null");
    EXPECT_EQ(WrittenReport(WriteReportHtml, std::vector<unsigned char>()).find("Colour claims"), std::string::npos);
}

}  // namespace
