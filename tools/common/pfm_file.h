// Writing a floating-point RGB image as a PFM file (the HDR screens' frames, in scRGB).
#pragma once
#include <windows.h>

// Creates `path` from `rgba` (four floats per pixel, R, G, B, A, rows top to bottom, `width` x
// `height`, as the HDR frames hold them): the header "PF\n<width> <height>\n-1.0\n", then the R, G
// and B floats little-endian, rows bottom to top as PFM has them; alpha is left out. The data go
// to a temporary file beside it, renamed over `path` only when complete. Returns nonzero on
// success; on failure `*error` is the Win32 error (ERROR_INVALID_PARAMETER for an empty image).
int WritePfmFile(const wchar_t* path, const float* rgba, int width, int height, DWORD* error);
