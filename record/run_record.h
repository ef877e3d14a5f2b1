// The record of the current run: what was marked and noted, on which screen size and monitor. This
// file owns it; the loupe writes through the calls below, the results window and the report read it.
#pragma once
#include <windows.h>

#include "monitor/display_state.h"
#include "record/findings.h"
#include "testrun/vrr_schedule.h"

// What a run recorded, and what it ran on.
struct RunRecord {
    Findings findings;
    unsigned char* edid;  // the tested monitor's EDID (malloc'd), null where it gives none
    unsigned long edidLength;
    int width, height;    // the run's screen
    double hz;            // the run's refresh rate; 0 where Windows does not tell it
    DisplayState displayState;  // what Windows reported of the tested monitor's colours at the run's start
};

// The current or last run's record, read only.
const RunRecord* CurrentRunRecord();

// Before a run switches the mode: the EDID of the monitor on adapter `device`, as the switch reads it.
void RecordTestedMonitor(const wchar_t* device);

// A new run in window `hwnd`: empty findings, the screen's size, its refresh rate `hz` as Windows
// tells it (KnownRefreshRate; 0 where it tells none), and the colour state last read for the
// tested monitor (RefreshColourFacts).
void BeginRunRecord(HWND hwnd, double hz);

// The shown screen is `mode`.
void NoteScreenSeen(int mode);

// Adds `mark` to the run (see AddMark); returns what AddMark returns.
int RecordMark(const Mark& mark, int* previousType, int typeOrigin = kTypePicked);

// A motion screen was left: what it counted while it was shown.
void RecordMotionFigures(int mode, double hz, long long frames, long long dropped);

// A variable-refresh screen was left: what its loop counted (`record`, all zero where Direct3D
// could not show it), and whether it presented with tearing allowed.
void RecordVrrFigures(int mode, int variableRefresh, const VrrRecord& record);

// An HDR screen is shown (`visit` nonzero) or Windows' HDR state changed while one is: see AddHdrVisit.
void RecordHdrVisit(int visit, int windowsState, double sdrWhiteNits, double claimedPeakNits);
// The HDR screens' frames could not be shown: why (the presenter's failure number, nonzero).
void RecordHdrFailure(int failure);

// The note of screen `mode` on or off; returns the new state.
int RecordScreenNote(int mode);

// A copy of the current record that stays as it is while later runs record (malloc'd, EDID
// included); null when out of memory. FreeRunRecordCopy releases it.
RunRecord* CopyRunRecord();
void FreeRunRecordCopy(RunRecord* copy);
