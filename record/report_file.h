// A run's report as a file: HTML, or JSON for a path that ends in ".json".
#pragma once
#include <windows.h>

#include "record/run_record.h"

// Writes the report of `record` to `path` in the UI language: first to a new temporary file beside
// it, flushed to the disk, then moved over `path`, so that a report is never half-written. Returns nonzero on success;
// otherwise writes the system's reason to `reason` (room for `reasonChars`).
int SaveRunReport(const RunRecord* record, const wchar_t* path, wchar_t* reason, int reasonChars);

// The command line's /report: `pattern` with {model}, {serial}, {date} and {time} filled in from
// `record`, its missing folders made, and never over a file or folder that is there, whoever put it
// there: the name then gets "-2" before the extension, or "-3", and so on. The full path, filled in
// and numbered, has at most kLongestReportPath characters. Writes the full path used (or meant) to
// `savedPath` (room for `savedChars`); returns as SaveRunReport.
int SaveCommandLineReport(const RunRecord* record, const wchar_t* pattern, wchar_t* savedPath, int savedChars,
                          wchar_t* reason, int reasonChars);
