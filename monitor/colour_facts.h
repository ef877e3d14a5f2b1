// What the tested monitor claims of its colours and what Windows reports of them, read when the
// monitor is chosen, a run starts or the display changes, and kept: painting reads the copy kept
// here and never asks Windows.
#pragma once
#include <windows.h>

#include "monitor/display_state.h"
#include "monitor/edid_colour.h"
#include "monitor/monitors.h"

struct ColourFacts {
    wchar_t device[kDeviceNameChars];  // the adapter they were read for; empty before the first reading
    int hasClaims;                     // the monitor gave an EDID with a base block
    MonitorClaims claims;
    DisplayState state;
};

// Reads the facts of the monitor on adapter `device` afresh: its EDID's claims and Windows' state.
void RefreshColourFacts(const wchar_t* device);

// The same for the monitor a test run is for.
void RefreshTestedColourFacts();

// The facts last read; every figure unknown before the first reading.
const ColourFacts* CurrentColourFacts();
