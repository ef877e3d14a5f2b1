// Saving the report: the facts of this machine and run, the HTML, a temporary file renamed.
#include "record/report_file.h"

#include <stdio.h>

#include "app/texts.h"
#include "record/report_html.h"
#include "record/run_record.h"

namespace {

typedef LONG(WINAPI* RtlGetVersionFn)(OSVERSIONINFOW*);

// Windows' own version: GetVersionEx answers with the version the program was made for.
void WindowsVersion(char* text, int size) {
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    const RtlGetVersionFn getVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    if (getVersion == nullptr || getVersion(&info) != 0) {
        snprintf(text, size, "Windows");
        return;
    }
    snprintf(text, size, "Windows %lu.%lu (build %lu)", info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber);
}

void SystemReason(DWORD error, wchar_t* reason, int reasonChars) {
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                        reason, reasonChars, nullptr);
    if (length == 0) {
        wsprintfW(reason, L"error %lu", error);
        return;
    }
    for (DWORD k = length; k > 0 && (reason[k - 1] == L'\n' || reason[k - 1] == L'\r' || reason[k - 1] == L'.'); --k) {
        reason[k - 1] = L'\0';
    }
}

}  // namespace

int SaveRunReport(const RunRecord* record, const wchar_t* path, wchar_t* reason, int reasonChars) {
    wchar_t partial[MAX_PATH + 8];
    if (lstrlenW(path) >= MAX_PATH) {
        SystemReason(ERROR_FILENAME_EXCED_RANGE, reason, reasonChars);
        return 0;
    }
    wsprintfW(partial, L"%s.part", path);
    FILE* out = _wfopen(partial, L"wb");
    if (out == nullptr) {
        SystemReason(GetLastError(), reason, reasonChars);
        return 0;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    char created[32];
    snprintf(created, sizeof(created), "%04u-%02u-%02u %02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute);
    char system[64];
    WindowsVersion(system, sizeof(system));
    const ReportInput input = {g_lang,       created,
                               "TAVRO " TAVRO_VERSION, system,
                               record->edid, record->edidLength,
                               record->width, record->height,
                               record->hz, &record->findings};
    const int written = WriteReportHtml(out, &input);
    const int closed = fclose(out) == 0;
    if (!written || !closed || !MoveFileExW(partial, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = written && closed ? GetLastError() : ERROR_WRITE_FAULT;
        DeleteFileW(partial);
        SystemReason(error, reason, reasonChars);
        return 0;
    }
    return 1;
}

int SaveCommandLineReport(const RunRecord* record, const wchar_t* pattern, wchar_t* savedPath, int savedChars,
                          wchar_t* reason, int reasonChars) {
    lstrcpynW(savedPath, pattern, savedChars);
    return SaveRunReport(record, savedPath, reason, reasonChars);
}
