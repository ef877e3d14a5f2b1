// Switching the tested monitor to its native resolution for a test run, and back.
#pragma once
#include <windows.h>

// The native resolution of the tested monitor (the chosen one, by default the primary display),
// from that monitor's own EDID. Returns nonzero and writes both outputs when its EDID gives one;
// otherwise returns 0 and leaves them.
int GetNativeResolutionForCurrentMonitor(unsigned long* width, unsigned long* height);

// Asks for a temporary full-screen mode of width x height on `deviceName` (null: the default
// display); depth and refresh rate are left to the system. Returns nonzero when it was applied.
int SetDisplayResolution(const wchar_t* deviceName, unsigned long width, unsigned long height);

// At the start of a test run: saves the tested monitor's current mode and its adapter, then
// switches that adapter alone to the monitor's native resolution if its EDID gives one and the
// monitor does not run it already. Returns nonzero when the mode was switched; a run simply goes
// on in the current mode otherwise.
int SwitchToNativeResolution();

// From now on `beforeSwitch` is called right before each switch of the display mode (the crash
// restore, which must be ready before the mode changes, sets it); null calls nothing.
void SetBeforeModeSwitch(void (*beforeSwitch)());

// Puts the saved mode back on the adapter it came from if the program switched the display mode,
// or where that mode cannot be set again, the mode in the registry. Returns 0 when Windows
// refused both.
int RestoreOriginalResolution();

// Nonzero while the program has the display mode switched (safe to ask from any thread).
int ResolutionSwitched();
// The mode the latest run began in, and the adapter it belongs to (empty for the default display).
const DEVMODEW* SavedDisplayMode();
const wchar_t* SwitchedDevice();

// A native mode Windows turned down at the start of the latest run, and the mode the run has instead.
struct RefusedSwitch {
    int refused;  // nonzero when the latest run's switch was refused
    unsigned long nativeWidth;
    unsigned long nativeHeight;
    unsigned long currentWidth;
    unsigned long currentHeight;
};
extern RefusedSwitch g_refusedSwitch;
