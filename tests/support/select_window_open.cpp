// Opening and closing the selection window for a suite of window tests.
#include "tests/support/select_window_open.h"

#include "app/lifetime.h"
#include "app/select_window.h"
#include "app/texts.h"
#include "app/ui_fonts.h"
#include "tests/support/window_messages.h"

HWND OpenSelectWindowForTests() {
    SetProcessDPIAware();
    SetCursorPos(0, 0);  // the cards follow the real pointer too: only the moves a test sends count
    g_lang = 0;
    CreateUiFonts();
    RegisterSelectWindowClass(GetModuleHandleW(nullptr));
    HWND window = CreateSelectWindow(GetModuleHandleW(nullptr));
    ShowWindow(window, SW_SHOW);
    PumpMessages();
    return window;
}

void CloseSelectWindowForTests(HWND window) {
    DestroyWindow(window);
    PumpMessages();  // takes the quit message posted by WM_DESTROY off the queue
    ReleaseGlobalResources();
}
