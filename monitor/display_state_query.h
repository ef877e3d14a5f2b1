// Asks Windows what it reports of the tested monitor's colours: DisplayConfig's advanced colour
// info (types 15 and 9) and SDR white level, and DXGI's description of the monitor's output.
#pragma once
#include <windows.h>

#include "monitor/display_state.h"

// Fills `state` for the monitor on adapter `device` (\\.\DISPLAY1): every figure Windows answers
// sanely, the others unknown with their reasons. Needs nothing newer than Windows 7: what a Windows
// lacks stays unknown.
void QueryDisplayState(const wchar_t* device, DisplayState* state);

// Stand-ins for Windows' answers, for tests: while a seam is set, QueryDisplayState looks nothing up
// and asks these instead. Each fills its answer and returns nonzero where Windows would answer; a
// null one stands for a call that fails. `answered` is set from the return value.
struct DisplayStateSeam {
    int (*colourInfo2)(ColourInfo2Answer* answer);  // DisplayConfigGetDeviceInfo, type 15
    int (*colourInfo)(ColourInfoAnswer* answer);    // type 9
    int (*sdrWhite)(SdrWhiteAnswer* answer);        // type 11
    int (*output)(OutputAnswer* answer);            // IDXGIOutput6::GetDesc1
};

// Makes QueryDisplayState ask `seam`; null goes back to Windows. The seam must outlive its use.
void SetDisplayStateSeam(const DisplayStateSeam* seam);

// The DisplayConfig target (adapter and id) whose source is adapter `device`. Returns 0 where
// Windows lists no active path for it.
int FindDisplayTarget(const wchar_t* device, LUID* adapter, UINT32* target);

// The monitor handle of adapter `device`; null where it is not on the desktop.
HMONITOR FindDeviceMonitor(const wchar_t* device);

// Asks DXGI 1.6 for the description of the output that shows `monitor`. Returns kGapKnown and fills
// `answer`, or why not.
FigureGap DescribeMonitorOutput(HMONITOR monitor, OutputAnswer* answer);
