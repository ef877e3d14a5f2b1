// Bounded wide-character formatting.
#include "app/format.h"

#include <windows.h>

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

void WidenUtf8(const char* text, wchar_t* out, int chars) {
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, out, chars) == 0 && chars > 0) out[0] = L'\0';
}
