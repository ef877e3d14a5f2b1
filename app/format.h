// printf-style formatting into a fixed wide-character buffer that never overflows.
#pragma once
#include <stddef.h>

// Formats into `buffer` (room for `count` characters, terminator included), truncating if needed.
void FormatText(wchar_t* buffer, size_t count, const wchar_t* format, ...);

// UTF-8 `text` as a wide string in `out` (room for `chars`); empty where it does not fit.
void WidenUtf8(const char* text, wchar_t* out, int chars);
