// Native resolution: for now the program never switches modes, so there is nothing to restore.
#include "testrun/native_resolution.h"

#include "app/app_state.h"

void RestoreOriginalResolution() {}
