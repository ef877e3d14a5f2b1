// The crash restore. A crashed thread cannot be trusted with the mode change: after a stack
// overflow it has almost no stack left, and on the UI thread the change would send messages into
// the window procedure that just crashed. So a restore thread of its own, started with the
// program and waiting on an event, puts the mode back; every crash path wakes it and gives it a
// few seconds before the crash goes on.
#include "testrun/crash_restore.h"

#include <windows.h>

#include <signal.h>
#include <stdint.h>
#include <stdlib.h>

#include "testrun/native_resolution.h"

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
    HANDLE done;      // set by the restore thread when it has tried
    DWORD threadId;   // the restore thread's; 0 when it could not be started
    LPTOP_LEVEL_EXCEPTION_FILTER previousFilter;
};

CrashRestore g_crashRestore;

DWORD WINAPI RestoreThreadMain(void*) {
    WaitForSingleObject(g_crashRestore.wake, INFINITE);
    RestoreOriginalResolution();
    SetEvent(g_crashRestore.done);
    return 0;
}

// Called by each crash path on the crashed thread: wakes the restore thread and waits a bounded
// time, so that a restore that hangs cannot keep the crash from going on.
void PutModeBackBeforeTheEnd() {
    if (!ResolutionSwitched()) return;
    if (g_crashRestore.threadId == 0) {
        RestoreOriginalResolution();  // no restore thread: the crashed thread is all there is
        return;
    }
    if (GetCurrentThreadId() == g_crashRestore.threadId) return;  // the restore itself crashed
    SetEvent(g_crashRestore.wake);
    WaitForSingleObject(g_crashRestore.done, kRestoreWaitMs);
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
    if (exception->ExceptionRecord->ExceptionCode == STATUS_STACK_OVERFLOW) PutModeBackBeforeTheEnd();
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
    ReserveCrashStack();
    // Started now rather than at a run's switch: a thread cannot be created once the process is
    // crashing, and one that only waits costs nothing but its reserved stack.
    g_crashRestore.wake = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_crashRestore.done = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    if (g_crashRestore.wake != nullptr && g_crashRestore.done != nullptr) {
        thread = CreateThread(nullptr, kRestoreStackBytes, RestoreThreadMain, nullptr,
                              STACK_SIZE_PARAM_IS_A_RESERVATION, &g_crashRestore.threadId);
    }
    if (thread != nullptr) CloseHandle(thread);
    else g_crashRestore.threadId = 0;
    AddVectoredExceptionHandler(0, RestoreModeOnStackOverflow);
    g_crashRestore.previousFilter = SetUnhandledExceptionFilter(RestoreModeOnUnhandledException);
    signal(SIGABRT, RestoreModeOnAbort);
    // std::terminate needs no handler of its own: the runtime's ends in abort(), which the SIGABRT
    // handler above meets. Setting one would link the C++ runtime's unwinder and demangler into the
    // program (some 90 KB) for nothing.
    _set_invalid_parameter_handler(RestoreModeOnInvalidParameter);
    _set_purecall_handler(RestoreModeOnPureCall);
}

void ReserveCrashStack() {
    ULONG bytes = kCrashStackBytes;
    SetThreadStackGuarantee(&bytes);
}
