// Writing a painted 32-bit image as a standard 24-bit bottom-up BMP file.
#pragma once
#include <windows.h>

#include <cstdint>

// Creates `path` from `pixels` (0x00RRGGBB, rows top to bottom, `width` x `height`). The data go to
// a temporary file beside it that is renamed over `path` only when complete, so a failure never
// leaves a half-written BMP. Returns nonzero on success; on failure `*error` is the Win32 error.
int WriteBmpFile(const wchar_t* path, const uint32_t* pixels, int width, int height, DWORD* error);

// Nonzero when a file can be created at `path` (checked before spending time on painting).
int CanCreateFile(const wchar_t* path, DWORD* error);
