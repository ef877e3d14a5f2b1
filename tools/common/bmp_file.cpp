// Writing a painted 32-bit image as a standard 24-bit bottom-up BMP file.
#include "tools/common/bmp_file.h"

#include "tools/common/whole_file.h"

#include <string>
#include <vector>

namespace {

int WriteBmpData(HANDLE file, const void* image, int width, int height) {
    const uint32_t* pixels = static_cast<const uint32_t*>(image);
    // Rows of 24-bit pixels are padded to a multiple of four bytes.
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    BITMAPFILEHEADER fileHeader = {};
    BITMAPINFOHEADER info = {};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof(fileHeader) + sizeof(info);
    fileHeader.bfSize = fileHeader.bfOffBits + rowBytes * static_cast<DWORD>(height);
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;  // positive: bottom-up rows
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * static_cast<DWORD>(height);
    if (!WriteAll(file, &fileHeader, sizeof(fileHeader)) || !WriteAll(file, &info, sizeof(info))) return 0;

    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* source = pixels + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            row[x * 3] = source[x] & 0xFF;              // blue
            row[x * 3 + 1] = (source[x] >> 8) & 0xFF;   // green
            row[x * 3 + 2] = (source[x] >> 16) & 0xFF;  // red
        }
        if (!WriteAll(file, row.data(), rowBytes)) return 0;
    }
    return 1;
}

std::wstring TemporaryName(const wchar_t* path) { return std::wstring(path) + L".part"; }

}  // namespace

int CanCreateFile(const wchar_t* path, DWORD* error) {
    const std::wstring temporary = TemporaryName(path);
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        // A leftover from an interrupted run is no reason to refuse; the real write replaces it.
        return *error == ERROR_FILE_EXISTS;
    }
    CloseHandle(file);
    DeleteFileW(temporary.c_str());
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) {
        *error = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? ERROR_DIRECTORY : ERROR_ACCESS_DENIED;
        return 0;
    }
    return 1;
}

int WriteBmpFile(const wchar_t* path, const uint32_t* pixels, int width, int height, DWORD* error) {
    return WriteWholeFile(path, WriteBmpData, pixels, width, height, error);
}
