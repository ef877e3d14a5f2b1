// Whether this computer can show the HDR screens through the FP16 presenter, and whether the
// tested monitor is in HDR: what the HDR card and the screens say about it.
#pragma once
#include <windows.h>

#include "hdr/d3d_presenter.h"
#include "monitor/colour_facts.h"

// Why the HDR screens cannot be shown, as far as known: the last failure a run's presenter met,
// else whether d3d11.dll and dxgi.dll load with their entry points (through the presenter's seam
// while one is set). kPresenterOk where nothing speaks against them.
PresenterFailure HdrSupportFailure();

// What the last run's presenter met (kPresenterOk: it showed its frames).
void NoteHdrRunFailure(PresenterFailure failure);

// "HDR screens cannot be shown on this computer: ..." for `failure`, in the current language.
// Valid until the next call.
const wchar_t* HdrFailureText(PresenterFailure failure);

// Nonzero where Windows says the monitor of `facts` is not in HDR (standard range or wide colour
// only); zero while it is, or where Windows does not say.
int HdrIsOff(const ColourFacts* facts);

// Windows' HDR state for the monitor of `facts`: 1 on, 0 off (standard range or wide colour only),
// -1 where Windows does not say (the values of the record's HdrWindowsState).
int HdrWindowsStateOf(const ColourFacts* facts);

// The SDR white level Windows uses for the monitor of `facts` (cd/m²), else scRGB's 1.0, 80.
double SdrWhiteNitsOf(const ColourFacts* facts);

// The peak luminance the monitor of `facts` claims, in cd/m²: its EDID's, else what Windows reports
// of its output; 0 where neither says.
double ClaimedPeakNits(const ColourFacts* facts);
