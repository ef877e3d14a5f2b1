// The console's one line.
#include "app/console.h"

#include "app/format.h"
#include "app/texts.h"
#include "record/report_texts.h"

namespace {

constexpr int kLineBytes = 2048;

// Writes the UTF-8 `line` of `length` bytes to standard output: as wide characters to a console,
// as bytes to a file or pipe, not at all to anything else (a console given up, the NUL device).
void WriteOut(const char* line, int length) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        wchar_t wide[kLineBytes];
        WidenUtf8(line, wide, kLineBytes);
        WriteConsoleW(out, wide, lstrlenW(wide), &written, nullptr);
        return;
    }
    const DWORD type = GetFileType(out);
    if (type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE) WriteFile(out, line, length, &written, nullptr);
}

}  // namespace

void LeaveOwnConsole() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) FreeConsole();
}

void SayRunOutcome(int saved, const wchar_t* path, const char* verdict, const wchar_t* reason) {
    char pathUtf8[MAX_PATH * 3];
    NarrowToUtf8(path, pathUtf8, sizeof(pathUtf8));
    // Room is kept for the line break.
    char line[kLineBytes];
    int length = 0;
    if (saved) {
        length = FormatUtf8(line, sizeof(line) - 2, ReportText(g_lang, RT_CONSOLE_SAVED), verdict, pathUtf8);
    } else {
        char reasonUtf8[512];
        NarrowToUtf8(reason, reasonUtf8, sizeof(reasonUtf8));
        length = FormatUtf8(line, sizeof(line) - 2, ReportText(g_lang, RT_SAVE_FAILED), pathUtf8, reasonUtf8);
    }
    length += FormatUtf8(line + length, sizeof(line) - length, "\r\n");
    WriteOut(line, length);
}
