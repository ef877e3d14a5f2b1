// The help overlay: a half-second panel naming the screen, drawn over the pattern after each step.
#pragma once
#include <windows.h>

// Shows the overlay and (re)starts its 500 ms timer.
void ShowOSD(HWND hwnd);

// Hides the overlay if it is shown.
void HideOSD(HWND hwnd);

// Draws the overlay panel over the pattern already on `hdc`, light or dark by the centre pixel.
void DrawOSD(HDC hdc, const RECT* rc);

// "Esc exit" in language `lang` (English for an index outside the languages).
const wchar_t* ExitLabel(int lang);

// The three texts of the panel for the current play-list entry.
struct OverlayTexts {
    wchar_t position[128];   // "Solid Colors · 1/34"
    wchar_t title[128];      // "White"
    wchar_t exitLabel[64];   // "Esc exit"
};
void FormatOverlayTexts(OverlayTexts* texts);
