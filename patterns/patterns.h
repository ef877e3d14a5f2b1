// The drawing functions of the 48 test screens. Each paints the whole client rectangle
// (left and top 0) from the rectangle alone and keeps no state.
#pragma once
#include <windows.h>

// Solid colours, brightness and grey scales (modes 0-10).
void DrawWhite(HDC hdc, const RECT* rect);
void DrawBlack(HDC hdc, const RECT* rect);
void DrawRed(HDC hdc, const RECT* rect);
void DrawGreen(HDC hdc, const RECT* rect);
void DrawBlue(HDC hdc, const RECT* rect);
void DrawBrightness1(HDC hdc, const RECT* rect);
void DrawBrightness2(HDC hdc, const RECT* rect);
void DrawBrightness3(HDC hdc, const RECT* rect);
void DrawGrayHorizontal(HDC hdc, const RECT* rect);
void DrawGrayVertical(HDC hdc, const RECT* rect);
void DrawGrayDiagonal(HDC hdc, const RECT* rect);

// Geometry and convergence (modes 11-16).
void DrawGeometry1(HDC hdc, const RECT* rect);
void DrawGeometry2(HDC hdc, const RECT* rect);
void DrawGeometry3(HDC hdc, const RECT* rect);
void DrawConvergenceGrid(HDC hdc, const RECT* rect);
void DrawConvergenceDots(HDC hdc, const RECT* rect);
void DrawConvergencePluge(HDC hdc, const RECT* rect);

// Focus and moire (modes 17-22).
void DrawFocusLines(HDC hdc, const RECT* rect);
void DrawFocusGrid(HDC hdc, const RECT* rect);
void DrawFocusSiemens(HDC hdc, const RECT* rect);
void DrawMoire1(HDC hdc, const RECT* rect);
void DrawMoire2(HDC hdc, const RECT* rect);
void DrawMoire3(HDC hdc, const RECT* rect);

// Readability and resolution (modes 23-28).
void DrawReadability1(HDC hdc, const RECT* rect);
void DrawReadability2(HDC hdc, const RECT* rect);
void DrawReadability3(HDC hdc, const RECT* rect);
void DrawBurst(HDC hdc, const RECT* rect);
void DrawWedge(HDC hdc, const RECT* rect);
void DrawPixelText(HDC hdc, const RECT* rect);

// Colours (modes 29-32).
void DrawColorsSuite(HDC hdc, const RECT* rect);
void DrawRampRed(HDC hdc, const RECT* rect);
void DrawRampGreen(HDC hdc, const RECT* rect);
void DrawRampBlue(HDC hdc, const RECT* rect);

// The sound screen's picture (mode 33).
void DrawSound(HDC hdc, const RECT* rect);

// Levels, gamma, uniformity and flicker (modes 34-41).
void DrawNearBlack(HDC hdc, const RECT* rect);
void DrawNearWhite(HDC hdc, const RECT* rect);
void DrawGamma(HDC hdc, const RECT* rect);
void DrawUniformity5(HDC hdc, const RECT* rect);
void DrawUniformity10(HDC hdc, const RECT* rect);
void DrawUniformity25(HDC hdc, const RECT* rect);
void DrawUniformity50(HDC hdc, const RECT* rect);
void DrawFlicker(HDC hdc, const RECT* rect);

// The motion screens' first frames at 60 Hz (modes 42, 43); patterns/motion.h draws any frame.
void DrawMovingBlocks(HDC hdc, const RECT* rect);
void DrawFrameCheck(HDC hdc, const RECT* rect);

// Chroma and text (modes 44, 45); patterns/chroma_edges.h holds their geometry.
void DrawChroma(HDC hdc, const RECT* rect);
void DrawSubpixelOrder(HDC hdc, const RECT* rect);

// Edges and scaling (modes 46, 47).
void DrawEdges(HDC hdc, const RECT* rect);
void DrawOneToOne(HDC hdc, const RECT* rect);
