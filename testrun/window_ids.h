// The test window's timers and private messages, numbered in one place so that none collide.
#pragma once
#include <windows.h>

enum TestWindowId : UINT {
    kAutoTimer = 1,               // the next screen of an AUTO run
    kOverlayTimer = 2,            // hides the overlay
    kPointerTimer = 3,            // hides the pointer after the last move
    kMarkRingTimer = 4,           // ends the ring shown where a defect was marked
    kNoticeTimer = 5,             // ends the line that confirms a note
    kPictureReadyMessage = WM_APP + 1,  // posted by the painter when a picture is finished
    kMotionFrameMessage = WM_APP + 2,   // posted once per refresh while a motion screen is shown
    kRunEndedMessage = WM_APP + 3,      // posted to the selection window when a run's window is gone
    kVrrLoopEndedMessage = WM_APP + 4,  // posted by the variable-refresh loop when it stopped by itself
};
