// START and AUTO: counting the selection, building the play list.
#include "testrun/start_tests.h"

#include <stdlib.h>

#include "app/app_state.h"
#include "app/select_layout.h"
#include "app/texts.h"
#include "record/results_window.h"
#include "testrun/catalogue.h"
#include "testrun/test_window.h"

int StartSelectedTests(HWND hwnd, int autoFlag) {
    const int count = CountSelectedModes(g_catChecked);
    if (count == 0) {
        MessageBoxW(hwnd, tr(STR_SELECT_ONE), tr(STR_WINDOW_TITLE), MB_ICONINFORMATION | MB_OK);
        return 0;
    }
    // Allocate before freeing, so a failed allocation leaves the previous play list intact.
    int* modes = static_cast<int*>(malloc(sizeof(int) * count));
    if (modes == nullptr) return 0;
    free(g_app.playlist);
    g_app.playlist = modes;
    g_app.playlistCount = FillPlaylist(g_catChecked, modes);
    g_app.playlistPos = 0;
    g_app.autoMode = autoFlag;
    CloseResultsWindow();  // it showed the run before, whose record this run now replaces
    ShowWindow(hwnd, SW_HIDE);
    CreateTestWindow();
    return 1;
}
