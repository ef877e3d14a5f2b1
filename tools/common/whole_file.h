// Writing a file whole or not at all: the data go to a temporary file beside it, renamed over it
// only when complete, so a failure never leaves half an image behind.
#pragma once
#include <windows.h>

// Writes an image of `width` x `height` from `pixels` to an open file; nonzero when all went out.
typedef int (*ImageWriter)(HANDLE file, const void* pixels, int width, int height);

// Creates `path` through `write`. Returns nonzero on success; on failure `*error` is the Win32 error.
int WriteWholeFile(const wchar_t* path, ImageWriter write, const void* pixels, int width, int height, DWORD* error);

// Nonzero when all `size` bytes were written.
int WriteAll(HANDLE file, const void* data, DWORD size);
