// The record of a run: the class verdict at the edges of ISO 13406-2's table, the monitor's identity
// from a real EDID, the report's facts, and the command line.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "record/findings.h"
#include "record/report_html.h"
#include "testrun/edid.h"
#include "tests/support/test_data.h"

namespace {

Findings g_findings;  // large: kept out of the stack

int Add(Findings* f, const Mark& m) {
    int previousType = 0;
    return AddMark(f, m, &previousType);
}

// `count` marks of `type`, each 5 pixels from the last, so that none shares a position or a
// 5 x 5 block with another.
void AddMarks(Findings* f, int type, int count) {
    for (int k = 0; k < count; ++k) {
        const int spot = f->markCount * kClusterBlock;
        Mark m = {};
        m.mode = 1;
        m.x = spot % f->width;
        m.y = spot / f->width * kClusterBlock;
        m.type = type;
        ASSERT_GE(Add(f, m), 0);
    }
}

TEST(Findings, ClassVerdictAtTheTablesEdges) {
    const struct {
        int width, height, lit, dark, subpixel, isoClass;
    } table[] = {
        {1000, 1000, 0, 0, 0, 1},     {1000, 1000, 2, 2, 5, 2},      {1000, 1000, 3, 0, 0, 3},
        {1000, 1000, 0, 0, 6, 3},     {1000, 1000, 5, 15, 50, 3},    {1000, 1000, 0, 16, 0, 4},
        {1000, 1000, 50, 150, 0, 4},  {1000, 1000, 51, 0, 0, 0},     {1000, 1000, 0, 0, 501, 0},
        {1920, 1080, 4, 0, 0, 2},     {1920, 1080, 5, 0, 0, 3},      {1920, 1080, 0, 31, 0, 3},
        {1920, 1080, 0, 32, 0, 4},    {3840, 2160, 16, 16, 41, 2},   {3840, 2160, 17, 0, 0, 3},
    };
    for (const auto& row : table) {
        ClearFindings(&g_findings, row.width, row.height);
        AddMarks(&g_findings, kDefectLit, row.lit);
        AddMarks(&g_findings, kDefectDark, row.dark);
        AddMarks(&g_findings, kDefectSubpixel, row.subpixel);
        AddMarks(&g_findings, kDefectOther, 3);  // listed, never counted
        const ClassVerdict v = JudgePixelFaults(&g_findings, 0, 0);
        EXPECT_EQ(v.isoClass, row.isoClass) << row.width << "x" << row.height << " " << row.lit << "/" << row.dark
                                            << "/" << row.subpixel;
        EXPECT_EQ(v.counts[0], row.lit);
    }
    EXPECT_EQ(DefaultDefectType(1), kDefectLit);
    EXPECT_EQ(DefaultDefectType(0), kDefectDark);
    EXPECT_EQ(DefaultDefectType(3), kDefectSubpixel);
    EXPECT_EQ(DefaultDefectType(19), kDefectOther);
}

TEST(Findings, NotesToggleAndTheListHasAnEnd) {
    ClearFindings(&g_findings, 640, 480);
    EXPECT_FALSE(FindingsRecorded(&g_findings));
    EXPECT_EQ(ToggleNote(&g_findings, 36), 1);
    EXPECT_TRUE(FindingsRecorded(&g_findings));
    EXPECT_EQ(ToggleNote(&g_findings, 36), 0);
    EXPECT_FALSE(FindingsRecorded(&g_findings));
    EXPECT_EQ(ToggleNote(&g_findings, kModeCount), 0);
    Mark m = {};
    m.mode = 2;
    for (int k = 0; k < kMaxMarks; ++k) {
        m.x = k;
        EXPECT_EQ(Add(&g_findings, m), k);
    }
    m.x = kMaxMarks;
    EXPECT_EQ(Add(&g_findings, m), kMarksFull);
    EXPECT_EQ(MarksOnScreen(&g_findings, 2), kMaxMarks);
}

TEST(Report, NamesTheMonitorFromItsEdidAndStatesTheFindings) {
    const std::vector<unsigned char> edid = ReadTestData("edid/D_Dell_DELD0D9_09432B13B913.bin");
    ASSERT_FALSE(edid.empty());
    EdidIdentity id;
    ASSERT_TRUE(DecodeEdidIdentity(edid.data(), static_cast<unsigned long>(edid.size()), &id));
    EXPECT_STREQ(id.manufacturer, "DEL");
    EXPECT_EQ(id.productCode, 0xD0D9u);
    EXPECT_EQ(id.serialNumber, 0x32594642ul);
    EXPECT_EQ(id.week, 21);
    EXPECT_EQ(id.year, 2020);
    EXPECT_EQ(id.widthCm, 53);
    EXPECT_EQ(id.heightCm, 30);

    ClearFindings(&g_findings, 1920, 1080);
    g_findings.seen[1] = g_findings.seen[36] = 1;
    ToggleNote(&g_findings, 36);
    Mark lit = {};
    lit.mode = 1;
    lit.x = 100;
    lit.y = 200;
    lit.type = kDefectLit;
    lit.patch[kPatchSide * kPatchRadius + kPatchRadius] = 0xFFFFFF;
    Add(&g_findings, lit);
    lit.x = 1919;
    lit.y = 0;
    Add(&g_findings, lit);
    const ReportInput input = {0, "2026-12-09 18:00", "TAVRO 1.0.0", "Windows 10.0", edid.data(),
                               static_cast<unsigned long>(edid.size()), 1920, 1080, 60, &g_findings};
    FILE* file = tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(WriteReportHtml(file, &input));
    std::string html(static_cast<size_t>(ftell(file)), '\0');
    rewind(file);
    ASSERT_EQ(fread(&html[0], 1, html.size(), file), html.size());
    fclose(file);
    for (const char* expected :
         {"<html lang=\"en\">", "DEL (0xD0D9)", "DELL P2419H", "HT8W343 / 844711490", "week 21 of 2020",
          "<td>1.4</td>", "2880 \xC3\x97 1600, from the displayid block", "53 \xC3\x97 30 cm",
          "1920 \xC3\x97 1080, not the native mode", "60 Hz", "data-x=\"100\" data-y=\"200\" data-type=\"1\"",
          "data-x=\"1919\" data-y=\"0\"", "<td class=\"count\">2</td>", "Meets ISO 13406-2 class II",
          "Gamma: <span class=\"fault\">fault noted", "Black: <span>no fault noted", "fill=\"#FFFFFF\"",
          "00 FF FF FF FF FF FF 00 10 AC D9 D0 42 46 59 32\n"}) {
        EXPECT_NE(html.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http"), std::string::npos);  // nothing fetched
}

TEST(CommandLine, ReadsRunsCardsMonitorAndReportAndNamesWhatIsWrong) {
    const struct {
        std::vector<const wchar_t*> args;
        bool ok;
        int start, monitor;
        std::vector<int> cards;  // ticked, numbered from 1
    } table[] = {
        {{}, true, kNoRunStart, 0, {}},
        {{L"/auto"}, true, kAutoRun, 0, {}},
        {{L"/START", L"/cards", L"1,2,5", L"/monitor", L"2"}, true, kStartRun, 2, {1, 2, 5}},
        {{L"/cards", L"12", L"/report", L"C:\\r\\a b.html"}, true, kNoRunStart, 0, {12}},
        {{L"/auto", L"/start"}, false, 0, 0, {}},
        {{L"/cards", L"0"}, false, 0, 0, {}},
        {{L"/cards", L"13"}, false, 0, 0, {}},
        {{L"/cards", L"1,,2"}, false, 0, 0, {}},
        {{L"/cards"}, false, 0, 0, {}},
        {{L"/monitor", L"x"}, false, 0, 0, {}},
        {{L"/monitor", L"17"}, false, 0, 0, {}},
        {{L"/report", L""}, false, 0, 0, {}},
        {{L"/frobnicate"}, false, 0, 0, {}},
        {{L"auto"}, false, 0, 0, {}},
    };
    for (const auto& row : table) {
        std::vector<const wchar_t*> argv = {L"tavro.exe"};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        CommandLine line;
        wchar_t error[200];
        const int ok = ParseCommandLine(static_cast<int>(argv.size()), argv.data(), &line, error, 200);
        EXPECT_EQ(ok != 0, row.ok) << (row.args.empty() ? L"" : row.args[0]);
        if (!ok) {
            EXPECT_NE(error[0], 0);
            continue;
        }
        EXPECT_EQ(line.start, row.start);
        EXPECT_EQ(line.monitor, row.monitor);
        std::vector<int> cards;
        for (int c = 0; c < kCategoryCount; ++c) {
            if (line.cards[c]) cards.push_back(c + 1);
        }
        EXPECT_EQ(cards, row.cards);
    }
}

}  // namespace
