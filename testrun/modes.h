// The drawing function of each screen, indexed by mode 0..33.
#pragma once
#include <windows.h>

#include "testrun/catalogue.h"

typedef void (*DrawFunc)(HDC hdc, const RECT* rect);

// A null entry is a screen the program cannot draw yet.
extern const DrawFunc g_drawFuncs[kModeCount];
