// After a run: the report saved where the command line asked, and a small window in the UI
// language listing what the run found, with "Save report…" and "Close".
#pragma once
#include <windows.h>

extern HWND g_hResults;  // the results window while it is open

// The report of every run is saved to `path` when the run ends (the command line's /report); an
// empty path asks as usual.
void SaveReportsTo(const wchar_t* path);

// The selection window's kRunEndedMessage: saves the report where /report asked, then shows the
// results if the run recorded anything.
void OnRunEnded(HWND owner);

// The text the results window lists, in the UI language, into `text` (room for `chars`).
void FormatRunResults(wchar_t* text, int chars);
