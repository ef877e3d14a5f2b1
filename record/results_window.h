// After a run: the report saved where the command line asked, and a small window in the UI
// language listing what the run found, with "Save report…" and "Close".
#pragma once
#include <windows.h>

#include "record/run_record.h"

extern HWND g_hResults;  // the results window while it is open

// The report of every run is saved to `path` when the run ends (the command line's /report); an
// empty path asks as usual.
void SaveReportsTo(const wchar_t* path);

// What "Save report…" does once the place is chosen: the report of the run the results window
// shows, to `path`. Returns as SaveRunReport; 0 when no results window is open.
int SaveShownReport(const wchar_t* path, wchar_t* reason, int reasonChars);

// Closes the results window, if open: a new run starts.
void CloseResultsWindow();

// The selection window's kRunEndedMessage: saves the report where /report asked, then shows the
// results if the run recorded anything or that report could not be saved.
void OnRunEnded(HWND owner);

// The text the results window lists for `record`, in the UI language, into `text` (room for `chars`).
void FormatRunResults(const RunRecord* record, wchar_t* text, int chars);

// What became of the reports that /report asked for since the program started: none asked, all
// saved, or at least one not.
enum ReportOutcome { kNoReportAsked = 0, kReportSaved = 1, kReportFailed = 2 };
int ReportsOutcome();
