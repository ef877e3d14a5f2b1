// The line an HDR screen carries when its light cannot reach the monitor as asked: HDR is off,
// or the frames cannot be shown at all.
#pragma once
#include <windows.h>

// The note for HDR screen `mode` now, or null where it needs none: the presenter's failure
// (`failure`, kPresenterOk for none) first, else HDR being off for the tested monitor.
const wchar_t* HdrScreenNote(int mode, int failure);

// Writes `note` in yellow on a dark panel centred at the top of `rc`, wrapped within it; returns
// the panel.
RECT DrawHdrNote(HDC hdc, const RECT* rc, const wchar_t* note);
