// Writes wide text to standard output as UTF-8, for the native programs that print the text tables.
#pragma once
#include <cstdio>

// Every text of the tables is in the Basic Multilingual Plane.
inline void PutUtf8(const wchar_t* text) {
    for (; *text != 0; ++text) {
        const unsigned long c = static_cast<unsigned long>(*text);
        if (c < 0x80) {
            putchar(static_cast<int>(c));
        } else if (c < 0x800) {
            putchar(static_cast<int>(0xC0 | (c >> 6)));
            putchar(static_cast<int>(0x80 | (c & 0x3F)));
        } else {
            putchar(static_cast<int>(0xE0 | (c >> 12)));
            putchar(static_cast<int>(0x80 | ((c >> 6) & 0x3F)));
            putchar(static_cast<int>(0x80 | (c & 0x3F)));
        }
    }
}
