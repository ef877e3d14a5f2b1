// The command line at work: read once at start, then applied to the selection window.
#pragma once
#include <windows.h>

#include "app/command_line.h"

// Reads the process's command line. On a bad argument (or a monitor number with no monitor) shows
// the usage in the UI language and returns 0: the program then ends with exit code 2.
int ReadCommandLine(CommandLine* line);

// Ticks the cards, chooses the monitor, sets where reports go and starts the run it asks for.
// Without arguments it changes nothing.
void ApplyCommandLine(HWND selectWindow, const CommandLine& line);
