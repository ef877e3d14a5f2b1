// Starting and ending a run of the test window in the window tests.
#include "tests/support/test_run.h"

#include "app/app_state.h"
#include "tests/support/window_messages.h"
#include "testrun/paint_ahead.h"
#include "testrun/test_window.h"

HWND StartTestRun(std::vector<int>* modes) {
    g_app.playlist = modes->data();
    g_app.playlistCount = static_cast<int>(modes->size());
    g_app.playlistPos = 0;
    g_app.autoMode = 0;
    CreateTestWindow();
    return g_app.hwndTest;
}

void EndTestRun(DWORD waitMs) {
    if (g_app.hwndTest != nullptr) DestroyWindow(g_app.hwndTest);
    PumpMessages();
    PumpUntil([] { return RunningPainters() == 0; }, waitMs);
    g_app.playlist = nullptr;
    g_app.playlistCount = 0;
}
