// The variable-refresh screens in the test window: a child window over it with an 8-bit swap chain
// that may tear, fed by a loop on a thread of its own that draws each frame, waits on a
// high-resolution timer until its deadline and presents it at once. The test window keeps the
// keys, the clicks and its GDI picture beneath; its panels are carried into each frame.
#pragma once
#include <windows.h>

#include "hdr/d3d_presenter.h"
#include "testrun/vrr_schedule.h"

// Starts variable-refresh screen `mode` over `parent`'s client area; stops the one shown before.
// Where the presenter cannot start, no view is shown: the test window's still picture stays, with
// VrrScreenNote on it. A hidden or minimized parent gets no view.
void StartVrrView(HWND parent, int mode);

// Stops the loop (it has ended when this returns), records what the visit counted, and releases
// the presenter and the view. Nothing happens where none was started.
void StopVrrView();

// A key pressed on a variable-refresh screen: on the sweep, + and - (main keyboard or keypad) hold
// it and move it, Space sweeps again. Returns nonzero for those keys there, which then step to no
// other screen; zero for every other key, and on the flicker screen, which take them as every
// screen does.
int VrrViewKey(WPARAM key);

// The test window's GDI picture (`width` x `height` 32-bit pixels, rows top-down) and the
// `count` rectangles of its panels in it: from the next frame on, the frames carry those pixels.
void SetVrrPanels(const uint32_t* picture, int width, int height, const RECT* covered, int count);

// The loop stopped by itself (its device lost twice, a present refused): the view is hidden, the
// still picture beneath shows with VrrScreenNote, and the visit is recorded as one without variable
// refresh. The test window calls it on kVrrLoopEndedMessage; nothing happens while frames come.
void EndFailedVrrView();

// Nonzero where the view was started for `mode` (at `width` x `height`) and not stopped since, even
// where its presenter could not start: a new size wants a new view.
int VrrViewVisiting(int mode);
int VrrViewMatches(int mode, int width, int height);

// Nonzero while the view covers the test window.
int VrrViewShown();

// The line a variable-refresh screen carries where variable refresh cannot be used (Windows or the
// driver allows no tearing, or Direct3D 11 cannot show the frames); null otherwise and for other
// screens.
const wchar_t* VrrScreenNote(int mode);

// Where the view stands, for tests.
struct VrrViewProgress {
    int running;
    int mode;
    PresenterFailure failure;  // why the presenter could not start (kPresenterOk while it could)
    TearingSupport tearing;
    long long presents;
    long long lastNumber;      // the frame number drawn into the frame last presented
    double targetHz;
    double presentedHz;
    int held;
    double lowHz;              // the range used
    double highHz;
    int claimed;               // nonzero where the EDID claims the range
};
VrrViewProgress VrrViewNow();

// For tests: the frame numbers read back from the next `count` frames' back buffers just before
// each was presented (at most 64). VrrProbedNumbers gives how many were read so far.
void ProbeVrrFrames(int count);
int VrrProbedNumbers(uint32_t* numbers, int room);

// For tests: the references the last StopVrrView found left on the device (0 unless one leaked).
ULONG VrrLastRelease();
