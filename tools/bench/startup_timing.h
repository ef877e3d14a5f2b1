// Timing a start of tavro.exe up to the first paint of its selection window.
#pragma once
#include <windows.h>

#include <string>

// Starts `exe` in a fresh empty working directory and waits until the process has a visible
// top-level window and has traced its first owner-drawn control (drawitem.txt appears), then closes
// the window. Nonzero on success with `*elapsedMs` measured from just before CreateProcessW;
// on failure `*error` says what went wrong.
int TimeOneStartup(const std::wstring& exe, double* elapsedMs, std::wstring* error);
