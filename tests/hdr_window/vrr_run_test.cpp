// A test run's variable-refresh screens in the real test window: the loop presents numbered frames
// through the presenter that may tear, + and - hold the sweep and Space resumes it without stepping,
// the record keeps each visit, and a machine without tearing or without Direct3D 11 still runs
// them and says variable refresh cannot be used.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/app_state.h"
#include "hdr/d3d_presenter.h"
#include "patterns/offscreen.h"
#include "record/run_record.h"
#include "testrun/catalogue.h"
#include "testrun/motion_run.h"
#include "testrun/paint_ahead.h"
#include "testrun/test_window.h"
#include "testrun/vrr_view.h"
#include "tests/support/d3d_loader.h"
#include "tests/support/test_run.h"
#include "tests/support/window_messages.h"

namespace {

HRESULT Refuses(IDXGIFactory2*, BOOL* allowed) {
    *allowed = FALSE;
    return S_OK;
}

// The note's yellow in the top quarter of what the window shows.
long YellowAtTheTop(HWND hwnd) {
    RECT client;
    GetClientRect(hwnd, &client);
    Offscreen top;
    if (!CreateOffscreen(client.right, client.bottom / 4, &top)) return -1;
    HDC window = GetDC(hwnd);
    BitBlt(top.dc, 0, 0, top.width, top.height, window, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, window);
    GdiFlush();
    long yellow = 0;
    for (int p = 0; p < top.width * top.height; ++p) yellow += (top.bits[p] & 0xFFFFFF) == 0xFFFF00;
    DeleteOffscreen(&top);
    return yellow;
}

class VrrRun : public ::testing::Test {
protected:
    void SetUp() override {
        g_app.hInstance = GetModuleHandleW(nullptr);
        g_lang = 0;
        SetMonitorRateForTests(120);
    }
    void TearDown() override {
        EndTestRun(10000);
        SetMonitorRateForTests(0);
    }
    void Run(std::vector<int> modes) {
        playlist = std::move(modes);
        hwnd = StartTestRun(&playlist);
        ASSERT_NE(hwnd, nullptr);
        UpdateWindow(hwnd);
    }
    void Key(WPARAM key) {
        SendMessageW(hwnd, WM_KEYDOWN, key, 0);
    }
    // Waits until the loop has presented `more` frames beyond those presented so far.
    bool Presents(long long more) {
        const long long target = VrrViewNow().presents + more;
        return PumpUntil([target] { return VrrViewNow().presents >= target; }, 10000);
    }
    HWND hwnd = nullptr;
    std::vector<int> playlist;
};

TEST_F(VrrRun, SweepPresentsNumberedFramesAndTakesItsKeys) {
    Run({kVrrSweepMode, kVrrFlickerMode, 0});
    VrrViewProgress now = VrrViewNow();
    if (now.failure != kPresenterOk) GTEST_SKIP() << "no Direct3D 11 device here";
    ASSERT_TRUE(VrrViewShown());
    EXPECT_EQ(kVrrSweepMode, now.mode);
    EXPECT_EQ(48, now.lowHz);  // no EDID under Xvfb: no range claimed
    EXPECT_EQ(120, now.highHz);
    // Where DXGI allows tearing the frames present with it and the screen needs no note.
    EXPECT_EQ(now.tearing == kTearingAllowed, VrrScreenNote(kVrrSweepMode) == nullptr) << now.tearing;

    // Each frame read back before its present carries the number after the one before.
    ProbeVrrFrames(6);
    uint32_t numbers[6] = {};
    ASSERT_TRUE(PumpUntil([&numbers] { return VrrProbedNumbers(numbers, 6) == 6; }, 10000));
    for (int k = 1; k < 6; ++k) EXPECT_EQ(numbers[k - 1] + 1, numbers[k]) << k;

    // + holds the sweep at a whole rate, the keypad's + and - move it by one, Space sweeps again:
    // none of them steps to another screen.
    const struct {
        WPARAM key;
        int held;
        double step;  // from the rate before; NAN: not compared
    } kKeys[] = {{VK_OEM_PLUS, 1, NAN}, {VK_ADD, 1, 1}, {VK_SUBTRACT, 1, -1}, {VK_OEM_MINUS, 1, -1}, {VK_SPACE, 0, NAN}};
    for (const auto& k : kKeys) {
        SCOPED_TRACE(k.key);
        const double before = VrrViewNow().targetHz;
        Key(k.key);
        ASSERT_TRUE(Presents(3));
        now = VrrViewNow();
        EXPECT_EQ(k.held, now.held);
        if (k.held) {
            EXPECT_EQ(std::round(now.targetHz), now.targetHz);
        }
        if (!std::isnan(k.step)) {  // by one, but never out of the range
            EXPECT_EQ(std::fmin(std::fmax(before + k.step, now.lowHz), now.highHz), now.targetHz);
        }
        EXPECT_EQ(0, g_app.playlistPos);
    }

    // Right steps on: the sweep's visit is recorded with every frame presented, the flicker screen
    // starts its own loop.
    const long long presented = VrrViewNow().presents;
    EXPECT_GE(presented, 5 + 15);  // the sixth probed frame may still wait for its present
    Key(VK_RIGHT);
    EXPECT_EQ(1, g_app.playlistPos);
    const VrrFigures& sweep = CurrentRunRecord()->findings.vrr[0];
    EXPECT_EQ(1, sweep.visits);
    EXPECT_GE(sweep.frames, presented);
    EXPECT_EQ(sweep.variableRefresh != 0, now.tearing == kTearingAllowed);
    EXPECT_GE(sweep.sweptLowHz, 48);
    EXPECT_LE(sweep.sweptHighHz, 120);
    EXPECT_GT(sweep.presentedHighHz, 0);
    EXPECT_EQ(kVrrFlickerMode, VrrViewNow().mode);
    ASSERT_TRUE(Presents(2));
    Key(VK_SPACE);  // the flicker screen has no use for the sweep's keys: Space steps on
    EXPECT_EQ(2, g_app.playlistPos);

    // Esc ends the run: the loop stops and the presenter lets go of every reference.
    Key(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(VrrViewShown());
    EXPECT_EQ(0u, VrrLastRelease());
    EXPECT_EQ(1, CurrentRunRecord()->findings.vrr[1].visits);
}

int g_presentsLeft;
HRESULT FailsAfterSome(IDXGISwapChain1* chain, UINT sync, UINT flags) {
    if (g_presentsLeft-- <= 0) return DXGI_ERROR_INVALID_CALL;
    return chain->Present(sync, flags);
}

TEST_F(VrrRun, TheViewFollowsTheWindowAndGivesWayWhenItsFramesStop) {
    // Stepped past before any frame could come: the visit still says whether VRR can be used.
    Run({kVrrSweepMode, 0});
    const VrrViewProgress started = VrrViewNow();
    if (started.failure != kPresenterOk) GTEST_SKIP() << "no Direct3D 11 device here";
    Key(VK_RIGHT);
    EXPECT_EQ(started.tearing == kTearingAllowed, CurrentRunRecord()->findings.vrr[0].variableRefresh != 0);
    Key(VK_ESCAPE);

    // A new size: a view of the new size presents on.
    Run({kVrrSweepMode, 0});
    SetWindowPos(hwnd, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(VrrViewMatches(kVrrSweepMode, 800, 600));
    EXPECT_TRUE(VrrViewShown());
    EXPECT_TRUE(Presents(2));
    Key(VK_ESCAPE);

    // Presents refused after three: the view goes, the still picture says why, and the visit used
    // no variable refresh.
    const PresenterSeam failing = {RealCreateDevice(), RealCreateFactory(), nullptr, FailsAfterSome, nullptr};
    PresenterSeamGuard guard(&failing);
    g_presentsLeft = 3;
    Run({kVrrSweepMode, 0});
    ASSERT_TRUE(PumpUntil([] { return !VrrViewShown(); }, 10000));
    EXPECT_EQ(kPresenterPresentFailed, VrrViewNow().failure);
    ASSERT_NE(nullptr, VrrScreenNote(kVrrSweepMode));
    EXPECT_NE(nullptr, wcsstr(VrrScreenNote(kVrrSweepMode), L"still picture"));
    UpdateWindow(hwnd);
    EXPECT_GT(YellowAtTheTop(hwnd), 50);
    Key(VK_RIGHT);
    EXPECT_EQ(1, g_app.playlistPos);
    EXPECT_EQ(0, CurrentRunRecord()->findings.vrr[0].variableRefresh);
    EXPECT_EQ(3, CurrentRunRecord()->findings.vrr[0].frames);
    Key(VK_ESCAPE);
    EXPECT_EQ(0u, VrrLastRelease());
}

TEST_F(VrrRun, WithoutTearingOrDirect3dTheScreensRunAndSaySo) {
    const CreateDeviceFn device = RealCreateDevice();
    const CreateFactoryFn factory = RealCreateFactory();
    if (device != nullptr && factory != nullptr) {
        // DXGI refuses tearing: the normal flip presenter shows the frames, and the note says why.
        const PresenterSeam refused = {device, factory, nullptr, nullptr, Refuses};
        PresenterSeamGuard guard(&refused);
        Run({kVrrSweepMode, 0});
        if (VrrViewNow().failure == kPresenterOk) {
            EXPECT_EQ(kTearingRefused, VrrViewNow().tearing);
            EXPECT_TRUE(Presents(2));
            ASSERT_NE(nullptr, VrrScreenNote(kVrrSweepMode));
            EXPECT_NE(nullptr, wcsstr(VrrScreenNote(kVrrSweepMode), L"does not allow tearing"));
            Key(VK_ESCAPE);
            EXPECT_EQ(0, CurrentRunRecord()->findings.vrr[0].variableRefresh);
            EXPECT_GT(CurrentRunRecord()->findings.vrr[0].frames, 0);
        } else {
            Key(VK_ESCAPE);
        }
    }
    // No Direct3D 11: the still picture with the note on it; Space still steps nowhere, Right does.
    const PresenterSeam noD3d11 = {nullptr, nullptr, nullptr, nullptr, nullptr};
    PresenterSeamGuard guard(&noD3d11);
    Run({kVrrSweepMode, 0});
    EXPECT_FALSE(VrrViewShown());
    EXPECT_EQ(kPresenterNoD3d11, VrrViewNow().failure);
    ASSERT_NE(nullptr, VrrScreenNote(kVrrSweepMode));
    EXPECT_NE(nullptr, wcsstr(VrrScreenNote(kVrrSweepMode), L"still picture"));
    InvalidateRect(hwnd, nullptr, FALSE);
    UpdateWindow(hwnd);
    EXPECT_GT(YellowAtTheTop(hwnd), 50);
    Key(VK_SPACE);
    EXPECT_EQ(0, g_app.playlistPos);
    Key(VK_RIGHT);
    EXPECT_EQ(1, g_app.playlistPos);
    EXPECT_EQ(1, CurrentRunRecord()->findings.vrr[0].visits);
    EXPECT_EQ(0, CurrentRunRecord()->findings.vrr[0].frames);
    UpdateWindow(hwnd);
    EXPECT_EQ(0, YellowAtTheTop(hwnd));  // the white screen after it carries no note
    Key(VK_ESCAPE);
}

}  // namespace
