// The results window as a run that found something leaves it.
#pragma once
#include <windows.h>

// Records one always-lit pixel on the black screen and ends the run over `owner`: the results window
// opens (g_hResults).
void OpenResultsWithOneMark(HWND owner);
