// The crash restore. A crashed thread cannot be trusted with the mode change: after a stack
// overflow it has almost no stack left, and on the UI thread the change would send messages into
// the window procedure that just crashed. So a restore thread of its own, started with the
// program and waiting on an event, puts the mode back; every crash path wakes it and gives it a
// few seconds before the crash goes on. After a crash the program lived through, the next switch
// starts a restore thread afresh.
#include "testrun/crash_restore.h"

#include <windows.h>

#include <signal.h>
#include <stdint.h>
#include <stdlib.h>

#include "monitor/native_resolution.h"

namespace {

constexpr SIZE_T kRestoreStackBytes = 256 * 1024;  // reserved, not committed: the mode change with room to spare
constexpr DWORD kRestoreWaitMs = 5000;             // how long a crash waits for the mode to be back
// What a thread keeps back at the end of its stack: after an overflow the exception dispatch, the
// filter and the filters after it run there.
constexpr ULONG kCrashStackBytes = 64 * 1024;
constexpr DWORD kInvalidCrtParameter = 0xC0000417;  // what Windows reports such a fault as

struct CrashRestore {
    int installed;
    HANDLE wake;      // set by a crash: put the mode back
    HANDLE done;      // set by the restore thread when it has tried; it then ends
    HANDLE thread;    // the restore thread; null when it could not be started
    DWORD threadId;   // the restore thread's; 0 when it could not be started
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter;
};

CrashRestore g_crashRestore;

// Puts the mode back once and ends: a thread that waited on would keep a process alive whose
// crashed UI thread Windows (or Wine, after a stack overflow) ended alone.
DWORD WINAPI RestoreThreadMain(void*) {
    WaitForSingleObject(g_crashRestore.wake, INFINITE);
    RestoreOriginalResolution();
    SetEvent(g_crashRestore.done);
    return 0;
}

// Started while the process is well: a thread cannot be created once it is crashing, and one that
// only waits costs nothing but its reserved stack.
void StartRestoreThread() {
    ResetEvent(g_crashRestore.wake);
    ResetEvent(g_crashRestore.done);
    g_crashRestore.thread = CreateThread(nullptr, kRestoreStackBytes, RestoreThreadMain, nullptr,
                                         STACK_SIZE_PARAM_IS_A_RESERVATION, &g_crashRestore.threadId);
    if (g_crashRestore.thread == nullptr) g_crashRestore.threadId = 0;
}

// From now on the calling thread's top-level windows are handled as windows with no procedure of
// their own, so that what the mode change sends them never reaches the code that crashed.
BOOL CALLBACK HandleByDefault(HWND hwnd, LPARAM) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
    return TRUE;
}

// Waits for the restore thread, a bounded time. The mode change sends WM_DISPLAYCHANGE to every
// top-level window and waits for each answer, seconds a window where its thread answers nothing;
// so a crashed thread that has windows, and the stack to spare, answers those messages itself
// through the default handling while it waits.
void WaitForTheRestore(bool stackToSpare) {
    const DWORD start = GetTickCount();
    if (!stackToSpare || !EnumThreadWindows(GetCurrentThreadId(), HandleByDefault, 0)) {
        WaitForSingleObject(g_crashRestore.done, kRestoreWaitMs);
        return;
    }
    for (DWORD waited = 0; waited < kRestoreWaitMs; waited = GetTickCount() - start) {
        const DWORD left = kRestoreWaitMs - waited;
        if (MsgWaitForMultipleObjects(1, &g_crashRestore.done, FALSE, left, QS_SENDMESSAGE) != WAIT_OBJECT_0 + 1) {
            return;  // restored, or out of time
        }
        MSG message;  // answers what was sent; takes nothing posted
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// Called by each crash path on the crashed thread: wakes the restore thread and waits a bounded
// time, so that a restore that hangs cannot keep the crash from going on. `stackToSpare` is false
// after a stack overflow.
void PutModeBackBeforeTheEnd(bool stackToSpare = true) {
    if (!ResolutionSwitched()) return;
    if (g_crashRestore.threadId == 0) {
        RestoreOriginalResolution();  // no restore thread: the crashed thread is all there is
        return;
    }
    if (GetCurrentThreadId() == g_crashRestore.threadId) return;  // the restore itself crashed
    SetEvent(g_crashRestore.wake);
    WaitForTheRestore(stackToSpare);
}

LONG WINAPI RestoreModeOnUnhandledException(EXCEPTION_POINTERS* exception) {
    PutModeBackBeforeTheEnd();
    const LPTOP_LEVEL_EXCEPTION_FILTER previous = g_crashRestore.previousFilter;
    return previous != nullptr ? previous(exception) : EXCEPTION_CONTINUE_SEARCH;
}

// A stack overflow is met where it is raised: the way on to the unhandled-exception filter can need
// more stack than the thread has left (under Wine one page, whatever the guarantee), and then the
// filter never runs. Added last among the vectored handlers, it lets the exception go on.
LONG WINAPI RestoreModeOnStackOverflow(EXCEPTION_POINTERS* exception) {
    if (exception->ExceptionRecord->ExceptionCode == STATUS_STACK_OVERFLOW) PutModeBackBeforeTheEnd(false);
    return EXCEPTION_CONTINUE_SEARCH;
}

// abort() ends the process with its usual exit code once this returns.
void RestoreModeOnAbort(int) {
    PutModeBackBeforeTheEnd();
}

// Without this handler the runtime would end the process as a crash Windows reports; so does this,
// once the mode is back.
void __cdecl RestoreModeOnInvalidParameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned int, uintptr_t) {
    PutModeBackBeforeTheEnd();
    RaiseException(kInvalidCrtParameter, EXCEPTION_NONCONTINUABLE, 0, nullptr);
}

void __cdecl RestoreModeOnPureCall() {
    PutModeBackBeforeTheEnd();
    abort();
}

}  // namespace

void RestoreResolutionOnCrash() {
    if (g_crashRestore.installed) return;  // a second filter of ours would call the first, and so on
    g_crashRestore.installed = 1;
    SetBeforeModeSwitch(ArmCrashRestore);
    ReserveCrashStack();
    g_crashRestore.wake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_crashRestore.done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (g_crashRestore.wake != nullptr && g_crashRestore.done != nullptr) StartRestoreThread();
    AddVectoredExceptionHandler(0, RestoreModeOnStackOverflow);
    g_crashRestore.previousFilter = SetUnhandledExceptionFilter(RestoreModeOnUnhandledException);
    signal(SIGABRT, RestoreModeOnAbort);
    // std::terminate needs no handler of its own: the runtime's ends in abort(), which the SIGABRT
    // handler above meets. Setting one would link the C++ runtime's unwinder and demangler into the
    // program (some 90 KB) for nothing.
    _set_invalid_parameter_handler(RestoreModeOnInvalidParameter);
    _set_purecall_handler(RestoreModeOnPureCall);
}

void ArmCrashRestore() {
    if (!g_crashRestore.installed || g_crashRestore.thread == nullptr) return;
    if (WaitForSingleObject(g_crashRestore.done, 0) != WAIT_OBJECT_0) return;  // still waiting for a crash
    WaitForSingleObject(g_crashRestore.thread, kRestoreWaitMs);  // it ends right after its restore
    CloseHandle(g_crashRestore.thread);
    StartRestoreThread();
}

void ReserveCrashStack() {
    ULONG bytes = kCrashStackBytes;
    SetThreadStackGuarantee(&bytes);
}
