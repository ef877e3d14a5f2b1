// The /report path filled in from EDIDs whose model or serial text names a device Windows
// reserves, and the shortest a pattern can fill in to, held against thousands of generated fillings.
#include <gtest/gtest.h>

#include <string.h>
#include <wchar.h>
#include <wctype.h>

#include <random>
#include <string>
#include <vector>

#include "record/report_path.h"
#include "tests/support/test_data.h"

namespace {

const ReportClock kWhen = {2026, 3, 7, 9, 5, 3};

// The Dell's EDID with its model name (descriptor 2) and serial text (descriptor 1) replaced by up
// to 13 bytes each, ended by a line feed where shorter, and its checksum made right.
std::vector<unsigned char> EdidNaming(const std::string& model, const std::string& serial) {
    static const std::vector<unsigned char> dell = ReadTestData("edid/D_Dell_DELD0D9_09432B13B913.bin");
    std::vector<unsigned char> edid = dell;
    const std::string* texts[2] = {&serial, &model};
    for (int slot = 1; slot <= 2; ++slot) {
        unsigned char* d = edid.data() + 54 + 18 * slot;
        const unsigned char head[5] = {0, 0, 0, static_cast<unsigned char>(slot == 1 ? 0xFF : 0xFC), 0};
        memcpy(d, head, 5);
        std::string text = *texts[slot - 1];
        if (text.size() < 13) text += '\n';
        text.resize(13, ' ');
        memcpy(d + 5, text.data(), 13);
    }
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i) sum += edid[i];
    edid[127] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    return edid;
}

// `pattern` filled in; "<none>" where it does not fit in `room`.
std::wstring Filled(const std::wstring& pattern, const std::vector<unsigned char>& edid, int room = kReportPathChars) {
    wchar_t out[kReportPathChars];
    if (!ExpandReportPath(pattern.c_str(), edid.data(), static_cast<unsigned long>(edid.size()), kWhen, out, room)) {
        return out[0] == L'\0' ? L"<none>" : L"<not emptied>";
    }
    return out;
}

TEST(ReportPath, NamesThatOpenADeviceGetAnUnderscore) {
    const std::wstring long255(255, L'a');
    const struct {
        const char* model;
        const char* serial;
        std::wstring pattern;
        std::wstring expected;
    } table[] = {
        {"NUL", "1", L"D:\\r\\{model}.html", L"D:\\r\\NUL_.html"},
        {"X", "COM1", L"D:\\r\\{serial}.json", L"D:\\r\\COM1_.json"},
        {"con", "1", L"{model}", L"con_"},
        {"LPT9", "1", L"{model}.tar.gz", L"LPT9_.tar.gz"},
        {"AUX", "1", L"{model} .json", L"AUX_ .json"},
        {"PRN.X", "1", L"{model}.html", L"PRN_.X.html"},
        {"NU", "1", L"{model}L.json", L"NUL_.json"},       // the device named by value and text together
        {"Lpt", "3", L"{model}{serial}", L"Lpt3_"},
        {"CONOUT$", "1", L"{model}.html", L"CONOUT$_.html"},
        {"X", "1", L"COM1.{model}", L"COM1_.X"},
        {"NUL", "1", L"{model}/r.html", L"NUL_/r.html"},   // a folder too
        {"NUL.", "1", L"{model}.html", L"NUL_.html"},     // its trailing dot already made safe
        {"A. .", "1", L"{model}", L"A___"},
        // Left as they are: names of no device, and what was typed without a placeholder.
        {"NUL", "1", L"{model}x.html", L"NULx.html"},
        {"COM10", "1", L"{model}.html", L"COM10.html"},
        {"COM", "1", L"{model}.html", L"COM.html"},
        {"X", "1", L"D:\\NUL\\{model}.html", L"D:\\NUL\\X.html"},
        {"NUL", "1", L"a\\" + long255.substr(3) + L"\\{model}", L"a\\" + long255.substr(3) + L"\\NUL_"},  // 259
        {"NUL", "1", long255 + L"\\{model}", L"<none>"},  // 259 before its underscore
    };
    for (const auto& row : table) {
        EXPECT_EQ(Filled(row.pattern, EdidNaming(row.model, row.serial)), row.expected)
            << row.model << " " << row.serial;
    }
}

TEST(ReportPath, ShortestFillingOfAPattern) {
    const struct {
        const wchar_t* pattern;
        int shortest;
    } table[] = {
        {L"", 0}, {L"a", 1}, {L"{model}", 1}, {L"{serial}", 1}, {L"{date}", 10}, {L"{time}", 6},
        {L"{Model}{model{date}", 23}, {L"D:\\r\\{model}-{serial} {date}.json", 24},
    };
    for (const auto& row : table) EXPECT_EQ(ShortestFilledLength(row.pattern), row.shortest) << row.pattern;
}

// The reserved device a name stands for, as Windows reads it: its part before the first dot,
// trailing spaces dropped, in any case.
bool NamesDevice(std::wstring name) {
    name = name.substr(0, name.find(L'.'));
    while (!name.empty() && name.back() == L' ') name.pop_back();
    for (wchar_t& c : name) c = static_cast<wchar_t>(towupper(c));
    for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"}) {
        if (name == device) return true;
    }
    return name.size() == 4 && (name.compare(0, 3, L"COM") == 0 || name.compare(0, 3, L"LPT") == 0) &&
           name[3] >= L'0' && name[3] <= L'9';
}

// Generated patterns and EDID texts: every filling is at least as long as the shortest, exactly
// that long when the EDID's texts are one character (and no device is near), and no filled-in
// component names a device.
TEST(ReportPath, FillingsNeverShorterThanTheShortestNorADevice) {
    const char* const texts[] = {"NUL", "nul", "Com1", "LPT9", "aux ", "PRN.", "X", "7", "CON.x", "DELL P2419H", "A. "};
    const wchar_t* const pieces[] = {L"{model}", L"{serial}", L"{date}", L"{time}", L"a", L".", L" ",
                                     L"\\",      L"/",        L"NUL",    L"COM",    L"1", L"{x}"};
    std::mt19937 random(34);
    for (int run = 0; run < 4000; ++run) {
        std::wstring pattern;
        for (int k = static_cast<int>(random() % 9); k > 0; --k) pattern += pieces[random() % 13];
        const std::vector<unsigned char> edid = EdidNaming(texts[random() % 11], texts[random() % 11]);
        const std::wstring out = Filled(pattern, edid);
        ASSERT_NE(out, L"<none>");
        EXPECT_GE(static_cast<int>(out.size()), ShortestFilledLength(pattern.c_str())) << pattern;
        if (pattern.find(L"NUL") == std::wstring::npos && pattern.find(L"COM") == std::wstring::npos) {
            EXPECT_EQ(static_cast<int>(Filled(pattern, EdidNaming("X", "7")).size()),
                      ShortestFilledLength(pattern.c_str()))
                << pattern;
        }
        // Each component that a placeholder filled in.
        size_t start = 0, patternStart = 0;
        for (;;) {
            const size_t end = out.find_first_of(L"\\/", start);
            const size_t patternEnd = pattern.find_first_of(L"\\/", patternStart);
            const std::wstring typed = pattern.substr(patternStart, patternEnd - patternStart);
            const bool filled = typed.find(L"{model}") != std::wstring::npos ||
                                typed.find(L"{serial}") != std::wstring::npos ||
                                typed.find(L"{date}") != std::wstring::npos || typed.find(L"{time}") != std::wstring::npos;
            EXPECT_FALSE(filled && NamesDevice(out.substr(start, end - start))) << pattern << " gives " << out;
            if (end == std::wstring::npos) break;
            start = end + 1;
            patternStart = patternEnd + 1;
        }
    }
}

}  // namespace
