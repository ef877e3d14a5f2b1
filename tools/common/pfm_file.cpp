// Writing a floating-point RGB image as a little-endian, bottom-up PFM file.
#include "tools/common/pfm_file.h"

#include "tools/common/whole_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Little-endian bytes of a float, whatever the machine's own order.
void PutFloat(float value, unsigned char* out) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    for (int k = 0; k < 4; ++k) out[k] = static_cast<unsigned char>(bits >> (8 * k));
}

int WritePfmData(HANDLE file, const void* image, int width, int height) {
    const float* rgba = static_cast<const float*>(image);
    char header[64];
    // A negative scale marks little-endian data.
    const int headerLength = snprintf(header, sizeof(header), "PF\n%d %d\n-1.0\n", width, height);
    if (!WriteAll(file, header, static_cast<DWORD>(headerLength))) return 0;
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3 * 4);
    for (int y = height - 1; y >= 0; --y) {
        const float* source = rgba + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; ++x) {
            for (int channel = 0; channel < 3; ++channel) PutFloat(source[x * 4 + channel], &row[(x * 3 + channel) * 4]);
        }
        if (!WriteAll(file, row.data(), static_cast<DWORD>(row.size()))) return 0;
    }
    return 1;
}

}  // namespace

int WritePfmFile(const wchar_t* path, const float* rgba, int width, int height, DWORD* error) {
    if (width <= 0 || height <= 0 || !rgba) {
        *error = ERROR_INVALID_PARAMETER;
        return 0;
    }
    return WriteWholeFile(path, WritePfmData, rgba, width, height, error);
}
