// Recording findings in a real test window: the loupe shows the screen's own pixels, the keys mark
// defects to the pixel, N notes a screen, the run's report is saved (and refused where it cannot
// be written), and the results window lists it all.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/bounded_format.h"
#include "app/format.h"
#include "app/select_window.h"
#include "record/loupe.h"
#include "record/report_texts.h"
#include "record/report_file.h"
#include "record/results_window.h"
#include "testrun/guide_texts.h"
#include "testrun/motion_run.h"
#include "testrun/screen_paint.h"
#include "testrun/start_tests.h"
#include "testrun/test_window.h"
#include "tests/support/canvas.h"
#include "tests/support/test_data.h"

namespace {

constexpr int kZoomMiddle = kLoupeZoom / 2;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string ReadFile(const wchar_t* path) {
    std::string text;
    FILE* file = _wfopen(path, L"rb");
    if (file == nullptr) return text;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, n);
    fclose(file);
    return text;
}

class RunFindings : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.hInstance = GetModuleHandleW(nullptr);
        select = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 g_app.hInstance, nullptr);
        g_app.hwndSelect = select;
        playlist = {17, 1, 36};  // fine lines, black, gamma
        g_app.playlist = playlist.data();
        g_app.playlistCount = 3;
        g_app.playlistPos = 0;
        g_app.autoMode = 0;
        CreateTestWindow();
        hwnd = g_app.hwndTest;
        ASSERT_NE(hwnd, nullptr);
        Pump();
    }
    void TearDown() override {
        if (g_app.hwndTest != nullptr) DestroyWindow(g_app.hwndTest);
        if (g_hResults != nullptr) DestroyWindow(g_hResults);
        DestroyWindow(select);
        Pump();
        g_app = AppState{};
    }
    void Key(WPARAM key) {
        SendMessageW(hwnd, WM_KEYDOWN, key, 0);
        UpdateWindow(hwnd);
    }
    void PointAt(int x, int y) {
        POINT p = {x, y};
        ClientToScreen(hwnd, &p);
        SetCursorPos(p.x, p.y);
    }

    HWND select = nullptr;
    HWND hwnd = nullptr;
    std::vector<int> playlist;
};

TEST_F(RunFindings, LoupeShowsTheScreensOwnPixelsAndTheKeysMarkThem) {
    RECT rc;
    GetClientRect(hwnd, &rc);
    PointAt(301, 200);
    Key('M');
    ASSERT_TRUE(LoupeOpen());
    unsigned long shown[kLoupeSource * kLoupeSource];
    RECT panel;
    ASSERT_TRUE(LoupePixels(shown, &panel));
    // The screen as the render tool paints it, and the loupe's squares as they reached the window.
    Canvas screen(rc.right, rc.bottom);
    PaintTestScreen(screen.dc, &rc, 17, nullptr);
    Canvas window(rc.right, rc.bottom);
    HDC dc = GetDC(hwnd);
    BitBlt(window.dc, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();
    const int inset = 8;
    for (int k = 0; k < kLoupeSource * kLoupeSource; ++k) {
        const int x = 301 - kLoupeSource / 2 + k % kLoupeSource;
        const int y = 200 - kLoupeSource / 2 + k / kLoupeSource;
        const COLORREF own = screen.At(x, y);
        EXPECT_EQ(shown[k], static_cast<unsigned long>(GetRValue(own) << 16 | GetGValue(own) << 8 | GetBValue(own)));
        // The middle of each enlarged square (the centre one is framed at its edges only).
        const int sx = panel.left + inset + (k % kLoupeSource) * kLoupeZoom + kLoupeZoom / 2;
        const int sy = panel.top + inset + (k / kLoupeSource) * kLoupeZoom + kLoupeZoom / 2;
        EXPECT_EQ(window.At(sx, sy), own) << k;
    }

    Key(VK_RIGHT);  // the mark moves, the screen stays
    Key(VK_DOWN);
    Key('2');
    Key(VK_RETURN);
    EXPECT_FALSE(LoupeOpen());
    EXPECT_EQ(CurrentMode(), 17);
    Key(VK_RIGHT);  // black
    PointAt(40, 30);
    Key('M');
    Key(VK_ESCAPE);  // closes the loupe, not the run
    EXPECT_TRUE(IsWindow(hwnd));
    Key('M');
    Key(VK_RETURN);
    Key(VK_RIGHT);  // gamma
    Key('N');
    const Findings& record = CurrentRunRecord()->findings;
    ASSERT_EQ(record.markCount, 2);
    EXPECT_EQ(record.marks[0].x, 302);
    EXPECT_EQ(record.marks[0].y, 201);
    EXPECT_EQ(record.marks[0].type, kDefectDark);
    EXPECT_EQ(record.marks[1].mode, 1);
    EXPECT_EQ(record.marks[1].type, kDefectLit);  // proposed on black
    EXPECT_TRUE(record.noted[36]);

    // The ring goes after a second, and the screen is as it was.
    Sleep(1100);
    Pump();
    UpdateWindow(hwnd);
    EXPECT_FALSE(LoupeOpen());

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t path[MAX_PATH];
    wsprintfW(path, L"%stavro-findings-%lu.html", folder, GetCurrentProcessId());
    wchar_t reason[256];
    ASSERT_TRUE(SaveRunReport(CurrentRunRecord(), path, reason, 256)) << reason;
    const std::string html = ReadFile(path);
    EXPECT_NE(html.find("data-x=\"302\" data-y=\"201\" data-type=\"2\""), std::string::npos);
    EXPECT_NE(html.find("data-x=\"40\" data-y=\"30\" data-type=\"1\""), std::string::npos);
    DeleteFileW(path);

    // A folder that is not there: refused, nothing left behind.
    wchar_t bad[MAX_PATH];
    wsprintfW(bad, L"%sno-such-folder-%lu\\r.html", folder, GetCurrentProcessId());
    EXPECT_FALSE(SaveRunReport(CurrentRunRecord(), bad, reason, 256));
    EXPECT_NE(reason[0], L'\0');
    EXPECT_EQ(GetFileAttributesW(bad), INVALID_FILE_ATTRIBUTES);

    // After the run: the results window lists it, painted in its own colours.
    DestroyWindow(hwnd);
    Pump();
    OnRunEnded(select);
    ASSERT_NE(g_hResults, nullptr);
    UpdateWindow(g_hResults);
    Pump();
    wchar_t listed[4096];
    GetWindowTextW(GetDlgItem(g_hResults, 4001), listed, 4096);
    EXPECT_NE(std::wstring(listed).find(L"(302, 201)"), std::wstring::npos) << listed;
    EXPECT_NE(std::wstring(listed).find(L"Faults noted: Gamma"), std::wstring::npos) << listed;
    HDC results = GetDC(g_hResults);
    EXPECT_EQ(GetPixel(results, 4, 4), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(g_hResults, results);
}

// The pointer on another monitor than the tested one: the window is made smaller than the screen,
// so that the pointer can stand outside it.
TEST_F(RunFindings, MarkStartsOnTheTestedScreenWhoseEdgeShowsAsOutside) {
    SetWindowPos(hwnd, nullptr, 200, 150, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    SetCursorPos(20, 20);
    Key('M');
    ASSERT_TRUE(LoupeOpen());
    unsigned long shown[kLoupeSource * kLoupeSource];
    RECT panel;
    ASSERT_TRUE(LoupePixels(shown, &panel));
    const int centre = kLoupeSource * (kLoupeSource / 2) + kLoupeSource / 2;
    EXPECT_NE(shown[centre], kOffScreen);  // pixel (0, 0)
    EXPECT_EQ(shown[centre - 1], kOffScreen);
    EXPECT_EQ(shown[centre - kLoupeSource], kOffScreen);
    RECT rc;
    GetClientRect(hwnd, &rc);
    EXPECT_TRUE(panel.left >= 0 && panel.top >= 0 && panel.right <= rc.right && panel.bottom <= rc.bottom);
    // Beyond the edge the loupe shows grey hatching, never the black of a dark pixel.
    HDC dc = GetDC(hwnd);
    const COLORREF outside = GetPixel(dc, panel.left + 8 + kZoomMiddle, panel.top + 8 + kZoomMiddle);
    ReleaseDC(hwnd, dc);
    EXPECT_NE(outside, RGB(0, 0, 0));
    Key(VK_LEFT);  // the arrows keep the mark on the screen
    Key(VK_UP);
    Key(VK_RETURN);
    const Findings& record = CurrentRunRecord()->findings;
    ASSERT_EQ(record.markCount, 1);
    EXPECT_EQ(record.marks[0].x, 0);
    EXPECT_EQ(record.marks[0].y, 0);
    EXPECT_EQ(record.marks[0].patch[0], kOffScreen);
}

TEST_F(RunFindings, OnePixelMarkedAgainIsOneDefectOfItsNewType) {
    Key(VK_RIGHT);  // black
    PointAt(50, 60);
    Key('M');
    Key(VK_RETURN);  // always lit
    Key(VK_RIGHT);   // gamma
    PointAt(50, 60);
    Key('M');
    Key('3');
    Key(VK_RETURN);
    const Findings& record = CurrentRunRecord()->findings;
    ASSERT_EQ(record.markCount, 1);
    EXPECT_EQ(record.marks[0].type, kDefectSubpixel);
    EXPECT_EQ(record.marks[0].mode, 36);
    // The ring, and the line that says the mark changed its type.
    RECT rc;
    GetClientRect(hwnd, &rc);
    Canvas layer(rc.right, rc.bottom);
    RECT covered[3];
    EXPECT_EQ(DrawFindingsLayer(layer.dc, &rc, covered), 2);
}

// Marked again on a screen whose own type is "other", a counted fault stays what it was, and the
// line says so; a type picked with 1-3 changes it.
TEST_F(RunFindings, AMarkAgainKeepsACountedFaultUnlessATypeIsPicked) {
    const struct {
        WPARAM pick;  // 0: the screen's own type
        int type, mode;
    } steps[] = {{0, kDefectLit, 1}, {0, kDefectLit, 1}, {'2', kDefectDark, 36}, {0, kDefectDark, 36}};
    Key(VK_RIGHT);  // black: always lit
    for (const auto& step : steps) {
        PointAt(50, 60);
        Key('M');
        if (step.pick != 0) Key(step.pick);
        Key(VK_RETURN);
        if (&step == &steps[0]) Key(VK_RIGHT);  // gamma: "other"
        const Findings& record = CurrentRunRecord()->findings;
        ASSERT_EQ(record.markCount, 1);
        EXPECT_EQ(record.marks[0].type, step.type) << step.pick;
        EXPECT_EQ(record.marks[0].mode, step.mode);
        if (&step == &steps[0]) continue;
        char said[192];
        FormatUtf8(said, sizeof(said), ReportText(g_lang, RT_MARKED_AGAIN), ReportText(g_lang, RT_TYPE_LIT + step.type - 1));
        ASSERT_NE(FindingsNotice(), nullptr);
        EXPECT_STREQ(FindingsNotice(), said);
    }
}

TEST_F(RunFindings, TheFullListSaysSoAndAutoWaitsForTheLoupe) {
    for (int k = 0; k < kMaxMarks; ++k) {
        Mark m = {};
        m.mode = 17;
        m.x = 100 + k % 500;
        m.y = 400 + k / 500;
        m.type = kDefectLit;
        int previousType = 0;
        ASSERT_GE(RecordMark(m, &previousType), 0);
    }
    PointAt(10, 10);
    Key('M');
    Key(VK_RETURN);
    EXPECT_EQ(CurrentRunRecord()->findings.markCount, kMaxMarks);
    RECT rc;
    GetClientRect(hwnd, &rc);
    Canvas layer(rc.right, rc.bottom);
    RECT covered[3];
    ASSERT_EQ(DrawFindingsLayer(layer.dc, &rc, covered), 1);  // no ring: a line at the top instead
    EXPECT_LT(covered[0].bottom, rc.bottom / 4);

    g_app.autoMode = 1;
    GotoMode(hwnd, 0);
    Key('M');
    EXPECT_FALSE(KillTimer(hwnd, kAutoTimer));  // no AUTO step while the loupe is open
    Key(VK_ESCAPE);
    EXPECT_TRUE(LoupeOpen() == 0 && KillTimer(hwnd, kAutoTimer));  // and the next one armed afresh
}

TEST_F(RunFindings, EveryRunKeepsItsOwnReportAndResults) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t pattern[MAX_PATH], second[MAX_PATH], shown[MAX_PATH];
    wsprintfW(pattern, L"%stavro-runs-%lu.html", folder, GetCurrentProcessId());
    wsprintfW(second, L"%stavro-runs-%lu-2.html", folder, GetCurrentProcessId());
    wsprintfW(shown, L"%stavro-shown-%lu.html", folder, GetCurrentProcessId());
    SaveReportsTo(pattern);
    PointAt(70, 80);
    Key('M');
    Key(VK_RETURN);
    DestroyWindow(hwnd);
    Pump();
    OnRunEnded(select);  // run 1: a mark, its report and its results
    ASSERT_NE(g_hResults, nullptr);
    CreateTestWindow();  // run 2 records nothing
    DestroyWindow(g_app.hwndTest);
    Pump();
    OnRunEnded(select);
    SaveReportsTo(L"");
    EXPECT_NE(ReadFile(pattern).find("data-x=\"70\" data-y=\"80\""), std::string::npos);
    const std::string run2 = ReadFile(second);
    EXPECT_NE(run2.find("</html>"), std::string::npos);
    EXPECT_EQ(run2.find("data-x="), std::string::npos);
    // The results window still open from run 1 saves run 1.
    wchar_t reason[256];
    ASSERT_TRUE(SaveShownReport(shown, reason, 256)) << reason;
    EXPECT_NE(ReadFile(shown).find("data-x=\"70\" data-y=\"80\""), std::string::npos);
    for (const wchar_t* path : {pattern, second, shown}) DeleteFileW(path);
    // A run started from the selection window closes the results of the one before.
    const int checked = g_catChecked[0];
    g_catChecked[0] = 1;
    ASSERT_TRUE(StartSelectedTests(select, 0));
    g_catChecked[0] = checked;
    EXPECT_EQ(g_hResults, nullptr);
    free(g_app.playlist);
}

// A monitor of 143.856 Hz, which Wine cannot report: the moving blocks pace at that rate, say so,
// and the run's record and results hold what they counted.
TEST_F(RunFindings, MotionScreensPaceAtTheMonitorsRateAndTheRecordHoldsTheirCounts) {
    SetMonitorRateForTests(143.856);
    playlist = {42, 1};
    g_app.playlist = playlist.data();
    g_app.playlistCount = 2;
    GotoMode(hwnd, 0);
    const DWORD begin = GetTickCount();
    while (MotionNow().painted.frame < 150 && GetTickCount() - begin < 10000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        Pump();
    }
    const MotionFrame painted = MotionNow().painted;
    const double seconds = (GetTickCount() - begin) / 1000.0;
    SetMonitorRateForTests(0);
    EXPECT_DOUBLE_EQ(painted.hz, 143.856);
    EXPECT_NEAR(painted.frame / seconds, 143.856, 20.0);  // paced at the rate, not at 60 Hz
    Key(VK_RIGHT);  // off the moving blocks: their figures go into the record
    const MotionFigures& m = CurrentRunRecord()->findings.motion[0];
    EXPECT_DOUBLE_EQ(m.hz, 143.856);
    EXPECT_GE(m.frames, painted.frame);
    EXPECT_GE(m.dropped, 0);
    static wchar_t listed[4096];
    FormatRunResults(CurrentRunRecord(), listed, 4096);
    EXPECT_NE(std::wstring(listed).find(L"Moving blocks at 143.856 Hz: "), std::wstring::npos) << listed;
}

// A list of marks longer than the results window's text: it says where it is cut, and the verdict
// after it is whole.
TEST_F(RunFindings, AResultsListTooLongSaysWhereItIsCutAndKeepsTheVerdict) {
    for (int k = 0; k < 400; ++k) {
        Mark m = {};
        m.mode = 1;
        m.x = 10 * (k % 100);
        m.y = 10 * (k / 100);
        m.type = kDefectLit;
        int previousType = 0;
        ASSERT_GE(RecordMark(m, &previousType), 0);
    }
    static wchar_t text[4096];
    FormatRunResults(CurrentRunRecord(), text, 4096);
    const std::wstring listed = text;
    EXPECT_LT(listed.size(), 4096u);
    EXPECT_NE(listed.find(L"(The list is cut here: the saved report holds all of it.)"), std::wstring::npos);
    EXPECT_NE(listed.find(L"Meets no ISO 13406-2 class"), std::wstring::npos);
    EXPECT_NE(listed.find(L"The class rests on"), std::wstring::npos);
}

// The results window in every language: the verdict's basis is whole with the longest figures,
// says when the run was not in the native mode, and an unknown rate or rate per million says so.
TEST_F(RunFindings, TheResultsSayTheWholeBasisAndWhatIsUnknownInEveryLanguage) {
    std::vector<unsigned char> dell = ReadTestData("edid/D_Dell_DELD0D9_09432B13B913.bin");  // 2880 x 1600
    ASSERT_FALSE(dell.empty());
    static RunRecord record;
    static wchar_t text[8192];
    const auto shows = [](const char* utf8) {
        static wchar_t wide[2048];
        WidenUtf8(utf8, wide, ARRAYSIZE(wide));
        return wcsstr(text, wide) != nullptr;
    };
    const int lang = g_lang;
    for (g_lang = 0; g_lang < kLanguageCount; ++g_lang) {
        for (int size : {65535, 0}) {  // on the Dell, not in its native mode; no screen size, no EDID
            record = RunRecord{};
            record.edid = size > 0 ? dell.data() : nullptr;
            record.edidLength = size > 0 ? static_cast<unsigned long>(dell.size()) : 0;
            ClearFindings(&record.findings, size, size);
            AddMotionFigures(&record.findings, kMovingBlocksMode, INFINITY, 100, 0);
            FormatRunResults(&record, text, ARRAYSIZE(text));
            char line[2048];
            if (size > 0) {
                snprintf(line, sizeof(line), ReportText(g_lang, RT_NOT_AT_NATIVE), 2880, 1600, size, size);
            } else {
                snprintf(line, sizeof(line), "%s: %s\r\n", ReportText(g_lang, RT_VERDICT), ReportText(g_lang, RT_UNKNOWN));
            }
            EXPECT_TRUE(shows(line)) << g_lang << " " << line;
            snprintf(line, sizeof(line), ReportText(g_lang, RT_MOTION_STEADY), GuideTextOf(g_lang, kMovingBlocksMode)->name,
                     ReportText(g_lang, RT_UNKNOWN), "100");
            EXPECT_TRUE(shows(line)) << g_lang << " " << line;
        }
    }
    g_lang = lang;
}

}  // namespace
