// The one-to-one screen in a real run on plain Xvfb, where Windows turns the native mode down: what
// the run reads of the mode it sends, its scale and the monitor's EDID reaches the window the
// painter thread prepared, with the plain warning that the picture is scaled.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "patterns/chroma_edges.h"
#include "patterns/display_facts.h"
#include "registry_setup.h"
#include "tests/patterns/toolkit_probe.h"
#include "tests/support/window_messages.h"
#include "testrun/catalogue.h"
#include "testrun/overlay.h"
#include "testrun/paint_ahead.h"
#include "testrun/test_window.h"

namespace {

template <typename Done>
void WaitFor(Done done) {
    const DWORD begin = GetTickCount();
    while (!done() && GetTickCount() - begin < 30000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
}

TEST(OneToOneFacts, ARunShowsTheModesItFoundAndSaysWhenThePictureIsScaled) {
    if (GetEnvironmentVariableW(L"TAVRO_VIRTUAL_DESKTOP", nullptr, 0) != 0) GTEST_SKIP() << "for plain Xvfb";
    const struct {
        const char* edid;  // null: the monitor gives none
        int nativeWidth;
        bool scaled;
    } cases[] = {{nullptr, 0, false}, {"A_Hitachi_HEC0088_1BEACBAF42B1.bin", 1024, true}};
    g_app.hInstance = GetModuleHandleW(nullptr);
    const int overlay = OverlayShown();
    SetOverlayShown(0);
    for (const auto& t : cases) {
        SCOPED_TRACE(t.edid != nullptr ? t.edid : "no EDID");
        DeleteValue(kWineMonitorParameters, L"EDID");
        if (t.edid != nullptr) {
            ASSERT_TRUE(WriteBinary(kWineMonitorParameters, L"EDID", RealEdid(t.edid)));
        }
        SetDisplayFacts({});
        int playlist[] = {kOneToOneMode};
        g_app.playlist = playlist;
        g_app.playlistCount = 1;
        g_app.playlistPos = 0;
        CreateTestWindow();
        const HWND hwnd = g_app.hwndTest;
        ASSERT_NE(hwnd, nullptr);
        WaitFor([] { return ScreenShowable(kOneToOneMode) != 0; });
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        RECT rc;
        GetClientRect(hwnd, &rc);
        Canvas window(rc.right, rc.bottom);
        HDC dc = GetDC(hwnd);
        BitBlt(window.dc, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
        ReleaseDC(hwnd, dc);
        GdiFlush();

        const DisplayFacts facts = CurrentDisplayFacts();
        EXPECT_TRUE(facts.desktopKnown && facts.desktopWidth == GetSystemMetrics(SM_CXSCREEN) &&
                    facts.desktopHeight == GetSystemMetrics(SM_CYSCREEN));
        EXPECT_TRUE(facts.scaleKnown && facts.scalePercent == 100);
        EXPECT_EQ(facts.nativeKnown ? facts.nativeWidth : 0, t.nativeWidth);
        const RECT box = FactsBox(&rc);
        EXPECT_GT(CountOther(window, box, RGB(0, 0, 0)), 100) << "the facts under the checkerboard";
        EXPECT_EQ(CountWhere(window, box, Yellowish) > 20, t.scaled);

        DestroyWindow(hwnd);
        PumpMessages();
        WaitFor([] { return RunningPainters() == 0; });
        g_app.playlist = nullptr;
        g_app.playlistCount = 0;
    }
    DeleteValue(kWineMonitorParameters, L"EDID");
    SetDisplayFacts({});
    SetOverlayShown(overlay);
}

}  // namespace
