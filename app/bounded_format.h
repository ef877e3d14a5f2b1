// printf-style formatting into a fixed buffer that never overflows and always ends in a
// terminator, wide and UTF-8 alike. Plain standard C++ (no Windows headers).
#pragma once
#include <stddef.h>

// Formats into `buffer` (room for `count` characters, terminator included), cutting the text where
// it does not fit. Returns the characters written before the terminator: 0 to count - 1, never
// negative; 0 with nothing written when `count` is 0. Whatever the C runtime does on a cut (a
// C99 runtime gives the would-be length, msvcrt -1 or exactly `count` with no terminator), the
// buffer ends in a terminator and a cut never leaves half a surrogate pair behind.
int FormatText(wchar_t* buffer, size_t count, const wchar_t* format, ...);

// `count` (0 for a negative one) with its thousands set apart by a no-break space, "3 600", in
// UTF-8 into `buffer` (room for `size` bytes); the digits that fit, never half a separator.
void FormatGroupedCount(char* buffer, size_t size, long long count);

// The same for UTF-8 text in `buffer` (room for `count` bytes): a cut never leaves part of a
// character behind.
int FormatUtf8(char* buffer, size_t count, const char* format, ...);
