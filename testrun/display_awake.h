// Keeps the display on while a run shows its screens: no display sleep, no screen saver.
#pragma once

// Tells Windows the display is needed (ES_CONTINUOUS | ES_DISPLAY_REQUIRED) until LetDisplaySleep.
void KeepDisplayOn();

// Gives the display back to the power settings (ES_CONTINUOUS); does nothing unless KeepDisplayOn held it.
void LetDisplaySleep();
