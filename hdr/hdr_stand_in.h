// The HDR screens drawn with GDI: what a standard-range picture can show of them, every light
// above standard-range white clipped to white. The run shows them where the FP16 presenter cannot
// (and beneath it); the tools draw them as any other screen.
#pragma once
#include <windows.h>

#include "hdr/hdr_frame.h"

// The 8-bit sRGB colour a standard-range picture gives `colour`: each channel clipped to 0 ...
// 80 cd/m² (scRGB 0 to 1), then sRGB-encoded.
COLORREF StandInColour(const HdrColour& colour);

// Screen `mode` of the HDR card over `rect`, with its texts.
void DrawHdrStandIn(HDC hdc, const RECT* rect, int mode);

void DrawHdrPeakWindow1(HDC hdc, const RECT* rect);
void DrawHdrPeakWindow2(HDC hdc, const RECT* rect);
void DrawHdrPeakWindow5(HDC hdc, const RECT* rect);
void DrawHdrPeakWindow10(HDC hdc, const RECT* rect);
void DrawHdrPeakWindow25(HDC hdc, const RECT* rect);
void DrawHdrPeakWindow50(HDC hdc, const RECT* rect);
void DrawHdrPeakWindow100(HDC hdc, const RECT* rect);
void DrawHdrClipping(HDC hdc, const RECT* rect);
void DrawHdrNearBlack(HDC hdc, const RECT* rect);
void DrawHdrBlooming(HDC hdc, const RECT* rect);
void DrawHdrTenBitSteps(HDC hdc, const RECT* rect);
void DrawHdrWideGamut(HDC hdc, const RECT* rect);
