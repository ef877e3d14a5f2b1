// The guidance panel's colour note: what the monitor's colour state means for the screen shown.
// Plain standard C++ (no Windows headers).
#pragma once

#include "monitor/display_state.h"

// Nonzero for the screens whose reading rests on SDR's black and white levels and its curve: the
// grey blocks, squares and ramps, the level patches, near black, near white and gamma.
int ReadsSdrLevels(int mode);

// The note for screen `mode` in language `lang`, UTF-8 into `out` (room for `size` bytes): under
// HDR on a levels screen, that it is shown at the SDR white level through the sRGB curve; on the
// chroma screen, the signal format Windows reports. Returns the bytes written; 0 (and "") where
// the screen has no note or the state does not tell it.
int ColourGuideNote(int lang, int mode, const DisplayState& state, char* out, int size);
