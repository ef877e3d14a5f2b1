// The last run's report as a file.
#pragma once
#include <windows.h>

// Writes the report of the last run to `path` in the UI language: first to a temporary file beside
// it, then moved over `path`, so that a report is never half-written. Returns nonzero on success;
// otherwise writes the system's reason to `reason` (room for `reasonChars`).
int SaveRunReport(const wchar_t* path, wchar_t* reason, int reasonChars);
