// Where a window goes on its monitor: inside the work area, the caption always reachable.
#pragma once

// The origin along one axis of a window `size` long that would start at `wanted`, moved by the
// least so that it lies within [start, end). A window longer than that starts at `start`: its
// caption and its left edge stay on the screen, and what does not fit is cut at the far side.
int KeptInside(int wanted, int size, int start, int end);
