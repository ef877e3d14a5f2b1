// Bounded formatting: the C runtime's own, made to end in a terminator whatever it returns.
#include "app/bounded_format.h"

#include <stdarg.h>
#include <stdio.h>
#include <string.h>
#include <wchar.h>

namespace {

bool IsHighSurrogate(wchar_t c) { return sizeof(wchar_t) == 2 && c >= 0xD800 && c <= 0xDBFF; }

// Drops the bytes of a UTF-8 character the cut left unfinished at the end of `text`.
size_t WholeUtf8(const char* text, size_t length) {
    size_t start = length;
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80 && length - start < 3) --start;
    if (start == 0) return length;
    const unsigned char lead = static_cast<unsigned char>(text[start - 1]);
    const size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return needed > length - start + 1 ? start - 1 : length;
}

}  // namespace

int FormatText(wchar_t* buffer, size_t count, const wchar_t* format, ...) {
    if (count == 0) return 0;
    buffer[0] = L'\0';
    buffer[count - 1] = L'\0';
    va_list args;
    va_start(args, format);
    const int written = vswprintf(buffer, count, format, args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < count) return written;
    buffer[count - 1] = L'\0';  // cut: keep what fitted
    size_t length = wcslen(buffer);
    if (length > 0 && IsHighSurrogate(buffer[length - 1])) buffer[--length] = L'\0';
    return static_cast<int>(length);
}

int FormatUtf8(char* buffer, size_t count, const char* format, ...) {
    if (count == 0) return 0;
    buffer[0] = '\0';
    buffer[count - 1] = '\0';
    va_list args;
    va_start(args, format);
    const int written = vsnprintf(buffer, count, format, args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < count) return written;
    buffer[count - 1] = '\0';  // cut: keep what fitted
    const size_t length = WholeUtf8(buffer, strlen(buffer));
    buffer[length] = '\0';
    return static_cast<int>(length);
}

void FormatGroupedCount(char* buffer, size_t size, long long count) {
    if (size == 0) return;
    char digits[24];
    const int length = FormatUtf8(digits, sizeof(digits), "%lld", count < 0 ? 0 : count);
    size_t n = 0;
    for (int k = 0; k < length; ++k) {
        const bool separated = k > 0 && (length - k) % 3 == 0;
        if (n + (separated ? 3 : 1) >= size) break;
        if (separated) {
            buffer[n++] = '\xC2';  // U+00A0, a no-break space
            buffer[n++] = '\xA0';
        }
        buffer[n++] = digits[k];
    }
    buffer[n] = '\0';
}
