// The selection window's fifteen cards in three columns of five, and the HDR card's line under
// them: why the HDR screens cannot be shown here, that HDR is off, or nothing, followed as the
// monitor, its colours, the language and the runs change. Windows' answers are stood in through
// the presenter's and the display state's seams. TAVRO_SELECT_SHOT=path keeps a shot to look at.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/hdr_card_note.h"
#include "app/lifetime.h"
#include "app/monitor_choice.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "hdr/hdr_support.h"
#include "hdr/hdr_texts.h"
#include "record/run_record.h"
#include "tests/support/canvas.h"
#include "tests/support/d3d_loader.h"
#include "tests/support/display_answers.h"
#include "tests/support/select_window_open.h"
#include "tests/support/window_messages.h"
#include "testrun/catalogue.h"
#include "testrun/window_ids.h"
#include "tools/common/bmp_file.h"

namespace {

constexpr COLORREF kBackground = RGB(245, 244, 240);
constexpr COLORREF kTicked = RGB(0, 180, 90);
constexpr COLORREF kPlainOutline = RGB(227, 225, 218);
constexpr COLORREF kTickedFill = RGB(242, 251, 246);
constexpr RECT kNoteArea = {20, 352, 1034, 384};

// An HDR-capable monitor, HDR off or on, as Windows' type 15 says it.
DisplayAnswers Answers(unsigned activeMode) {
    DisplayAnswers answers = {};
    answers.info2 = {1, kInfo2HdrSupported | (activeMode == 2 ? kInfo2HdrUserEnabled : 0u), 0, 8, activeMode};
    return answers;
}

const PresenterSeam kNoD3d11 = {};  // no d3d11.dll: every loader entry missing

class SelectGrid : public ::testing::Test {
protected:
    static void SetUpTestSuite() { hwnd = OpenSelectWindowForTests(); }

    static void TearDownTestSuite() { CloseSelectWindowForTests(hwnd); }

    // Nothing hovered, even where X's pointer started over a card (the middle of the screen).
    void SetUp() override {
        SetCursorPos(0, 0);
        if (g_app.hoverCard >= 0) SendMessageW(g_hCatChecks[g_app.hoverCard], WM_MOUSELEAVE, 0, 0);
        SendMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
        Repaint();
    }

    void TearDown() override {
        StopDisplayStandIn();
        SetPresenterSeam(nullptr);
        NoteHdrRunFailure(kPresenterOk);
        if (g_lang != 0) PickLanguage(0);
        DisplayChanged();
    }

    // Windows says the display changed: the window reads the monitors and their colours again.
    static void DisplayChanged() {
        SendMessageW(hwnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
        Repaint();
    }

    static void Repaint() {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }

    static void PickLanguage(int lang) {
        SendMessageW(g_hLangCombo, CB_SETCURSEL, lang, 0);
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_LANG_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(g_hLangCombo));
        Repaint();
    }

    static std::wstring NoteText() {
        wchar_t text[512] = {};
        GetWindowTextW(g_hHdrNote, text, 512);
        return text;
    }

    // The client area as it is on the glass.
    static void Shot(Canvas* canvas) {
        HDC dc = GetDC(hwnd);
        BitBlt(canvas->dc, 0, 0, canvas->width, canvas->height, dc, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        GdiFlush();
    }

    static HWND hwnd;
};

HWND SelectGrid::hwnd = nullptr;

// Card i at (20 + 342 * (i % 3), 68 + 58 * (i / 3)), 330 x 48: at half its height its left edge
// shows the outline and 5 px in its fill; the 12 px between the columns show the window.
TEST_F(SelectGrid, FifteenCardsInThreeColumnsOfFiveAboveTheButtons) {
    for (int i = 0; i < kCategoryCount; ++i) g_catChecked[i] = i == 0 || i == kHdrCategory;
    Repaint();
    Canvas shot(kSelectClientWidth, kSelectClientHeight);
    Shot(&shot);
    for (int i = 0; i < kCategoryCount; ++i) {
        SCOPED_TRACE(i);
        const int x = 20 + 342 * (i % 3);
        const int y = 68 + 58 * (i / 3);
        const bool ticked = g_catChecked[i] != 0;
        EXPECT_EQ(shot.At(x, y + 24), ticked ? kTicked : kPlainOutline);
        EXPECT_EQ(shot.At(x + 5, y + 24), ticked ? kTickedFill : RGB(255, 255, 255));
        EXPECT_EQ(shot.At(x - 1, y + 24), kBackground);
        EXPECT_EQ(shot.At(x + 330, y + 24), kBackground);
        EXPECT_EQ(shot.At(x + 150, y + 49), kBackground);
    }
    EXPECT_EQ(shot.At(20 + 5, 396 + 4), RGB(18, 24, 31));  // START below the note
    for (int i = 0; i < kCategoryCount; ++i) g_catChecked[i] = i < 2;
}

// Which line the card gets from which answers: a missing Direct3D wins over HDR off; HDR on, or
// nothing known (Wine's own answers), says nothing and leaves the window as it was.
TEST_F(SelectGrid, TheHdrCardsLineSaysWhyOrThatHdrIsOffOrNothing) {
    Canvas plain(kSelectClientWidth, kSelectClientHeight);
    Shot(&plain);
    EXPECT_EQ(NoteText(), L"");
    EXPECT_FALSE(IsWindowVisible(g_hHdrNote));
    const int noteArea = RectWidth(kNoteArea) * RectHeight(kNoteArea);
    EXPECT_EQ(plain.Count(kNoteArea, kBackground), noteArea);

    const struct {
        const PresenterSeam* presenter;
        int activeMode;  // -1: Windows says nothing
        std::wstring expected;
    } table[] = {
        {&kNoD3d11, 0, HdrFailureText(kPresenterNoD3d11)},
        {&kNoD3d11, 2, HdrFailureText(kPresenterNoD3d11)},
        {nullptr, 0, HdrText(HT_HDR_OFF)},
        {nullptr, 1, HdrText(HT_HDR_OFF)},  // wide colour only: still standard range
        {nullptr, 2, L""},
        {nullptr, -1, L""},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << (row.presenter != nullptr ? "no d3d11, " : "") << "mode " << row.activeMode);
        PresenterSeamGuard presenter(row.presenter);
        if (row.activeMode >= 0) {
            StandInDisplayAnswers(Answers(static_cast<unsigned>(row.activeMode)));
        } else {
            StopDisplayStandIn();
        }
        DisplayChanged();
        EXPECT_EQ(NoteText(), row.expected);
        EXPECT_EQ(IsWindowVisible(g_hHdrNote) != FALSE, !row.expected.empty());
        Canvas shot(kSelectClientWidth, kSelectClientHeight);
        Shot(&shot);
        const int background = shot.Count(kNoteArea, kBackground);
        if (row.expected.empty()) {
            EXPECT_EQ(background, noteArea);
        } else {
            EXPECT_LT(background, noteArea - 200);  // its text is drawn there
            // Right-aligned: the ink ends under the HDR card, the last of the bottom row.
            EXPECT_LT(shot.Count({704, 352, 1034, 368}, kBackground), 330 * 16);
        }
        const wchar_t* keep = _wgetenv(L"TAVRO_SELECT_SHOT");
        if (keep != nullptr && row.presenter == nullptr && row.activeMode == 0) {
            DWORD error = 0;
            WriteBmpFile(keep, shot.bits, shot.width, shot.height, &error);
        }
    }
    StopDisplayStandIn();
    DisplayChanged();
    Canvas after(kSelectClientWidth, kSelectClientHeight);
    Shot(&after);
    EXPECT_EQ(memcmp(after.bits, plain.bits, static_cast<size_t>(after.width) * after.height * 4), 0);
}

// The line follows what changes it, each time without a display change: the monitor picked in its
// box (its colours read again), the language, and a run that found the presenter failing.
TEST_F(SelectGrid, TheHdrCardsLineFollowsTheMonitorTheLanguageAndTheRunsEnd) {
    StandInDisplayAnswers(Answers(0));
    EXPECT_EQ(NoteText(), L"");  // the control: standing in alone changes nothing shown
    SendMessageW(g_hMonitorCombo, CB_SETCURSEL, 0, 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_MONITOR_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(g_hMonitorCombo));
    EXPECT_EQ(NoteText(), HdrText(HT_HDR_OFF));

    for (int lang = 1; lang < kLanguageCount; ++lang) {
        PickLanguage(lang);
        EXPECT_EQ(NoteText(), HdrTextIn(lang, HT_HDR_OFF)) << lang;
    }
    PickLanguage(0);

    BeginRunRecord(hwnd, 0);  // a run with no findings: no results window at its end
    NoteHdrRunFailure(kPresenterNoSwapChain);
    EXPECT_EQ(NoteText(), HdrText(HT_HDR_OFF));
    SendMessageW(hwnd, kRunEndedMessage, 0, 0);
    EXPECT_EQ(NoteText(), HdrFailureText(kPresenterNoSwapChain));
    EXPECT_NE(NoteText().find(HdrText(HT_NO_SWAP_CHAIN)), std::wstring::npos);
}

}  // namespace
