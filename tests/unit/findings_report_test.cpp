// The record of a run: the class verdict at the edges of ISO 13406-2's table, the monitor's identity
// from a real EDID, the report's facts, and the command line.
#include <gtest/gtest.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "record/findings.h"
#include "record/report_html.h"
#include "monitor/edid.h"
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

// Whole numbers decide: 21 dark pixels on 1400 x 1000 are exactly 15 per million (class III), which
// a division in double makes 15.000000000000002 (class IV).
TEST(Findings, ClassVerdictOnRatesThatAreNotWholeNumbers) {
    const struct {
        int width, height, lit, dark, subpixel, isoClass;
    } table[] = {
        {1400, 1000, 0, 21, 0, 3}, {1400, 1000, 0, 22, 0, 4}, {1400, 1000, 7, 0, 0, 3},  {1400, 1000, 8, 0, 0, 4},
        {1366, 768, 0, 0, 5, 2},   {1366, 768, 0, 0, 6, 3},   {2560, 1080, 0, 0, 138, 3}, {2560, 1080, 0, 0, 139, 4},
        {0, 0, 0, 0, 0, 0},
    };
    for (const auto& row : table) {
        ClearFindings(&g_findings, row.width, row.height);
        AddMarks(&g_findings, kDefectLit, row.lit);
        AddMarks(&g_findings, kDefectDark, row.dark);
        AddMarks(&g_findings, kDefectSubpixel, row.subpixel);
        EXPECT_EQ(JudgePixelFaults(&g_findings, 0, 0).isoClass, row.isoClass)
            << row.width << "x" << row.height << " " << row.lit << "/" << row.dark << "/" << row.subpixel;
    }
}

// Two or more faults of a kind within a 5 x 5 block are one cluster; the class limits them too.
TEST(Findings, ClustersCountAndLimitTheClass) {
    const struct {
        int points[4][3];  // x, y, type; type 0 ends the list
        int litOrDark, subpixel, isoClass;
    } table[] = {
        {{{10, 10, 1}, {14, 14, 2}}, 1, 0, 4},                // a lit and a dark pixel in one block
        {{{10, 10, 1}, {15, 10, 1}}, 0, 0, 2},                // 5 apart: two blocks
        {{{10, 10, 3}, {12, 11, 3}}, 0, 1, 2},                // one subpixel cluster: class II allows 2
        {{{10, 10, 3}, {12, 11, 3}, {14, 12, 3}}, 0, 1, 2},   // a chain of three is one cluster
        {{{10, 10, 1}, {11, 10, 3}}, 0, 0, 2},                // different kinds never cluster
        {{{10, 10, 4}, {11, 10, 4}}, 0, 0, 1},                // other faults are not counted
    };
    for (const auto& row : table) {
        ClearFindings(&g_findings, 1000, 1000);
        for (const auto& p : row.points) {
            if (p[2] == 0) break;
            Mark m = {};
            m.mode = 1;
            m.x = p[0];
            m.y = p[1];
            m.type = p[2];
            ASSERT_GE(Add(&g_findings, m), 0);
        }
        const ClassVerdict v = JudgePixelFaults(&g_findings, 0, 0);
        EXPECT_EQ(v.clusters[0], row.litOrDark) << row.points[0][0] << "," << row.points[1][0];
        EXPECT_EQ(v.clusters[1], row.subpixel);
        EXPECT_EQ(v.isoClass, row.isoClass);
    }
    // Class IV takes 5 clusters of lit or dark pixels per million: 6 on one million pixels are too many.
    ClearFindings(&g_findings, 1000, 1000);
    for (int k = 0; k < 12; ++k) {
        Mark m = {};
        m.mode = 1;
        m.x = 100 * (k / 2) + k % 2;
        m.y = 50;
        m.type = kDefectDark;
        ASSERT_GE(Add(&g_findings, m), 0);
    }
    EXPECT_EQ(JudgePixelFaults(&g_findings, 0, 0).clusters[0], 6);
    EXPECT_EQ(JudgePixelFaults(&g_findings, 0, 0).isoClass, 0);
}

// The verdict is on the grid the marks were made on, the tested mode's; where the EDID names another
// native mode, the verdict says the run was not in it.
TEST(Findings, VerdictRestsOnTheTestedPixelsAndSaysWhenTheyAreNotNative) {
    const std::vector<unsigned char> edid = ReadTestData("edid/D_Dell_DELD0D9_09432B13B913.bin");  // 2880 x 1600
    const struct {
        int width, height;
        bool withEdid;
        int isoClass, onNative, nativeWide;
    } runs[] = {
        {1280, 720, false, 3, 0, 0},    // 3 lit pixels on 0.92 Mpx: class III
        {1280, 720, true, 3, 0, 2880},  // the same marks, the panel's own mode refused: still 0.92 Mpx
        {2880, 1600, true, 2, 1, 2880}, // 3 on 4.6 Mpx, in the native mode
        {2880, 1601, true, 2, 0, 2880},
    };
    for (const auto& run : runs) {
        ClearFindings(&g_findings, run.width, run.height);
        AddMarks(&g_findings, kDefectLit, 3);
        const ClassVerdict v = JudgeRecordedFaults(&g_findings, run.withEdid ? edid.data() : nullptr,
                                                   static_cast<unsigned long>(edid.size()));
        EXPECT_EQ(v.isoClass, run.isoClass) << run.width << " x " << run.height << " " << run.withEdid;
        EXPECT_EQ(v.onNative, run.onNative);
        EXPECT_EQ(v.pixelsWide, run.width);
        EXPECT_EQ(v.pixelsHigh, run.height);
        EXPECT_EQ(v.nativeWide, run.nativeWide);
        EXPECT_EQ(VerdictOffNative(v), run.withEdid && !run.onNative);
        EXPECT_TRUE(v.anyLit);
    }
}

// One position is one defect: marked again, it changes its type and counts once.
TEST(Findings, APositionMarkedAgainIsOneDefect) {
    ClearFindings(&g_findings, 1920, 1080);
    Mark m = {};
    m.x = 500;
    m.y = 400;
    const int types[][2] = {{1, kDefectLit}, {3, kDefectSubpixel}, {4, kDefectSubpixel}};  // black, green, blue
    int previous = -1;
    for (const auto& t : types) {
        m.mode = t[0];
        m.type = t[1];
        EXPECT_EQ(AddMark(&g_findings, m, &previous), 0);
    }
    EXPECT_EQ(previous, kDefectSubpixel);
    EXPECT_EQ(g_findings.markCount, 1);
    const ClassVerdict v = JudgePixelFaults(&g_findings, 0, 0);
    EXPECT_EQ(v.counts[0] + v.counts[1] + v.counts[2], 1);
    EXPECT_EQ(v.counts[2], 1);
    EXPECT_FALSE(v.anyLit);
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
                               static_cast<unsigned long>(edid.size()), 1920, 1080, 60, &g_findings, nullptr};
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
        {{L"/cards", L"14", L"/report", L"C:\\r\\a b.html"}, true, kNoRunStart, 0, {14}},
        {{L"/auto", L"/start"}, false, 0, 0, {}},
        {{L"/cards", L"0"}, false, 0, 0, {}},
        {{L"/cards", L"1,15"}, true, kNoRunStart, 0, {1, 15}},  // the last card, HDR
        {{L"/cards", L"16"}, false, 0, 0, {}},
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
