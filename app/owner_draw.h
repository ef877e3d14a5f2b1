// Owner-drawn look of the selection window's category cards and command buttons.
#pragma once
#include <windows.h>

// Both draw the dotted focus mark where itemState has ODS_FOCUS without ODS_NOFOCUSRECT.

// Draws category card CtlID - 2000 from the checked and hover state.
void DrawCatCard(const DRAWITEMSTRUCT* drawItem);

// Draws command button CtlID (1001 START, 1002 AUTO, 1003 Display Settings, 1004 About).
void DrawPushButton(const DRAWITEMSTRUCT* drawItem);

// Where a label is wider than the `room` pixels its control gives it (a long word in some
// language): the same face as `font`, made smaller until the label fits, which the caller deletes;
// null where `font` itself fits.
HFONT FittingLabelFont(HDC hdc, HFONT font, const wchar_t* text, int room);

// The size of everything in the cards and buttons, `size` pixels at 96 DPI, at the selection
// window's scale.
int ScaleForSelect(int size);
