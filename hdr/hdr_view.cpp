// The HDR view: a child window with the FP16 swap chain, its frames built from the screen's
// generator and the test window's panels.
#include "hdr/hdr_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/app_state.h"
#include "hdr/half_float.h"
#include "hdr/hdr_label_paint.h"
#include "hdr/hdr_modes.h"
#include "hdr/hdr_support.h"
#include "hdr/view_window.h"
#include "monitor/colour_facts.h"
#include "patterns/offscreen.h"

namespace {

const wchar_t kHdrViewClass[] = L"TAVROHdrView";

HWND g_view;
Presenter g_presenter;
int g_presenterStarted;
PresenterFailure g_failure = kPresenterOk;

// The screen's frame with its labels, kept while the same screen is shown again (each overlay or
// panel change paints anew), and the frame shown: that one with the panels in it.
HdrFrame g_built;
int g_builtMode = -1;
double g_builtPeak, g_builtWhite;
HdrFrame g_shown;

// The test window's GDI picture of the HDR screen shown.
Offscreen g_canvas;

int CreateView(HWND parent, int width, int height) {
    if (g_view != nullptr && GetParent(g_view) == parent) return 1;
    g_view = CreateViewWindow(parent, kHdrViewClass, width, height);
    return g_view != nullptr;
}

int Failed(PresenterFailure failure) {
    g_failure = failure;
    NoteHdrRunFailure(failure);
    HideHdrView();
    return 0;
}

int ReadyPresenter(int width, int height) {
    if (!g_presenterStarted) {
        g_presenterStarted = 1;
        if (!StartPresenter(g_view, width, height, &g_presenter)) return Failed(g_presenter.failure);
        NoteHdrRunFailure(kPresenterOk);
        return 1;
    }
    if (g_presenter.swapChain == nullptr) return 0;
    if (g_presenter.width == width && g_presenter.height == height) return 1;
    return ResizePresenter(&g_presenter, width, height) ? 1 : Failed(g_presenter.failure);
}

void BuildScreen(int mode, int width, int height) {
    const double peak = ScreensClaimedPeak(), white = SdrWhiteNitsOf(CurrentColourFacts());
    const bool same = g_builtMode == mode && g_built.width == width && g_built.height == height &&
                      g_builtPeak == peak && g_builtWhite == white;
    if (same) return;
    const HdrScreen screen = HdrModeScreen(mode, width, height, peak);
    PaintHdrScreen(screen, &g_built);
    PaintHdrLabels(&g_built, HdrModeLabels(mode, screen, peak), white);
    g_builtMode = mode;
    g_builtPeak = peak;
    g_builtWhite = white;
}

// The halves of each 8-bit sRGB level at the SDR white level.
void SdrHalves(double white, uint16_t halves[256]) {
    for (int v = 0; v < 256; ++v) {
        const double c = v / 255.0;
        const double linear = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        halves[v] = FloatToHalf(static_cast<float>(linear * white / kScrgbOneNits));
    }
}

// The panels' pixels of `picture` inside `covered`, at the SDR white level, over the built frame.
void ComposePanels(const uint32_t* picture, const RECT* covered, int count) {
    g_shown = g_built;
    uint16_t levels[256];
    SdrHalves(g_builtWhite, levels);
    const int width = g_shown.width, height = g_shown.height;
    for (int k = 0; k < count; ++k) {
        const int left = std::max(0, static_cast<int>(covered[k].left));
        const int right = std::min(width, static_cast<int>(covered[k].right));
        const int top = std::max(0, static_cast<int>(covered[k].top));
        const int bottom = std::min(height, static_cast<int>(covered[k].bottom));
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                const uint32_t pixel = picture[static_cast<size_t>(y) * width + x];
                uint16_t* half = &g_shown.halves[(static_cast<size_t>(y) * width + x) * 4];
                half[0] = levels[(pixel >> 16) & 0xFF];
                half[1] = levels[(pixel >> 8) & 0xFF];
                half[2] = levels[pixel & 0xFF];
            }
        }
    }
}

}  // namespace

int ShowHdrView(HWND parent, int mode, const uint32_t* picture, int width, int height, const RECT* covered, int count) {
    if (g_failure != kPresenterOk || width <= 0 || height <= 0) return 0;
    if (!CreateView(parent, width, height)) return Failed(kPresenterNoSwapChain);
    SetWindowPos(g_view, HWND_BOTTOM, 0, 0, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (!ReadyPresenter(width, height)) return 0;
    BuildScreen(mode, width, height);
    ComposePanels(picture, covered, count);
    if (!ShowHalfFrame(&g_presenter, g_shown.halves.data(), width, height)) return Failed(g_presenter.failure);
    return 1;
}

HDC HdrCanvas(int width, int height, uint32_t** bits) {
    if (g_canvas.dc == nullptr || g_canvas.width != width || g_canvas.height != height) {
        DeleteOffscreen(&g_canvas);
        if (!CreateOffscreen(width, height, &g_canvas)) return nullptr;
    }
    *bits = g_canvas.bits;
    return g_canvas.dc;
}

void HideHdrView() {
    if (g_view != nullptr && IsWindowVisible(g_view)) ShowWindow(g_view, SW_HIDE);
}

void StopHdrView() {
    StopPresenter(&g_presenter);
    g_presenter = Presenter{};
    g_presenterStarted = 0;
    g_failure = kPresenterOk;
    if (g_view != nullptr && IsWindow(g_view)) DestroyWindow(g_view);
    g_view = nullptr;
    DeleteOffscreen(&g_canvas);
    g_built = HdrFrame{};
    g_shown = HdrFrame{};
    g_builtMode = -1;
}

PresenterFailure HdrViewFailure() { return g_failure; }

int HdrViewShown() { return g_view != nullptr && IsWindowVisible(g_view); }

int ReadBackHdrView(uint16_t* halves, int* width, int* height) {
    if (g_presenter.swapChain == nullptr || g_shown.halves.empty()) return 0;
    *width = g_shown.width;
    *height = g_shown.height;
    if (!UploadHalfFrame(&g_presenter, g_shown.halves.data(), g_shown.width, g_shown.height)) return 0;
    return ReadBackHalves(&g_presenter, halves);
}

const uint16_t* LastHdrFrame(int* width, int* height) {
    *width = g_shown.width;
    *height = g_shown.height;
    return g_shown.halves.empty() ? nullptr : g_shown.halves.data();
}
