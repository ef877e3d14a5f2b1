// The single-channel ramp behind the red, green and blue ramp screens.
#pragma once
#include <windows.h>

// 256 vertical bands across `rect`, band i in channel level i: 0 red, 1 green, anything else blue.
// Every band is at least one pixel wide, so on a narrow rectangle later bands overlap earlier ones.
void DrawChannelRamp(HDC hdc, const RECT* rect, int channel);
