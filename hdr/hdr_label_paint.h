// Writing the HDR screens' texts: with GDI on a standard-range picture, or as coverage into a
// half-float frame.
#pragma once
#include <windows.h>

#include <vector>

#include "hdr/hdr_modes.h"

// The font height of the labels of a screen `height` pixels high.
int HdrLabelFontHeight(int height);

// Writes `labels` on `hdc` in white (the full-signal line too: GDI has nothing brighter).
void DrawHdrLabels(HDC hdc, const std::vector<HdrLabel>& labels, int height);

// Writes `labels` into `frame` at `sdrWhiteNits`, the full-signal line at 10 000 cd/m², each
// blended by its text's coverage over what lies beneath.
void PaintHdrLabels(HdrFrame* frame, const std::vector<HdrLabel>& labels, double sdrWhiteNits);
