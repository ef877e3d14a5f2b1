// The running-text fill shared by the three readability screens.
#pragma once
#include <windows.h>

// Fills `rect` with `background` and covers it, line after line down past its bottom edge, with
// the current language's sample sentence in `textColour`.
void DrawReadabilityText(HDC hdc, const RECT* rect, COLORREF background, COLORREF textColour);

// The same fill with an explicit sample; an empty sample leaves just the background.
void DrawSampleFill(HDC hdc, const RECT* rect, COLORREF background, COLORREF textColour, const wchar_t* sample);
