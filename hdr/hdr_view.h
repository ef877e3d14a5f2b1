// The HDR screens of a run, shown at their luminances through the FP16 presenter in a child
// window laid over the whole test window. The test window keeps the keys, the clicks and its own
// GDI picture beneath; its panels are carried into each frame at standard-range white.
#pragma once
#include <windows.h>

#include <stdint.h>

#include "hdr/d3d_presenter.h"

// Shows HDR screen `mode` over the test window `parent`'s client area, `width` x `height`.
// `picture` is what the test window painted with GDI (32-bit pixels, rows top-down, that size):
// inside the `count` rectangles of `covered` (its panels) the frame takes those pixels at the SDR
// white level, elsewhere the screen's own light. The presenter starts on the first call of a run.
// Returns nonzero where the frame was shown; zero where the presenter cannot show it (then the
// view is hidden and HdrViewFailure says why).
int ShowHdrView(HWND parent, int mode, const uint32_t* picture, int width, int height, const RECT* covered, int count);

// A memory picture of `width` x `height` 32-bit pixels, rows top-down, for the test window to
// paint an HDR screen's GDI picture into and hand to ShowHdrView; kept for the run. Null where
// there is no memory for it.
HDC HdrCanvas(int width, int height, uint32_t** bits);

// A screen that is not HDR is shown: the view steps aside, the presenter stays ready.
void HideHdrView();

// The run ends: the view and the presenter are released.
void StopHdrView();

// Why the run's presenter cannot show the frames (kPresenterOk while it can or has not tried).
PresenterFailure HdrViewFailure();

// Nonzero while the view covers the test window.
int HdrViewShown();

// For tests: the frame last shown, uploaded again and read back from the swap chain's back buffer
// into `halves` (width x height x 4), and its size. Zero where there is none.
int ReadBackHdrView(uint16_t* halves, int* width, int* height);

// For tests: the frame last shown, as built (`halves` width x height x 4).
const uint16_t* LastHdrFrame(int* width, int* height);
