// Small helpers of the window tests: the program's message loop run dry or run until something
// happens, and a rectangle's sides.
#pragma once
#include <windows.h>

// Dispatches every message waiting for this thread's windows.
void PumpMessages();

// Runs the message loop until `done()` holds or `timeoutMs` have passed; what `done()` says last.
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
    const DWORD begin = GetTickCount();
    while (!done() && GetTickCount() - begin < timeoutMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        PumpMessages();
    }
    return done();
}

inline int RectWidth(const RECT& r) {
    return r.right - r.left;
}

inline int RectHeight(const RECT& r) {
    return r.bottom - r.top;
}
