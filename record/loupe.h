// Recording findings during a run: M opens a loupe beside the pointer to mark a defect to the
// pixel, N notes a fault of the screen as a whole. What they draw lies over the screen only while
// it is needed: the loupe while open, a ring for a second after a mark, a line for a second after a
// note. The screen's own pixels are never changed.
#pragma once
#include <windows.h>

#include "record/run_record.h"
#include "testrun/window_ids.h"

constexpr int kLoupeSource = 15;  // screen pixels across the loupe
constexpr int kLoupeZoom = 12;    // each shown as a square this large

// A new run: no ring, no notice, the loupe closed.
void ResetFindingsLayer();

int LoupeOpen();
// Opens the loupe on screen `mode` with the mark at the pointer; closes it when open.
void ToggleLoupe(HWND hwnd, int mode);
void CloseLoupe(HWND hwnd);
// While the loupe is open: a key (arrows, 1-3, Enter, Esc, M) or the pointer at `point` (client).
// Returns nonzero when the key was the loupe's.
int LoupeKey(HWND hwnd, WPARAM key);
void LoupeFollowPointer(HWND hwnd, POINT point);
// Records the mark under the loupe and closes it.
void RecordLoupeMark(HWND hwnd);

// N: the note of screen `mode` on or off, confirmed by a line for a second.
void ToggleScreenNote(HWND hwnd, int mode);

// kMarkRingTimer and kNoticeTimer.
void OnFindingsTimer(HWND hwnd, UINT_PTR timer);

// Draws the loupe, ring and note line that are shown now over what is on `hdc`; writes the
// rectangles they cover to `covered` (room for 3) and returns how many.
int DrawFindingsLayer(HDC hdc, const RECT* rc, RECT covered[3]);

// The line shown over the screen now (UTF-8), for tests; null when none is.
const char* FindingsNotice();

// The pixels the loupe shows, for tests: `kLoupeSource` x `kLoupeSource` 0xRRGGBB values around
// the mark, row by row; 0 when the loupe is closed.
int LoupePixels(unsigned long pixels[kLoupeSource * kLoupeSource], RECT* shownAt);
