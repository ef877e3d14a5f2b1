// Text conversions between UTF-8 and wide strings; the bounded formatting itself is in
// app/bounded_format.h, included here for the callers of FormatText.
#pragma once
#include <stddef.h>

#include "app/bounded_format.h"

// UTF-8 `text` as a wide string in `out` (room for `chars`); empty where it does not fit.
void WidenUtf8(const char* text, wchar_t* out, int chars);

// Wide `text` as UTF-8 in `out` (room for `bytes`); empty where it does not fit.
void NarrowToUtf8(const wchar_t* text, char* out, int bytes);
