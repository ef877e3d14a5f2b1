// The chroma screen in a real test window: what reaches the window keeps each band's parity from
// the screen's pixel (0, 0), as the painter thread prepared it.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/texts.h"
#include "patterns/chroma_edges.h"
#include "tests/support/canvas.h"
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

TEST(ChromaWindow, BandsReachTheWindowOnTheScreensParity) {
    g_lang = 0;
    g_app.hInstance = GetModuleHandleW(nullptr);
    HWND select = CreateWindowExW(0, L"STATIC", L"selection", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  g_app.hInstance, nullptr);
    g_app.hwndSelect = select;
    int playlist[] = {kChromaMode};
    g_app.playlist = playlist;
    g_app.playlistCount = 1;
    g_app.playlistPos = 0;
    CreateTestWindow();
    const HWND hwnd = g_app.hwndTest;
    ASSERT_NE(hwnd, nullptr);
    WaitFor([] { return ScreenShowable(kChromaMode) != 0; });
    const int overlay = OverlayShown();
    SetOverlayShown(0);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT rc;
    GetClientRect(hwnd, &rc);
    Canvas window(rc.right, rc.bottom);
    HDC dc = GetDC(hwnd);
    BitBlt(window.dc, 0, 0, rc.right, rc.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
    GdiFlush();

    // Each band: its colour where the coordinate across its stripes is even, where it is odd.
    const struct {
        COLORREF even, odd;
        bool rows;
    } bands[kChromaBands] = {{RGB(255, 0, 0), RGB(0, 0, 255), false},
                             {RGB(255, 0, 0), RGB(0, 0, 255), true},
                             {RGB(255, 0, 255), RGB(0, 255, 0), false},
                             {RGB(255, 255, 0), RGB(0, 0, 255), false}};
    const int w = rc.right;
    for (int b = 0; b < kChromaBands; ++b) {
        const RECT band = ChromaBandRect(&rc, b);
        const int end = band.right;  // the stripes end where the band's patch begins
        for (int y = band.top; y < band.bottom; y += 7) {
            for (int x : {0, 1, 2, 3, w / 2, w / 2 + 1, end - 2, end - 1}) {
                const int across = bands[b].rows ? y : x;
                ASSERT_EQ(window.At(x, y), across % 2 == 0 ? bands[b].even : bands[b].odd)
                    << "band " << b << " at (" << x << ", " << y << ")";
            }
            ASSERT_EQ(window.At(w - 1, y), g_chromaPatch[b]) << "the patch beside band " << b;
        }
    }

    DestroyWindow(hwnd);
    PumpMessages();
    WaitFor([] { return RunningPainters() == 0; });
    DestroyWindow(select);
    PumpMessages();
    g_app.hwndSelect = nullptr;
    g_app.playlist = nullptr;
    g_app.playlistCount = 0;
    SetOverlayShown(overlay);
}

}  // namespace
