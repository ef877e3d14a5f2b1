// The display stays on during a run. The request belongs to the thread that makes it, the UI
// thread, which also ends it.
#include "testrun/display_awake.h"

#include <windows.h>

namespace {

bool g_displayHeld;

}  // namespace

void KeepDisplayOn() {
    g_displayHeld = SetThreadExecutionState(ES_CONTINUOUS | ES_DISPLAY_REQUIRED) != 0;
}

void LetDisplaySleep() {
    if (!g_displayHeld) return;
    SetThreadExecutionState(ES_CONTINUOUS);
    g_displayHeld = false;
}
