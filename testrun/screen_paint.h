// What the test window shows, painted in one place for the window, the tools and the tests.
#pragma once
#include <windows.h>

#include "testrun/overlay.h"

// Paints screen `mode` over `rc` (nothing for a number that is no screen), then the overlay for
// `overlay` over it unless that is null. Like the window, `hdc` starts out black.
void PaintTestScreen(HDC hdc, const RECT* rc, int mode, const OverlayRun* overlay);
