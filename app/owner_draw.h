// Owner-drawn look of the selection window's category cards and command buttons.
#pragma once
#include <windows.h>

// Both draw the dotted focus mark where itemState has ODS_FOCUS without ODS_NOFOCUSRECT.

// Draws category card CtlID - 2000 from the checked and hover state.
void DrawCatCard(const DRAWITEMSTRUCT* drawItem);

// Draws command button CtlID (1001 START, 1002 AUTO, 1003 Display Settings, 1004 About).
void DrawPushButton(const DRAWITEMSTRUCT* drawItem);
