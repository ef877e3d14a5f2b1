// Reading the tools' command lines: plain standard C++, so the tests can call it directly.
#pragma once

#include <string>

// Reads the decimal number in [begin, end): digits only, at least one, at most `maxValue`.
// Returns nonzero on success.
int ParseDecimalRange(const wchar_t* begin, const wchar_t* end, int maxValue, int* value);

// The same for a whole text; a null text is no number.
int ParseDecimal(const wchar_t* text, int maxValue, int* value);

// `text` in double quotes, for messages, its control characters written as \xNN.
std::wstring Quoted(const std::wstring& text);
