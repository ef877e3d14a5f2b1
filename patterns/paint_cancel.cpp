// The per-thread flag that lets a painter give up a slow screen when its run ends.
#include "patterns/paint_cancel.h"

#include <windows.h>

namespace {

// A thread-local slot of Windows' own (no C++ thread_local, which would link a threads runtime).
// Every thread's slot starts out null: threads that never name a flag always paint to the end.
volatile LONG g_slot = static_cast<LONG>(TLS_OUT_OF_INDEXES);

DWORD Slot() {
    const DWORD slot = static_cast<DWORD>(InterlockedCompareExchange(&g_slot, 0, 0));
    if (slot != TLS_OUT_OF_INDEXES) return slot;
    const DWORD mine = TlsAlloc();
    if (mine == TLS_OUT_OF_INDEXES) return mine;
    const LONG before = InterlockedCompareExchange(&g_slot, static_cast<LONG>(mine), static_cast<LONG>(TLS_OUT_OF_INDEXES));
    if (before == static_cast<LONG>(TLS_OUT_OF_INDEXES)) return mine;
    TlsFree(mine);  // another thread was first
    return static_cast<DWORD>(before);
}

}  // namespace

void GiveUpPaintsWhen(const std::atomic<int>* flag) {
    const DWORD slot = Slot();
    if (slot != TLS_OUT_OF_INDEXES) TlsSetValue(slot, const_cast<std::atomic<int>*>(flag));
}

int PaintGivenUp() {
    const DWORD slot = static_cast<DWORD>(InterlockedCompareExchange(&g_slot, 0, 0));
    if (slot == TLS_OUT_OF_INDEXES) return 0;
    const std::atomic<int>* flag = static_cast<const std::atomic<int>*>(TlsGetValue(slot));
    return flag != nullptr && flag->load(std::memory_order_acquire) != 0;
}
