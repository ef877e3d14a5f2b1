// Reading the tools' command lines.
#include "tools/common/tool_args.h"

#include <cwchar>

int ParseDecimalRange(const wchar_t* begin, const wchar_t* end, int maxValue, int* value) {
    if (begin >= end) return 0;
    long long result = 0;
    for (const wchar_t* p = begin; p < end; ++p) {
        if (*p < L'0' || *p > L'9') return 0;
        result = result * 10 + (*p - L'0');
        if (result > maxValue) return 0;
    }
    *value = static_cast<int>(result);
    return 1;
}

int ParseDecimal(const wchar_t* text, int maxValue, int* value) {
    return text != nullptr && ParseDecimalRange(text, text + wcslen(text), maxValue, value);
}

// A control character in an argument (a line feed pasted into it, say) is written as \xNN, so that
// a message naming the argument stays one line.
std::wstring Quoted(const std::wstring& text) {
    std::wstring quoted = L"\"";
    for (const wchar_t c : text) {
        if (c >= 0x20 && c != 0x7F) {
            quoted += c;
            continue;
        }
        const wchar_t* const hex = L"0123456789ABCDEF";
        quoted += L"\\x";
        quoted += hex[(c >> 4) & 0xF];
        quoted += hex[c & 0xF];
    }
    return quoted + L"\"";
}
