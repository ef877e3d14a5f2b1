// Conversions between UTF-8 and wide strings.
#include "app/format.h"

#include <windows.h>

void WidenUtf8(const char* text, wchar_t* out, int chars) {
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, out, chars) == 0 && chars > 0) out[0] = L'\0';
}

void NarrowToUtf8(const wchar_t* text, char* out, int bytes) {
    if (WideCharToMultiByte(CP_UTF8, 0, text, -1, out, bytes, nullptr, nullptr) == 0 && bytes > 0) out[0] = '\0';
}
