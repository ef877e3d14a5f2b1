// Drawing helpers shared by the test screens.
#pragma once
#include <windows.h>

// Line from (x0, y0) to (x1, y1) in the selected pen; like LineTo, it omits the end point.
void DrawLine(HDC hdc, int x0, int y0, int x1, int y1);

// Fills `rect` (right and bottom edges excluded) with a solid colour; an empty rectangle paints nothing.
void FillColor(HDC hdc, const RECT* rect, COLORREF color);

// One-pixel lines in `color` across `rect`: a column every `stepX` pixels from its left edge, then a
// row every `stepY` pixels from its top; a step of 0 draws none of that kind.
void DrawHairlineGrid(HDC hdc, const RECT* rect, int stepX, int stepY, COLORREF color);

// Blends `color` over `rect` at the constant opacity `alpha` (0..255).
void BlendColor(HDC hdc, const RECT* rect, COLORREF color, BYTE alpha);

// A font `size` pixels high at 96 DPI, scaled to the device's vertical DPI; the caller deletes it.
HFONT MakeScaledFont(HDC hdc, int size, int weight);

// A font `height` pixels high whatever the DPI, for text that scales with the screen; the caller deletes it.
HFONT MakePixelFont(int height, int weight);

// `size` pixels at 96 DPI as pixels at the DPI of `hdc`.
int ScaleForDpi(HDC hdc, int size);

// Black-to-white gradient over `rect`: mode 0 (GRADIENT_FILL_RECT_H) left to right, 1 top to bottom.
void GradientGray(HDC hdc, const RECT* rect, unsigned long mode);

// White convergence cross-hair (arms, three circles, two dot rows) around (x, y); the centre stays unpainted.
void DrawConvergenceMark(HDC hdc, int x, int y);

// Siemens star: `wedges` black wedges of radius `radius` around (cx, cy), the first from 12 o'clock clockwise.
void DrawSiemensStar(HDC hdc, int cx, int cy, int radius, int wedges);
