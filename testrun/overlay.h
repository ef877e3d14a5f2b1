// The help overlay: a half-second panel naming the screen, drawn over the pattern after each step.
#pragma once
#include <windows.h>

#include "testrun/window_ids.h"

// What the overlay names: screen `mode` at place `position` (0-based) of a run of `count` screens.
struct OverlayRun {
    int mode;
    int position;
    int count;
};

// Shows the overlay and (re)starts its 500 ms timer.
void ShowOSD(HWND hwnd);

// Hides the overlay if it is shown.
void HideOSD(HWND hwnd);

// Nonzero while the overlay is shown. Setting it directly, with no timer and no repaint, is for
// painting the current run into a device context of one's own.
int OverlayShown();
void SetOverlayShown(int shown);

// Draws the overlay panel for `run` over the pattern already on `hdc`, light or dark by the centre pixel.
void DrawOverlay(HDC hdc, const RECT* rc, const OverlayRun* run);
// The same, light or dark by `sample`, the pattern's centre pixel (CLR_INVALID counts as black).
// A `notice` adds one line of its own in a panel just above. Returns the smallest rectangle that
// holds the panels.
RECT DrawOverlaySampled(HDC hdc, const RECT* rc, const OverlayRun* run, COLORREF sample,
                        const wchar_t* notice = nullptr);

// The current run's place for the overlay while it is shown; 0 when it is hidden or there is no run.
int RunOverlay(OverlayRun* run);

// Draws the overlay of the current run, if it is shown.
void DrawOSD(HDC hdc, const RECT* rc);

// "Esc exit" in language `lang` (English for an index outside the languages).
const wchar_t* ExitLabel(int lang);

// The three texts of the panel for `run`.
struct OverlayTexts {
    wchar_t position[128];   // "Solid Colors · 1/34"
    wchar_t title[128];      // "White"
    wchar_t exitLabel[64];   // "Esc exit"
};
void FormatOverlayTexts(const OverlayRun* run, OverlayTexts* texts);
