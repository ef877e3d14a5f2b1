// Screens painted ahead: while one screen is shown, a painter thread prepares the screens around it
// in the play list, so that a step puts a finished picture on the glass in one BitBlt.
#pragma once
#include <windows.h>

#include "testrun/window_ids.h"

// Where a run stands: its play list and the entry shown. The painter is told, never looks.
struct RunPlace {
    const int* playlist;
    int count;
    int position;
};

// Starts a painter for the test window `hwnd`. Where none can be started every screen is painted
// directly, as it is drawn.
void StartPaintAhead(HWND hwnd);

// Ends preparing without waiting: every picture is freed on a thread of its own, and the painter
// ends after the screen in its hands, which it frees itself; the slowest screens it gives up half way.
void StopPaintAhead();

// The window's size is now `width` x `height`: pictures of another size are thrown away.
void ResizePaintAhead(int width, int height, const RunPlace& place);

// Orders the most wanted screen around the current entry that is not painted yet, if any, and
// frees pictures no longer around it.
void PrepareAhead(const RunPlace& place);

// After a step: the same, but when the new screen is prepared already, not before the window has
// painted it (ScreenPainted), so that the painter does not compete with the copy.
void PrepareAheadAfterStep(const RunPlace& place);
void ScreenPainted(const RunPlace& place);

// Takes the painter's finished pictures (on kPictureReadyMessage) and repaints `hwnd` when the
// shown screen is among them.
void TakePreparedScreens(HWND hwnd, const RunPlace& place);

// Paints screen `mode` over `rc`: its prepared picture, black while it is still being prepared, or
// the pattern drawn directly where it cannot be prepared. Returns the centre pixel for the overlay.
COLORREF PaintShownScreen(HDC hdc, const RECT* rc, int mode);

// Nonzero when PaintShownScreen would show screen `mode` itself, not black in its place (always
// for the motion screens, which are never prepared).
int ScreenShowable(int mode);

// Nonzero when the painter has nothing to do: no order waits and none is being painted.
int PaintAheadIdle();

// Throws every prepared picture away, and any still being painted when it arrives.
void ForgetPreparedScreens();

// Painters still running, those of ended runs included until they have finished or given up their
// screen, and threads still freeing an ended run's pictures.
int RunningPainters();

// For tests: painters started from now on fail as on a machine out of resources. kNoDevice: no
// memory device context; kNoMemory: no memory for the answer to an order.
enum class PainterFault { kNone, kNoDevice, kNoMemory };
void SetPainterFaultForTests(PainterFault fault);
