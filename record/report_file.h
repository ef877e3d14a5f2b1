// A run's report as a file: HTML, or JSON for a path that ends in ".json".
#pragma once
#include <windows.h>

#include "record/run_record.h"

// Writes the report of `record` to `path` in the UI language: first to a new temporary file beside
// it, then moved over `path`, so that a report is never half-written. Returns nonzero on success;
// otherwise writes the system's reason to `reason` (room for `reasonChars`).
int SaveRunReport(const RunRecord* record, const wchar_t* path, wchar_t* reason, int reasonChars);

// The command line's /report: `pattern` with {model}, {serial}, {date} and {time} filled in from
// `record`, and never over a report that this start of the program wrote before (the second gets
// "-2" before the extension, and so on). Writes the path used to `savedPath` (room for
// `savedChars`); returns as SaveRunReport.
int SaveCommandLineReport(const RunRecord* record, const wchar_t* pattern, wchar_t* savedPath, int savedChars,
                          wchar_t* reason, int reasonChars);
