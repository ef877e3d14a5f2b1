// The console's one line.
#include "app/console.h"

void LeaveOwnConsole() {}

void SayRunOutcome(int, const wchar_t*, const char*) {}
