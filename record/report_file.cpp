// Saving the report: the facts of this machine and run, the HTML or JSON written to a new
// temporary file beside the target and then moved over it, and the command line's paths.
#include "record/report_file.h"

#include <fcntl.h>
#include <io.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>


#include "app/bounded_format.h"
#include "app/texts.h"
#include "record/report_html.h"
#include "record/report_json.h"
#include "record/report_path.h"
#include "record/run_record.h"

namespace {

constexpr int kTemporaryTries = 1000;  // names "<target>.1.part" to "<target>.1000.part"
constexpr int kVariantTries = 10000;   // "-2" to "-10000"

// The full paths of the reports this start of the program wrote, which a later report never replaces.
struct WrittenReports {
    wchar_t (*paths)[MAX_PATH];  // malloc'd
    int count;
    int room;
};
WrittenReports g_written;

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

// Nonzero when this start of the program wrote a report to `path`, compared as Windows compares
// file names: whole paths, letters in any case.
int WrittenHere(const wchar_t* path) {
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return 0;
    for (int k = 0; k < g_written.count; ++k) {
        if (CompareStringOrdinal(g_written.paths[k], -1, full, -1, TRUE) == CSTR_EQUAL) return 1;
    }
    return 0;
}

void RememberWritten(const wchar_t* path) {
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH || WrittenHere(full)) return;
    if (g_written.count == g_written.room) {
        const int room = g_written.room > 0 ? 2 * g_written.room : 8;
        void* grown = realloc(g_written.paths, sizeof(*g_written.paths) * room);
        if (grown == nullptr) return;  // out of memory: this report may be replaced later, nothing worse
        g_written.paths = static_cast<wchar_t(*)[MAX_PATH]>(grown);
        g_written.room = room;
    }
    lstrcpynW(g_written.paths[g_written.count++], full, MAX_PATH);
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
                               record->hz, &record->findings};
    return IsJsonReportPath(path) ? WriteReportJson(out, &input) : WriteReportHtml(out, &input);
}

// Writes the report to a new temporary file beside `path`, then moves it over `path`; on any
// failure the temporary file goes and nothing else is touched.
int SaveReportAt(const RunRecord* record, const wchar_t* path, const SYSTEMTIME& now, wchar_t* reason,
                 int reasonChars) {
    wchar_t temporary[MAX_PATH];
    const HANDLE file = CreateTemporary(path, temporary);
    if (file == INVALID_HANDLE_VALUE) {
        SystemReason(GetLastError(), reason, reasonChars);
        return 0;
    }
    FILE* out = StreamOf(file);
    const int written = out != nullptr && WriteReport(out, record, path, now);
    const int closed = out != nullptr && fclose(out) == 0;
    if (!written || !closed || !MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = written && closed ? GetLastError() : ERROR_WRITE_FAULT;
        DeleteFileW(temporary);
        SystemReason(error, reason, reasonChars);
        return 0;
    }
    RememberWritten(path);
    return 1;
}

// `expanded`, or its first "-n" variant that no report of this start has; 0 where none fits.
int UnwrittenPath(const wchar_t* expanded, wchar_t* path) {
    lstrcpynW(path, expanded, MAX_PATH);
    for (int n = 2; WrittenHere(path); ++n) {
        if (n > kVariantTries || !ReportPathVariant(expanded, n, path, MAX_PATH)) return 0;
    }
    return 1;
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
    if (!ExpandReportPath(pattern, record->edid, record->edidLength, when, expanded, MAX_PATH) ||
        !UnwrittenPath(expanded, path)) {
        lstrcpynW(savedPath, pattern, savedChars);
        SystemReason(ERROR_FILENAME_EXCED_RANGE, reason, reasonChars);
        return 0;
    }
    lstrcpynW(savedPath, path, savedChars);
    return SaveReportAt(record, path, now, reason, reasonChars);
}
