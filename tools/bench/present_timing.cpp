// Times the FP16 presenter's upload and present against a full-window GDI BitBlt.
#include "tools/bench/present_timing.h"

#include <windows.h>

#include <vector>

#include "hdr/d3d_presenter.h"
#include "tools/bench/bench_clock.h"

namespace {

constexpr int kDefaultRuns = 10;
constexpr uint16_t kHalfOfOne = 0x3C00;

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
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memoryDc, bitmap);
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        static_cast<DWORD*>(bits)[0] = static_cast<DWORD>(run);
        GdiFlush();
        const double start = BenchNowMs();
        BitBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
        GdiFlush();
        if (run > 0) times.push_back(BenchNowMs() - start);
        PumpWaiting();
    }
    SelectObject(memoryDc, old);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);
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
    const int ok = TimeFrames(window, width, height, runs, &figures->uploadPresent, reason);
    DestroyWindow(window);
    PumpWaiting();
    return ok;
}
