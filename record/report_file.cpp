// Saving the report: the facts of this machine and run, the HTML or JSON written to a new
// temporary file beside the target, flushed, and then moved into place, and the command line's paths.
#include "record/report_file.h"

#include <fcntl.h>
#include <io.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include "app/bounded_format.h"
#include "app/format.h"
#include "app/texts.h"
#include "record/report_html.h"
#include "record/report_json.h"
#include "record/report_texts.h"
#include "record/report_path.h"
#include "record/run_record.h"

namespace {

constexpr int kTemporaryTries = 1000;  // names "<target>.1.part" to "<target>.1000.part"
constexpr int kVariantTries = 10000;   // "-2" to "-10000"

typedef LONG(WINAPI* RtlGetVersionFn)(OSVERSIONINFOW*);

// Windows' own version: GetVersionEx answers with the version the program was made for.
void WindowsVersion(char* text, int size) {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    const RtlGetVersionFn getVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (getVersion == nullptr || getVersion(&info) != 0) {
        FormatUtf8(text, size, "Windows");
        return;
    }
    FormatUtf8(text, size, "Windows %lu.%lu (build %lu)", info.dwMajorVersion, info.dwMinorVersion,
               info.dwBuildNumber);
}

void SystemReason(DWORD error, wchar_t* reason, int reasonChars) {
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        reason, reasonChars, nullptr);
    if (length == 0) {
        FormatText(reason, reasonChars, L"error %lu", error);
        return;
    }
    for (DWORD k = length; k > 0 && (reason[k - 1] == L'\n' || reason[k - 1] == L'\r' || reason[k - 1] == L'.'); --k) {
        reason[k - 1] = L'\0';
    }
}

// A new file beside `path` that replaces nothing: "<path>.<n>.part" for the first n whose name
// no file has. Returns its handle and its name in `temporary` (room for MAX_PATH), or
// INVALID_HANDLE_VALUE with the system's error set.
HANDLE CreateTemporary(const wchar_t* path, wchar_t* temporary) {
    for (int n = 1; n <= kTemporaryTries; ++n) {
        wchar_t name[MAX_PATH + 16];
        if (lstrlenW(path) >= MAX_PATH || FormatText(name, MAX_PATH + 16, L"%ls.%d.part", path, n) >= MAX_PATH) {
            SetLastError(ERROR_FILENAME_EXCED_RANGE);
            return INVALID_HANDLE_VALUE;
        }
        const HANDLE file = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            lstrcpynW(temporary, name, MAX_PATH);
            return file;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return INVALID_HANDLE_VALUE;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// The file behind `handle` as a stream, which then owns the handle; null (and the handle closed)
// where that fails.
FILE* StreamOf(HANDLE handle) {
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        return nullptr;
    }
    FILE* out = _fdopen(descriptor, "wb");
    if (out == nullptr) _close(descriptor);
    return out;
}

// The report, HTML or JSON as `path` asks, to `out`; nonzero when every write succeeded.
int WriteReport(FILE* out, const RunRecord* record, const wchar_t* path, const SYSTEMTIME& now) {
    char created[32];
    FormatUtf8(created, sizeof(created), "%04u-%02u-%02u %02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
               now.wMinute);
    char system[64];
    WindowsVersion(system, sizeof(system));
    const ReportInput input = {g_lang,       created,
                               "TAVRO " TAVRO_VERSION, system,
                               record->edid, record->edidLength,
                               record->width, record->height,
                               record->hz, &record->findings,
                               &record->displayState};
    return IsJsonReportPath(path) ? WriteReportJson(out, &input) : WriteReportHtml(out, &input);
}

// The report written whole to a new temporary file beside `path` and flushed to the disk, so that a
// power cut leaves either no report or all of it. Returns nonzero with its name in `temporary`;
// otherwise the temporary file is gone and the system's error is set.
int WriteTemporary(const RunRecord* record, const wchar_t* path, const SYSTEMTIME& now, wchar_t* temporary) {
    const HANDLE file = CreateTemporary(path, temporary);
    if (file == INVALID_HANDLE_VALUE) return 0;
    FILE* out = StreamOf(file);
    const int written = out != nullptr && WriteReport(out, record, path, now) && fflush(out) == 0 &&
                        FlushFileBuffers(file);
    const DWORD error = GetLastError();
    const int closed = out != nullptr && fclose(out) == 0;
    if (written && closed) return 1;
    DeleteFileW(temporary);
    SetLastError(written || error == ERROR_SUCCESS ? ERROR_WRITE_FAULT : error);
    return 0;
}

// Writes the report to a new temporary file beside `path`, then moves it over `path` (the save
// dialog asks before it names a file that is there); on any failure the temporary file goes and
// nothing else is touched.
int SaveReportAt(const RunRecord* record, const wchar_t* path, const SYSTEMTIME& now, wchar_t* reason,
                 int reasonChars) {
    wchar_t temporary[MAX_PATH];
    if (!WriteTemporary(record, path, now, temporary)) {
        SystemReason(GetLastError(), reason, reasonChars);
        return 0;
    }
    if (!MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary);
        SystemReason(error, reason, reasonChars);
        return 0;
    }
    return 1;
}

// Why a /report path cannot be used: it is longer than a report path may be.
void TooLongReason(wchar_t* reason, int reasonChars) {
    char text[256];
    FormatUtf8(text, sizeof(text), ReportText(g_lang, RT_REASON_REPORT), kLongestReportPath);
    WidenUtf8(text, reason, reasonChars);
}

// The folders of the full path `path` that are not there yet, made one after the other; a failure
// shows later, when the report cannot be written.
void CreateFolders(const wchar_t* path) {
    wchar_t folder[MAX_PATH];
    lstrcpynW(folder, path, MAX_PATH);
    const int root = folder[0] == L'\\' && folder[1] == L'\\' ? 2 : 3;  // past "\\" or "C:\"
    int separators = 0;
    for (int k = root; folder[k] != 0; ++k) {
        if (folder[k] != L'\\' && folder[k] != L'/') continue;
        // A network path's first two parts name its server and share, which are never made.
        if (root == 2 && ++separators <= 2) continue;
        const wchar_t kept = folder[k];
        folder[k] = 0;
        CreateDirectoryW(folder, nullptr);
        folder[k] = kept;
    }
}

// Moves the written `temporary` to `path`, or where a file or folder of that name is there (whoever
// put it there), to its first free "-n" variant; never replaces anything. Writes the name taken
// to `saved` (room for MAX_PATH).
int MoveToFreeName(const wchar_t* temporary, const wchar_t* path, wchar_t* saved, wchar_t* reason,
                   int reasonChars) {
    lstrcpynW(saved, path, MAX_PATH);
    for (int n = 2;; ++n) {
        if (lstrlenW(saved) > kLongestReportPath) {
            TooLongReason(reason, reasonChars);
            return 0;
        }
        if (MoveFileExW(temporary, saved, MOVEFILE_WRITE_THROUGH)) return 1;
        const DWORD error = GetLastError();
        if ((error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) || n > kVariantTries) {
            SystemReason(error, reason, reasonChars);
            return 0;
        }
        if (!ReportPathVariant(path, n, saved, MAX_PATH)) {
            lstrcpynW(saved, path, MAX_PATH);
            TooLongReason(reason, reasonChars);
            return 0;
        }
    }
}

}  // namespace

int SaveRunReport(const RunRecord* record, const wchar_t* path, wchar_t* reason, int reasonChars) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return SaveReportAt(record, path, now, reason, reasonChars);
}

int SaveCommandLineReport(const RunRecord* record, const wchar_t* pattern, wchar_t* savedPath, int savedChars,
                          wchar_t* reason, int reasonChars) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const ReportClock when = {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
    wchar_t expanded[MAX_PATH];
    wchar_t path[MAX_PATH];
    const int filled = ExpandReportPath(pattern, record->edid, record->edidLength, when, expanded, MAX_PATH);
    const DWORD length = filled ? GetFullPathNameW(expanded, MAX_PATH, path, nullptr) : 0;
    if (length == 0 || length > static_cast<DWORD>(kLongestReportPath)) {
        lstrcpynW(savedPath, filled ? expanded : pattern, savedChars);
        TooLongReason(reason, reasonChars);
        return 0;
    }
    CreateFolders(path);
    wchar_t temporary[MAX_PATH];
    wchar_t saved[MAX_PATH];
    lstrcpynW(savedPath, path, savedChars);
    if (!WriteTemporary(record, path, now, temporary)) {
        SystemReason(GetLastError(), reason, reasonChars);
        return 0;
    }
    const int moved = MoveToFreeName(temporary, path, saved, reason, reasonChars);
    if (!moved) DeleteFileW(temporary);
    lstrcpynW(savedPath, saved, savedChars);
    return moved;
}
