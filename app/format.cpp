// Bounded wide-character formatting.
#include "app/format.h"

#include <stdarg.h>
#include <wchar.h>

void FormatText(wchar_t* buffer, size_t count, const wchar_t* format, ...) {
    if (count == 0) return;
    va_list args;
    va_start(args, format);
    const int written = vswprintf(buffer, count, format, args);
    va_end(args);
    if (written < 0) buffer[count - 1] = L'\0';  // truncated: keep what fitted
}
