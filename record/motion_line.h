// The line that states what a motion screen counted, as the results window and the report write it.
// Plain standard C++ (no Windows headers).
#pragma once

#include "record/findings.h"

// Motion screen `screen` (0 the moving blocks, 1 the frame check) in language `lang`, UTF-8:
// "Moving blocks at 59.94 Hz: dropped 3 of 3 600 frames", or that none was dropped. Empty where
// the screen was not shown.
void MotionFiguresLine(int lang, int screen, const MotionFigures& figures, char* out, int size);

// Variable-refresh screen `screen` (0 the frame-rate sweep, 1 the flicker screen) in language `lang`,
// UTF-8: "Frame-rate sweep (VRR): rates asked 48–144 Hz, presented 47.9–143.8 Hz, 5 310 frames",
// followed by "; variable refresh could not be used on this computer" where it could not. Empty
// where the screen was not shown.
void VrrFiguresLine(int lang, int screen, const VrrFigures& figures, char* out, int size);
