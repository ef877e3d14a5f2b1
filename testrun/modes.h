// The drawing function of each screen, indexed by mode 0..61.
#pragma once
#include <windows.h>

#include "testrun/catalogue.h"

typedef void (*DrawFunc)(HDC hdc, const RECT* rect);

// Every mode 0..61 has its screen; callers still check the mode before indexing.
extern const DrawFunc g_drawFuncs[kModeCount];
