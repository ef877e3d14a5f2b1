// The panels over the test screens and the results window at 200 %: everything twice its 96-DPI
// size, every text inside its control, and back at 96 DPI exactly as before.
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "patterns/toolkit.h"
#include "record/loupe.h"
#include "record/report_texts.h"
#include "record/results_window.h"
#include "record/run_record.h"
#include "testrun/guide_panel.h"
#include "testrun/overlay.h"
#include "tests/support/canvas.h"
#include "tests/support/dpi_move.h"
#include "tests/support/results_open.h"
#include "tests/support/window_messages.h"

namespace {

// A control of the results window, in its client coordinates.
RECT ControlRect(int id) {
    RECT r;
    GetWindowRect(GetDlgItem(g_hResults, id), &r);
    MapWindowPoints(HWND_DESKTOP, g_hResults, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The guidance panel and the 500 ms panel of every screen, at 96 and at 192 DPI: twice the size,
// within what hinting does to text twice as large (its lines break a little differently), and the
// guidance still fits in every language.
TEST(PanelScale, PanelsFollowTheTestedMonitorsScale) {
    Canvas c(3840, 2160);
    const RECT rc = c.Rect();
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int mode : {0, 19, 36, 42, kOneToOneMode}) {
            GuideLayout at96;
            GuideLayout at192;
            SetPanelDpi(96);
            ASSERT_TRUE(LayOutGuidePanel(c.dc, &rc, mode, lang, &at96));
            SetPanelDpi(192);
            ASSERT_TRUE(LayOutGuidePanel(c.dc, &rc, mode, lang, &at192)) << "language " << lang << " screen " << mode;
            SetPanelDpi(96);
            EXPECT_NEAR(RectWidth(at192.panel), 2 * RectWidth(at96.panel), RectWidth(at96.panel) / 8) << lang << "/" << mode;
            EXPECT_NEAR(RectHeight(at192.panel), 2 * RectHeight(at96.panel), RectHeight(at96.panel) / 4) << lang << "/" << mode;
        }
    }
    const OverlayRun run = {19, 2, 10};
    SetPanelDpi(96);
    const RECT small = DrawOverlaySampled(c.dc, &rc, &run, RGB(0, 0, 0));
    SetPanelDpi(192);
    const RECT large = DrawOverlaySampled(c.dc, &rc, &run, RGB(0, 0, 0));
    SetPanelDpi(96);
    EXPECT_NEAR(RectWidth(large), 2 * RectWidth(small), RectWidth(small) / 16);
    EXPECT_NEAR(RectHeight(large), 2 * RectHeight(small), 4);
    EXPECT_EQ(rc.bottom - large.bottom, 2 * (rc.bottom - small.bottom));
}

// The results window laid out at 192 DPI, as a WM_DPICHANGED from a 200 % monitor asks: the window
// goes to the suggested place, its client area and every control twice their size; back at 96 DPI
// it is as it was.
TEST(ResultsScale, LaysItselfOutAgainAtTheNewScale) {
    g_app.hInstance = GetModuleHandleW(nullptr);
    CreateUiFonts();
    HWND owner = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 100, 100, 712, 593, nullptr, nullptr,
                                 g_app.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    OpenResultsWithOneMark(owner);
    ASSERT_NE(g_hResults, nullptr);
    RECT start;
    GetWindowRect(g_hResults, &start);
    RECT at96[3];
    for (int k = 0; k < 3; ++k) at96[k] = ControlRect(4001 + k);
    RECT client96;
    GetClientRect(g_hResults, &client96);
    RECT suggested = {start.left, start.top, start.left + 2 * RectWidth(start), start.top + 2 * RectHeight(start)};
    SendMessageW(g_hResults, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT now;
    GetWindowRect(g_hResults, &now);
    EXPECT_EQ(now.left, suggested.left);
    EXPECT_EQ(now.top, suggested.top);
    RECT client;
    GetClientRect(g_hResults, &client);
    // Sized for the frame Windows draws at 192 DPI; this process draws its own at 96, so the client
    // area may come out a little larger than twice, never smaller.
    EXPECT_GE(client.right, 2 * client96.right);
    EXPECT_GE(client.bottom, 2 * client96.bottom);
    for (int k = 0; k < 3; ++k) {
        const RECT r = ControlRect(4001 + k);
        EXPECT_EQ(RectWidth(r), 2 * RectWidth(at96[k])) << k;
        EXPECT_EQ(RectHeight(r), 2 * RectHeight(at96[k])) << k;
        EXPECT_EQ(r.left, 2 * at96[k].left) << k;
        EXPECT_EQ(r.top, 2 * at96[k].top) << k;
    }
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(g_hResults, 4002), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -28);
    SendMessageW(g_hResults, WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&start));
    GetWindowRect(g_hResults, &now);
    EXPECT_TRUE(EqualRect(&now, &start));
    for (int k = 0; k < 3; ++k) {
        const RECT r = ControlRect(4001 + k);
        EXPECT_TRUE(EqualRect(&r, &at96[k])) << k;
    }
    DestroyWindow(g_hResults);
    DestroyWindow(owner);
    PumpMessages();
}

// Moved to 300 %, where it would be larger than the screen the tests run on: scaled down to fit,
// Save and Close on the screen; moved back to 100 %, its whole layout again, not the shrunk size
// scaled.
TEST(ResultsScale, ScaledDownToFitAndWholeAgainAt96) {
    g_app.hInstance = GetModuleHandleW(nullptr);
    CreateUiFonts();
    HWND owner = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 100, 100, 712, 593, nullptr, nullptr,
                                 g_app.hInstance, nullptr);
    OpenResultsWithOneMark(owner);
    ASSERT_NE(g_hResults, nullptr);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT client;
    GetClientRect(g_hResults, &client);
    ASSERT_EQ(client.right, 560);
    ASSERT_GT(3 * client.bottom, RectHeight(work)) << "this screen holds the window at 300 %";
    MoveToScale(g_hResults, 96, 288);
    RECT now;
    GetWindowRect(g_hResults, &now);
    EXPECT_LE(RectWidth(now), RectWidth(work));
    EXPECT_LE(RectHeight(now), RectHeight(work));
    GetClientRect(g_hResults, &client);
    EXPECT_GT(client.right, 560);  // larger than at 100 %: scaled down only as far as it must
    for (int id : {4001, 4002, 4003}) {
        const RECT r = ControlRect(id);
        EXPECT_TRUE(r.right <= client.right && r.bottom <= client.bottom) << id;
    }
    MoveToScale(g_hResults, 288, 96);
    GetClientRect(g_hResults, &client);
    EXPECT_EQ(client.right, 560);
    EXPECT_EQ(client.bottom, 400);
    DestroyWindow(g_hResults);
    DestroyWindow(owner);
    PumpMessages();
}

// "Save report…" and "Close" fit their buttons in every language at every scale, measured with the
// font the window gives them there.
TEST(ResultsScale, ButtonLabelsFitInEveryLanguage) {
    HDC dc = GetDC(nullptr);
    for (int dpi : {96, 120, 144, 192, 288}) {
        HFONT font = CreateUiTextFont(14, FW_NORMAL, dpi);
        HGDIOBJ old = SelectObject(dc, font);
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            const struct {
                int key, width;
            } buttons[] = {{RT_SAVE_REPORT, 150}, {RT_CLOSE, 110}};
            for (const auto& button : buttons) {
                wchar_t label[64];
                MultiByteToWideChar(CP_UTF8, 0, ReportText(lang, button.key), -1, label, 64);
                SIZE size;
                GetTextExtentPoint32W(dc, label, lstrlenW(label), &size);
                // Inside the button's border and focus mark: 4 px a side at 96 DPI.
                EXPECT_LE(size.cx, MulDiv(button.width - 8, dpi, 96)) << "language " << lang << " at " << dpi;
            }
        }
        SelectObject(dc, old);
        DeleteObject(font);
    }
    ReleaseDC(nullptr, dc);
}

}  // namespace
