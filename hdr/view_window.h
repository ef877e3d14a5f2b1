// The child windows that carry a swap chain over the test window: they take no input, so the keys,
// clicks and pointer stay with the test window beneath, and paint nothing of their own.
#pragma once
#include <windows.h>

// Makes a width x height child of `parent` of window class `className` (registered on first use),
// hidden until shown; gives the parent WS_CLIPCHILDREN, so its own painting never reaches over the
// swap chain. Null where Windows makes none.
HWND CreateViewWindow(HWND parent, const wchar_t* className, int width, int height);
