// The panels over the test screens and the results window at 200 %: everything twice its 96-DPI
// size, every text inside its control, and back at 96 DPI exactly as before.
#include <gtest/gtest.h>

#include <string>

#include "app/app_state.h"
#include "app/lifetime.h"
#include "app/texts.h"
#include "patterns/toolkit.h"
#include "record/loupe.h"
#include "record/report_texts.h"
#include "record/results_window.h"
#include "record/run_record.h"
#include "testrun/guide_panel.h"
#include "testrun/overlay.h"
#include "tests/support/canvas.h"
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
        for (int mode : {0, 19, 36, 42}) {
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
// takes the suggested size, every control is twice its size; back at 96 DPI it is as it was.
TEST(ResultsScale, LaysItselfOutAgainAtTheNewScale) {
    g_app.hInstance = GetModuleHandleW(nullptr);
    CreateUiFonts();
    HWND owner = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 100, 100, 712, 593, nullptr, nullptr,
                                 g_app.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    Mark m = {};
    m.mode = 1;
    m.type = kDefectLit;
    int previousType = 0;
    RecordMark(m, &previousType);
    OnRunEnded(owner);
    ASSERT_NE(g_hResults, nullptr);
    RECT start;
    GetWindowRect(g_hResults, &start);
    RECT at96[3];
    for (int k = 0; k < 3; ++k) at96[k] = ControlRect(4001 + k);
    RECT suggested = {start.left, start.top, start.left + 2 * RectWidth(start), start.top + 2 * RectHeight(start)};
    SendMessageW(g_hResults, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    RECT now;
    GetWindowRect(g_hResults, &now);
    EXPECT_TRUE(EqualRect(&now, &suggested));
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
    for (int k = 0; k < 3; ++k) {
        const RECT r = ControlRect(4001 + k);
        EXPECT_TRUE(EqualRect(&r, &at96[k])) << k;
    }
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
