// The screens' own texts in each painting thread's language, kept in a thread-local slot.
#include "patterns/screen_text.h"

#include <windows.h>

namespace {

// Each thread's painting language plus one; 0 where the thread follows g_lang.
DWORD g_languageSlot = TLS_OUT_OF_INDEXES;

}  // namespace

void PaintScreensInLanguage(int lang) {
    if (g_languageSlot == TLS_OUT_OF_INDEXES) g_languageSlot = TlsAlloc();
    if (g_languageSlot == TLS_OUT_OF_INDEXES) return;
    TlsSetValue(g_languageSlot, reinterpret_cast<void*>(static_cast<INT_PTR>(lang + 1)));
}

const wchar_t* ScreenText(Str key) {
    if (g_languageSlot == TLS_OUT_OF_INDEXES) return tr(key);
    const INT_PTR stored = reinterpret_cast<INT_PTR>(TlsGetValue(g_languageSlot));
    return stored > 0 ? TextIn(static_cast<int>(stored - 1), key) : tr(key);
}
