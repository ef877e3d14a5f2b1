// The HDR screens in standard range, for GDI.
#include "hdr/hdr_stand_in.h"

#include <algorithm>
#include <cmath>

#include "hdr/hdr_label_paint.h"
#include "hdr/hdr_modes.h"
#include "testrun/catalogue.h"

namespace {

int StandInChannel(double nits) {
    const double v = std::min(1.0, std::max(0.0, nits / kScrgbOneNits));
    const double encoded = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
    return static_cast<int>(std::lround(encoded * 255.0));
}

void FillArea(HDC hdc, const RECT* origin, const HdrRect& area, COLORREF colour) {
    const RECT box = {origin->left + area.left, origin->top + area.top, origin->left + area.right,
                      origin->top + area.bottom};
    SetDCBrushColor(hdc, colour);
    FillRect(hdc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

}  // namespace

COLORREF StandInColour(const HdrColour& colour) {
    return RGB(StandInChannel(colour.red), StandInChannel(colour.green), StandInChannel(colour.blue));
}

void DrawHdrStandIn(HDC hdc, const RECT* rect, int mode) {
    const int width = rect->right - rect->left, height = rect->bottom - rect->top;
    if (width <= 0 || height <= 0) return;
    const double peak = ScreensClaimedPeak();
    const HdrScreen screen = HdrModeScreen(mode, width, height, peak);
    FillArea(hdc, rect, {0, 0, width, height}, StandInColour(screen.background));
    for (const HdrPatch& patch : screen.patches) FillArea(hdc, rect, patch.rect, StandInColour(patch.colour));
    std::vector<HdrLabel> labels = HdrModeLabels(mode, screen, peak);
    for (HdrLabel& label : labels) {
        label.rect.left += rect->left;
        label.rect.right += rect->left;
        label.rect.top += rect->top;
        label.rect.bottom += rect->top;
    }
    DrawHdrLabels(hdc, labels, height);
}

void DrawHdrPeakWindow1(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode); }
void DrawHdrPeakWindow2(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode + 1); }
void DrawHdrPeakWindow5(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode + 2); }
void DrawHdrPeakWindow10(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode + 3); }
void DrawHdrPeakWindow25(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode + 4); }
void DrawHdrPeakWindow50(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode + 5); }
void DrawHdrPeakWindow100(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kFirstHdrMode + 6); }
void DrawHdrClipping(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kClippingMode); }
void DrawHdrNearBlack(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kHdrNearBlackMode); }
void DrawHdrBlooming(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kBloomingMode); }
void DrawHdrTenBitSteps(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kTenBitStepsMode); }
void DrawHdrWideGamut(HDC hdc, const RECT* rect) { DrawHdrStandIn(hdc, rect, kWideGamutMode); }
