// Reads and closes message boxes shown by the code under test.
#include "tests/support/message_box.h"

#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (pid == search->processId && wcscmp(cls, L"#32770") == 0 && IsWindowVisible(hwnd)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStaticText(HWND hwnd, LPARAM lParam) {
    std::wstring* longest = reinterpret_cast<std::wstring*>(lParam);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (_wcsicmp(cls, L"Static") != 0) return TRUE;
    const int length = GetWindowTextLengthW(hwnd);
    std::vector<wchar_t> text(length + 1);
    GetWindowTextW(hwnd, text.data(), length + 1);
    if (static_cast<size_t>(length) > longest->size()) longest->assign(text.data(), length);
    return TRUE;
}

DWORD WINAPI WatchThread(void* parameter) {
    MessageBoxWatch* watch = static_cast<MessageBoxWatch*>(parameter);
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < watch->timeoutMs) {
        Search search = {GetCurrentProcessId(), nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            Sleep(50);  // let the dialog finish laying out its controls
            wchar_t caption[256] = {};
            GetWindowTextW(search.found, caption, 256);
            watch->caption = caption;
            EnumChildWindows(search.found, CollectStaticText, reinterpret_cast<LPARAM>(&watch->text));
            watch->seen = true;
            PostMessageW(search.found, WM_COMMAND, IDOK, 0);
            return 0;
        }
        Sleep(20);
    }
    return 0;
}

}  // namespace

void WatchForMessageBox(MessageBoxWatch* watch, DWORD timeoutMs) {
    watch->timeoutMs = timeoutMs;
    watch->seen = false;
    watch->caption.clear();
    watch->text.clear();
    watch->thread = CreateThread(nullptr, 0, WatchThread, watch, 0, nullptr);
}

bool FinishWatch(MessageBoxWatch* watch) {
    WaitForSingleObject(watch->thread, watch->timeoutMs + 5000);
    CloseHandle(watch->thread);
    watch->thread = nullptr;
    return watch->seen;
}
