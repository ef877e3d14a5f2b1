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

// A font `height` pixels high whatever the DPI, for the text of the patterns, which never scale;
// the caller deletes it.
HFONT MakePixelFont(int height, int weight);

// The panels drawn over the screens (the overlay, the guidance panel, the loupe, the notices, the
// lines of the motion screens) follow the DPI of the monitor under test, which the test window sets
// here; the patterns themselves never do. 96 until set. For the thread that draws the panels.
void SetPanelDpi(int dpi);
int PanelDpi();

// `size` pixels at 96 DPI as pixels at the panel DPI.
int ScaleForPanel(int size);

// A panel font `size` pixels high at 96 DPI, at the panel DPI; the caller deletes it.
HFONT MakePanelFont(int size, int weight);

// Black-to-white gradient over `rect`: mode 0 (GRADIENT_FILL_RECT_H) left to right, 1 top to bottom.
void GradientGray(HDC hdc, const RECT* rect, unsigned long mode);

// White convergence cross-hair (arms, three circles, two dot rows) around (x, y); the centre stays unpainted.
void DrawConvergenceMark(HDC hdc, int x, int y);

// Siemens star: `wedges` black wedges of radius `radius` around (cx, cy), the first from 12 o'clock clockwise.
void DrawSiemensStar(HDC hdc, int cx, int cy, int radius, int wedges);

// A fill of one-pixel stripes or cells: the colour of screen pixel (x, y), repeating every 24 pixels
// (or a divisor of 24) across and down.
typedef COLORREF (*TileColour)(int x, int y);

// Fills `rect` with `colourAt`, repeated from the device context's pixel (0, 0), so that its parity
// is the screen's wherever the rectangle lies. An empty rectangle paints nothing.
void FillTiled(HDC hdc, const RECT* rect, TileColour colourAt);
