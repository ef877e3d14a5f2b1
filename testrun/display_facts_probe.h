// Reading from Windows what the one-to-one screen says of the tested monitor.
#pragma once
#include <windows.h>

#include "patterns/display_facts.h"

// The tested monitor's mode as Windows has it now, the display scale of the monitor that shows
// `hwnd`, and the native mode from the monitor's EDID; whatever Windows cannot tell stays unknown.
DisplayFacts ReadTestedDisplayFacts(HWND hwnd);

// Reads them and hands them to the screens. Returns nonzero when they differ from those the
// screens had, so that pictures painted with the old ones are painted again.
int UpdateDisplayFacts(HWND hwnd);
