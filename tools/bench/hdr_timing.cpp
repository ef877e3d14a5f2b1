// Times each HDR screen's frame: built with its texts, uploaded, presented.
#include "tools/bench/hdr_timing.h"

#include <windows.h>

#include <d3d11.h>

#include "hdr/d3d_presenter.h"
#include "hdr/hdr_label_paint.h"
#include "hdr/hdr_modes.h"
#include "testrun/catalogue.h"
#include "tools/bench/bench_clock.h"
#include "tools/bench/present_timing.h"

namespace {

constexpr int kDefaultRuns = 5;

struct Timings {
    std::vector<double> build, upload, present;
};

// Waits until the device has carried out every command given so far: UpdateSubresource and Present
// only record their work, and the times are those of the work itself.
void WaitForDevice(Presenter* presenter) {
    const D3D11_QUERY_DESC desc = {D3D11_QUERY_EVENT, 0};
    ID3D11Query* query = nullptr;
    if (FAILED(presenter->device->CreateQuery(&desc, &query))) return;
    presenter->context->End(query);
    BOOL done = FALSE;
    while (presenter->context->GetData(query, &done, sizeof(done), 0) == S_FALSE) Sleep(0);
    query->Release();
}

// One frame of screen `mode`, built the way the run builds it (the screen laid out anew, its texts
// at standard-range white), uploaded and presented; the three times go to `timings` when `timed`.
int ShowOneFrame(Presenter* presenter, int mode, HdrFrame* frame, bool timed, Timings* timings) {
    const double peak = ScreensClaimedPeak();
    const double start = BenchNowMs();
    const HdrScreen screen = HdrModeScreen(mode, presenter->width, presenter->height, peak);
    PaintHdrScreen(screen, frame);
    PaintHdrLabels(frame, HdrModeLabels(mode, screen, peak), kSdrWhiteNits);
    const double built = BenchNowMs();
    if (!UploadHalfFrame(presenter, frame->halves.data(), frame->width, frame->height)) return 0;
    WaitForDevice(presenter);
    const double uploaded = BenchNowMs();
    if (FAILED(presenter->swapChain->Present(1, 0))) return 0;
    WaitForDevice(presenter);
    const double presented = BenchNowMs();
    if (timed) {
        timings->build.push_back(built - start);
        timings->upload.push_back(uploaded - built);
        timings->present.push_back(presented - uploaded);
    }
    PumpWaiting();
    return 1;
}

int TimeOneScreen(Presenter* presenter, int mode, int runs, HdrScreenFigures* figures) {
    HdrFrame frame;
    Timings timings;
    // The first frame pays for the frame's memory, which the run keeps from one screen to the next.
    for (int run = 0; run <= runs; ++run) {
        if (!ShowOneFrame(presenter, mode, &frame, run > 0, &timings)) return 0;
    }
    *figures = {mode, SummariseTimes(timings.build), SummariseTimes(timings.upload), SummariseTimes(timings.present)};
    return 1;
}

}  // namespace

int TimeHdrScreens(const std::vector<int>& modes, int width, int height, int runs,
                   std::vector<HdrScreenFigures>* figures, BenchFigure* bitBlt, const char** reason) {
    if (runs <= 0) runs = kDefaultRuns;
    figures->clear();
    HWND window = OpenBenchWindow(width, height);
    if (window == nullptr) {
        *reason = "no window";
        return 0;
    }
    PumpWaiting();
    TimeBitBlt(window, width, height, runs, bitBlt);
    Presenter presenter;
    int ok = StartPresenter(window, width, height, &presenter);
    if (!ok) *reason = PresenterFailureText(presenter.failure);
    for (size_t k = 0; ok && k < modes.size(); ++k) {
        if (!IsHdrMode(modes[k])) continue;
        HdrScreenFigures screen = {};
        ok = TimeOneScreen(&presenter, modes[k], runs, &screen);
        if (ok) figures->push_back(screen);
        if (!ok) *reason = "the frame could not be uploaded or presented";
    }
    if (presenter.swapChain != nullptr) StopPresenter(&presenter);
    DestroyWindow(window);
    PumpWaiting();
    return ok;
}
