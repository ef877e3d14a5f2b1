// Times the FP16 presenter's upload and present against a full-window GDI BitBlt.
#include "tools/bench/present_timing.h"

#include <windows.h>

#include <vector>

#include "hdr/d3d_motion_frame.h"
#include "hdr/d3d_presenter.h"
#include "patterns/offscreen.h"
#include "tools/bench/bench_clock.h"

namespace {

constexpr int kDefaultRuns = 10;
constexpr uint16_t kHalfOfOne = 0x3C00;
constexpr int kBarsTravel = 256;  // the backdrop's width beyond the screen's
constexpr int kBlockSide = 128;
constexpr int kTextWidth = 640, kTextHeight = 96;

// Each frame differs from the last, as a screen change does.
int TimeFrames(HWND window, int width, int height, int runs, BenchFigure* figure, const char** reason) {
    Presenter presenter;
    if (!StartPresenter(window, width, height, &presenter)) {
        *reason = PresenterFailureText(presenter.failure);
        return 0;
    }
    std::vector<uint16_t> halves(static_cast<size_t>(width) * height * 4, kHalfOfOne);
    std::vector<double> times;
    int ok = 1;
    for (int run = 0; ok && run <= runs; ++run) {
        halves[static_cast<size_t>(run) * 4] = static_cast<uint16_t>(run);
        const double start = BenchNowMs();
        ok = ShowHalfFrame(&presenter, halves.data(), width, height);
        if (run > 0) times.push_back(BenchNowMs() - start);  // the first pays for the buffers' creation
        PumpWaiting();
    }
    if (!ok) *reason = PresenterFailureText(presenter.failure);
    StopPresenter(&presenter);
    *figure = SummariseTimes(times);
    return ok;
}

// A variable-refresh screen's frame: the bars scrolled on, the block, a text region and the frame
// number over them, presented at once.
int TimeMotionFrames(HWND window, int width, int height, int runs, PresentFigures* figures) {
    const PresenterOptions options = {kPresenterBgra8, 1};
    Presenter presenter;
    if (!StartPresenterWith(window, width, height, &options, &presenter)) return 0;
    figures->tearing = presenter.tearing == kTearingAllowed;
    std::vector<uint32_t> bars(static_cast<size_t>(width + kBarsTravel) * height);
    for (size_t i = 0; i < bars.size(); ++i) bars[i] = (i % (width + kBarsTravel)) / 32 % 2 ? 0xFFFFFFFFu : 0xFF000000u;
    const std::vector<uint32_t> block(kBlockSide * kBlockSide, 0xFF808080u);
    const std::vector<uint32_t> text(kTextWidth * kTextHeight, 0xFF202020u);
    ScrollBackdrop backdrop;
    int ok = MakeScrollBackdrop(&presenter, bars.data(), width + kBarsTravel, height, &backdrop);
    std::vector<double> times;
    for (int run = 0; ok && run <= runs; ++run) {
        const PixelPatch patches[] = {
            {(run * 8) % (width - kBlockSide + 1), (height - kBlockSide) / 2, kBlockSide, kBlockSide, block.data()},
            {0, 1, kTextWidth < width ? kTextWidth : width, kTextHeight < height ? kTextHeight : height, text.data()},
        };
        const double start = BenchNowMs();
        ok = DrawScrolled(&presenter, &backdrop, (run * 8) % kBarsTravel) &&
             DrawPatches(&presenter, patches, width >= kBlockSide && height > kBlockSide ? 2 : 0) &&
             DrawFrameNumber(&presenter, static_cast<uint32_t>(run)) && PresentNow(&presenter);
        if (run > 0) times.push_back(BenchNowMs() - start);
        PumpWaiting();
    }
    FreeScrollBackdrop(&backdrop);
    StopPresenter(&presenter);
    figures->motionFrame = SummariseTimes(times);
    return ok;
}

}  // namespace

HWND OpenBenchWindow(int width, int height) {
    static ATOM atom;
    if (atom == 0) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"TavroBenchPresent";
        atom = RegisterClassW(&wc);
    }
    return CreateWindowExW(0, L"TavroBenchPresent", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void PumpWaiting() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void TimeBitBlt(HWND window, int width, int height, int runs, BenchFigure* figure) {
    Offscreen picture;
    if (!CreateOffscreen(width, height, &picture)) {
        *figure = {};
        return;
    }
    HDC windowDc = GetDC(window);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        picture.bits[0] = static_cast<uint32_t>(run);
        GdiFlush();
        const double start = BenchNowMs();
        BitBlt(windowDc, 0, 0, width, height, picture.dc, 0, 0, SRCCOPY);
        GdiFlush();
        if (run > 0) times.push_back(BenchNowMs() - start);
        PumpWaiting();
    }
    ReleaseDC(window, windowDc);
    DeleteOffscreen(&picture);
    *figure = SummariseTimes(times);
}

int TimePresent(int width, int height, int runs, PresentFigures* figures, const char** reason) {
    if (runs <= 0) runs = kDefaultRuns;
    HWND window = OpenBenchWindow(width, height);
    if (window == nullptr) {
        *reason = "no window";
        return 0;
    }
    PumpWaiting();
    TimeBitBlt(window, width, height, runs, &figures->bitBlt);
    int ok = TimeFrames(window, width, height, runs, &figures->uploadPresent, reason);
    if (ok && !TimeMotionFrames(window, width, height, runs * 10, figures)) {
        *reason = "the 8-bit presenter failed";
        ok = 0;
    }
    DestroyWindow(window);
    PumpWaiting();
    return ok;
}
