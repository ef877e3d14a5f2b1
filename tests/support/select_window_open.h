// The selection window as the window tests open it once per suite: DPI-aware, the pointer off it,
// English, its fonts made and its first messages handled; and closed again with what it made.
#pragma once
#include <windows.h>

HWND OpenSelectWindowForTests();

void CloseSelectWindowForTests(HWND window);
