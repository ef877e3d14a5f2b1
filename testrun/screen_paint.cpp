// What the test window shows: the screen's pattern, then the overlay.
#include "testrun/screen_paint.h"

#include "testrun/modes.h"

void PaintTestScreen(HDC hdc, const RECT* rc, int mode, const OverlayRun* overlay) {
    if (mode >= 0 && mode < kModeCount && g_drawFuncs[mode] != nullptr) g_drawFuncs[mode](hdc, rc);
    if (overlay != nullptr) DrawOverlay(hdc, rc, overlay);
}
