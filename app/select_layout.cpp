// The selection window's shared controls and the places of its controls in the 96-DPI layout.
#include "app/select_layout.h"

#include "app/display_scale.h"

HWND g_hHdrTitle;
HWND g_hHdrSub;
HWND g_hLangCombo;
HWND g_hCatChecks[15];
HWND g_hBtnStart;
HWND g_hBtnAuto;
HWND g_hBtnSettings;
HWND g_hBtnAbout;
HWND g_hHint1;
HWND g_hHint2;
HWND g_hCopyright;
int g_catChecked[15];

namespace {

// Every child control's place at 96 DPI, for laying it out at another.
struct ControlPlace {
    HWND control;
    RECT at96;
};
constexpr int kMaxPlaces = 40;
ControlPlace g_places[kMaxPlaces];
int g_placeCount;
int g_layoutDpi = kBaseDpi;

}  // namespace

int SelectLayoutDpi() {
    return g_layoutDpi;
}

void PlaceSelectControl(HWND control, int x, int y, int width, int height) {
    if (control == nullptr || g_placeCount >= kMaxPlaces) return;
    g_places[g_placeCount++] = {control, {x, y, x + width, y + height}};
    if (g_layoutDpi != kBaseDpi) {
        MoveWindow(control, ScaleToDpi(x, g_layoutDpi), ScaleToDpi(y, g_layoutDpi), ScaleToDpi(width, g_layoutDpi),
                   ScaleToDpi(height, g_layoutDpi), FALSE);
    }
}

void BeginSelectLayout(int dpi) {
    g_placeCount = 0;
    g_layoutDpi = dpi;
}

void MoveSelectControls(int dpi) {
    g_layoutDpi = dpi;
    for (int k = 0; k < g_placeCount; ++k) {
        const RECT& r = g_places[k].at96;
        MoveWindow(g_places[k].control, ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi),
                   ScaleToDpi(r.right - r.left, dpi), ScaleToDpi(r.bottom - r.top, dpi), FALSE);
    }
}
