// A test run's HDR screens in the real test window: the frames the FP16 view shows, the panels in
// them, the note when HDR is off, and a run where Direct3D 11 is missing.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/app_state.h"
#include "hdr/half_float.h"
#include "hdr/hdr_label_paint.h"
#include "hdr/hdr_modes.h"
#include "hdr/hdr_support.h"
#include "hdr/hdr_texts.h"
#include "hdr/hdr_view.h"
#include "monitor/colour_facts.h"
#include "testrun/catalogue.h"
#include "testrun/overlay.h"
#include "testrun/paint_ahead.h"
#include "testrun/test_window.h"
#include "tests/support/d3d_loader.h"
#include "tests/support/test_run.h"
#include "tests/support/display_answers.h"
#include "tests/support/window_messages.h"

namespace {

constexpr uint16_t kHalfOf125 = 0x57D0;  // 10 000 cd/m² in scRGB

// The frame of `mode` as the generators make it, labels at scRGB's white.
HdrFrame GeneratedFrame(int mode, int width, int height) {
    const HdrScreen screen = HdrModeScreen(mode, width, height, ScreensClaimedPeak());
    HdrFrame frame;
    PaintHdrScreen(screen, &frame);
    PaintHdrLabels(&frame, HdrModeLabels(mode, screen, ScreensClaimedPeak()), 80.0);
    return frame;
}

// The half of an 8-bit sRGB level at 80 cd/m² white, computed here from the sRGB curve.
uint16_t SdrHalf(int level) {
    const double c = level / 255.0;
    return FloatToHalf(static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4)));
}

class HdrRun : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.hInstance = GetModuleHandleW(nullptr);
        g_lang = 0;
        DisplayAnswers answers = {};
        answers.info = {1, kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled, 0, 10};  // HDR on
        StandInDisplayAnswers(answers);
    }
    void TearDown() override {
        EndTestRun(30000);
        StopDisplayStandIn();
        NoteHdrRunFailure(kPresenterOk);
    }
    void Run(std::vector<int> modes) {
        playlist = std::move(modes);
        hwnd = StartTestRun(&playlist);
        ASSERT_NE(hwnd, nullptr);
        Paint();
    }
    void Paint() {
        PumpUntil([] { return ScreenShowable(g_app.playlist[g_app.playlistPos]) != 0; }, 30000);
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    HWND hwnd = nullptr;
    std::vector<int> playlist;
};

// Whether Direct3D 11 gives a device here at all (32-bit Wine without Mesa's drivers does not).
bool ViewRuns() { return HdrViewFailure() == kPresenterOk && HdrViewShown(); }

TEST_F(HdrRun, FramesHoldTheScreensLightAndThePanelsAtSdrWhite) {
    Run({kFirstHdrMode, kWideGamutMode, 0});
    if (!ViewRuns()) GTEST_SKIP() << "no Direct3D 11 device here";
    RECT client;
    GetClientRect(hwnd, &client);
    for (const SIZE size : {SIZE{client.right, client.bottom}, SIZE{3840, 2160}}) {
        SCOPED_TRACE(size.cx);
        SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        const int steps = size.cx == 3840 ? 1 : 2;  // at 4K the peak window only: each frame takes seconds here
        for (int step = 0; step < steps; ++step) {
            const int mode = g_app.playlist[g_app.playlistPos];
            SCOPED_TRACE(mode);
            Paint();
            SetOverlayShown(1);  // after the picture is prepared: its own timer may have hidden it meanwhile
            InvalidateRect(hwnd, nullptr, FALSE);
            UpdateWindow(hwnd);
            int width = 0, height = 0;
            std::vector<uint16_t> held(static_cast<size_t>(size.cx) * size.cy * 4);
            ASSERT_TRUE(ReadBackHdrView(held.data(), &width, &height));
            ASSERT_EQ(size.cx, width);
            const HdrFrame generated = GeneratedFrame(mode, width, height);
            // Everything but the overlay's panel is the generated frame; the panel is the window's
            // own picture of it at standard-range white.
            uint32_t* picture = nullptr;
            HdrCanvas(width, height, &picture);
            long panelPixels = 0, wrong = 0;
            for (size_t p = 0; p < held.size() / 4; ++p) {
                const bool generatedHere = std::equal(&held[p * 4], &held[p * 4 + 4], &generated.halves[p * 4]);
                if (generatedHere) continue;
                ++panelPixels;
                const uint32_t pixel = picture[p];
                const bool sdr = held[p * 4] == SdrHalf((pixel >> 16) & 0xFF) &&
                                 held[p * 4 + 1] == SdrHalf((pixel >> 8) & 0xFF) && held[p * 4 + 2] == SdrHalf(pixel & 0xFF);
                const int y = static_cast<int>(p / width);
                wrong += !sdr || y < height / 2;  // the overlay sits in the bottom half
            }
            EXPECT_GT(panelPixels, 1000);
            EXPECT_EQ(0, wrong);
            if (mode == kFirstHdrMode) {
                EXPECT_EQ(kHalfOf125, held[(static_cast<size_t>(height / 2) * width + width / 2) * 4]);
            }
            // Without the overlay the frame is the generated one, to the last half.
            HideOSD(hwnd);
            UpdateWindow(hwnd);
            ASSERT_TRUE(ReadBackHdrView(held.data(), &width, &height));
            EXPECT_TRUE(held == generated.halves);
            AdvanceMode(hwnd, +1);
        }
        GotoMode(hwnd, 0);
    }
    // The guidance panel and the loupe reach the frame as on any screen, at standard-range white.
    GotoMode(hwnd, 0);
    Paint();
    HideOSD(hwnd);
    for (const WPARAM key : {static_cast<WPARAM>('H'), static_cast<WPARAM>('M')}) {
        SCOPED_TRACE(static_cast<char>(key));
        SendMessageW(hwnd, WM_KEYDOWN, key, 0);
        UpdateWindow(hwnd);
        int width = 0, height = 0;
        const uint16_t* frame = LastHdrFrame(&width, &height);
        ASSERT_NE(nullptr, frame);
        const HdrFrame generated = GeneratedFrame(kFirstHdrMode, width, height);
        long panel = 0;
        for (size_t h = 0; h < generated.halves.size(); ++h) panel += frame[h] != generated.halves[h];
        EXPECT_GT(panel, 1000);
        SendMessageW(hwnd, WM_KEYDOWN, key, 0);  // closed again
    }
    // A screen that is not HDR: the view steps aside and the window shows its GDI picture.
    GotoMode(hwnd, 2);
    Paint();
    EXPECT_EQ(0, g_app.playlist[g_app.playlistPos]);
    EXPECT_FALSE(HdrViewShown());
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    int width = 0, height = 0;
    EXPECT_EQ(nullptr, LastHdrFrame(&width, &height));
}

// Counts pixels of the note's yellow in the top quarter of the window's picture.
long YellowAtTheTop(int width, int height) {
    uint32_t* picture = nullptr;
    HdrCanvas(width, height, &picture);
    long yellow = 0;
    for (int p = 0; p < width * height / 4; ++p) yellow += (picture[p] & 0xFFFFFF) == 0xFFFF00;
    return yellow;
}

TEST_F(HdrRun, ScreensSayWhenHdrIsOffAndWhenTheFramesCannotBeShown) {
    // HDR off: the note is on the screen, and in the frame at standard-range white.
    DisplayAnswers sdr = {};
    sdr.info = {1, kInfoAdvancedColourSupported, 0, 8};
    StandInDisplayAnswers(sdr);
    Run({kClippingMode, 0});
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_GT(YellowAtTheTop(client.right, client.bottom), 50);
    if (ViewRuns()) {
        int width = 0, height = 0;
        const uint16_t* frame = LastHdrFrame(&width, &height);
        long yellow = 0;
        for (int p = 0; p < width * height / 4; ++p)
            yellow += frame[p * 4] == 0x3C00 && frame[p * 4 + 1] == 0x3C00 && frame[p * 4 + 2] == 0;
        EXPECT_GT(yellow, 50);
    }
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);

    // HDR on: no note, unless the frames cannot be shown here at all (no Direct3D 11).
    DisplayAnswers hdr = {};
    hdr.info = {1, kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled, 0, 10};
    StandInDisplayAnswers(hdr);
    Run({kClippingMode, 0});
    EXPECT_EQ(HdrViewFailure() != kPresenterOk, YellowAtTheTop(client.right, client.bottom) > 0);
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);

    // No Direct3D 11: the GDI picture with the reason on it, and the run goes on.
    const PresenterSeam noD3d11 = {nullptr, nullptr, nullptr, nullptr, nullptr};
    PresenterSeamGuard guard(&noD3d11);
    EXPECT_EQ(kPresenterNoD3d11, HdrSupportFailure());
    Run({kClippingMode, 0});
    EXPECT_FALSE(HdrViewShown());
    EXPECT_EQ(kPresenterNoD3d11, HdrViewFailure());
    EXPECT_GT(YellowAtTheTop(client.right, client.bottom), 50);
    SendMessageW(hwnd, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(1, g_app.playlistPos);
    SendMessageW(hwnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
