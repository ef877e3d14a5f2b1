// The line that states what a motion screen counted, as the results window and the report write it.
// Plain standard C++ (no Windows headers).
#pragma once

#include "record/findings.h"

// Motion screen `screen` (0 the moving blocks, 1 the frame check) in language `lang`, UTF-8:
// "Moving blocks at 59.94 Hz: dropped 3 of 3 600 frames", or that none was dropped. Empty where
// the screen was not shown.
void MotionFiguresLine(int lang, int screen, const MotionFigures& figures, char* out, int size);
