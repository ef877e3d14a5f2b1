// The still pictures of the variable-refresh screens: their first frame, drawn with GDI. The test
// window shows them beneath the swap chain, tavro-render paints them, and they stay on the screen
// where Direct3D cannot show the moving frames.
#pragma once
#include <windows.h>

#include "testrun/vrr_schedule.h"

// The first frame of `screen` over `rc`, without the rates' lines.
void DrawVrrStill(HDC hdc, const RECT* rc, VrrScreen screen);

void DrawVrrSweep(HDC hdc, const RECT* rc);
void DrawVrrFlicker(HDC hdc, const RECT* rc);
