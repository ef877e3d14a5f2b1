// The line under the HDR card: why the HDR screens cannot be shown on this computer, or that the
// chosen monitor is in standard range, before a run shows it.
#pragma once
#include <windows.h>

enum : int { IDC_HDR_NOTE = 3009 };

extern HWND g_hHdrNote;  // shown only while it has something to say

// What the line says from what is known now: why the HDR screens cannot be shown, else that HDR is
// off for the chosen monitor, else nothing (empty). Valid until the next call.
const wchar_t* HdrCardNoteText();

// Creates the line under the cards, empty and hidden, in the selection window `parent`.
void CreateHdrCardNote(HWND parent, HINSTANCE instance);

// Says afresh what HdrCardNoteText says now, in the current language: after the monitor was chosen,
// its colour facts read again, the language changed or a run ended.
void RefreshHdrCardNote();
