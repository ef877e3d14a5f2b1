// Keeping a window inside its monitor's work area, one axis at a time.
#include "app/window_place.h"

int KeptInside(int wanted, int size, int start, int end) {
    int origin = wanted;
    if (origin > end - size) origin = end - size;
    if (origin < start) origin = start;
    return origin;
}
