// Writing a file whole or not at all, through a temporary file renamed into place.
#include "tools/common/whole_file.h"

#include <string>

int WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

int WriteWholeFile(const wchar_t* path, ImageWriter write, const void* pixels, int width, int height, DWORD* error) {
    const std::wstring temporary = std::wstring(path) + L".part";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        return 0;
    }
    const int written = write(file, pixels, width, height);
    if (!written) *error = GetLastError();
    const int closed = CloseHandle(file);
    if (written && !closed) *error = GetLastError();
    if (!written || !closed || !MoveFileExW(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING)) {
        if (written && closed) *error = GetLastError();
        DeleteFileW(temporary.c_str());
        return 0;
    }
    return 1;
}
