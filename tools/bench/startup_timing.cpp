// Timing a start of tavro.exe up to the first paint of its selection window.
#include "tools/bench/startup_timing.h"

#include "tools/bench/bench_clock.h"

namespace {

constexpr double kStartTimeoutMs = 30000.0;
constexpr DWORD kExitTimeoutMs = 10000;

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND hwnd, LPARAM param) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND VisibleWindowOf(DWORD processId) {
    WindowSearch search = {processId, nullptr};
    EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A new directory under the temporary folder, so each start writes its trace files afresh.
int MakeWorkDirectory(std::wstring* directory) {
    wchar_t base[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, base);
    if (length == 0 || length >= MAX_PATH) return 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        *directory = std::wstring(base) + L"tavro-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                     std::to_wstring(GetTickCount() + attempt);
        if (CreateDirectoryW(directory->c_str(), nullptr)) return 1;
    }
    return 0;
}

void RemoveWorkDirectory(const std::wstring& directory) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((directory + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((directory + L"\\" + entry.cFileName).c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(directory.c_str());
}

// Polls every millisecond; returns the window once it is visible and the first paint is traced.
HWND WaitForFirstPaint(const PROCESS_INFORMATION& process, const std::wstring& trace, double start,
                       double* elapsedMs, std::wstring* error) {
    for (;;) {
        HWND window = VisibleWindowOf(process.dwProcessId);
        if (window != nullptr && FileExists(trace)) {
            *elapsedMs = BenchNowMs() - start;
            return window;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            *error = L"tavro.exe ended with exit code " + std::to_wstring(code) + L" before its window was painted";
            return nullptr;
        }
        if (BenchNowMs() - start > kStartTimeoutMs) {
            *error = L"no painted window after 30 s (is there a display?)";
            return nullptr;
        }
    }
}

// WM_CLOSE ends the program the way Alt+F4 does; only a program that hangs is terminated.
void CloseProgram(const PROCESS_INFORMATION& process, HWND window) {
    if (window != nullptr) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, window != nullptr ? kExitTimeoutMs : 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kExitTimeoutMs);
    }
}

}  // namespace

int TimeOneStartup(const std::wstring& exe, double* elapsedMs, std::wstring* error) {
    std::wstring directory;
    if (!MakeWorkDirectory(&directory)) {
        *error = L"cannot create a working directory under the temporary folder";
        return 0;
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    const double start = BenchNowMs();
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(),
                        &startup, &process)) {
        *error = L"cannot start " + exe + L" (error " + std::to_wstring(GetLastError()) + L")";
        RemoveWorkDirectory(directory);
        return 0;
    }
    HWND window = WaitForFirstPaint(process, directory + L"\\drawitem.txt", start, elapsedMs, error);
    CloseProgram(process, window);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    RemoveWorkDirectory(directory);
    return window != nullptr;
}
