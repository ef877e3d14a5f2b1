// The PFM writer: a painted HDR frame written and read back byte by byte, and what it refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "hdr/hdr_screens.h"
#include "tools/common/pfm_file.h"

namespace {

std::string ReadAll(const wchar_t* path) {
    std::string bytes;
    FILE* file = _wfopen(path, L"rb");
    if (!file) return bytes;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof(buffer), file)) > 0;) bytes.append(buffer, n);
    fclose(file);
    return bytes;
}

// The float at byte `offset`, read little-endian.
float FloatAt(const std::string& bytes, size_t offset) {
    uint32_t bits = 0;
    for (int k = 3; k >= 0; --k) bits = bits << 8 | static_cast<unsigned char>(bytes[offset + k]);
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

TEST(PfmFile, WritesTheFrameBottomUpAsScrgb) {
    // Clipping steps: a 5 cd/m² background and a full-signal box, so top and bottom differ.
    HdrFrame frame;
    PaintHdrScreen(ClippingScreen(384, 216, 0), &frame);
    const std::vector<float> rgba = HdrFrameFloats(frame);
    const wchar_t* path = L"clipping.pfm";
    DWORD error = 0;
    ASSERT_TRUE(WritePfmFile(path, rgba.data(), 384, 216, &error)) << error;
    const std::string bytes = ReadAll(path);
    const std::string header = "PF\n384 216\n-1.0\n";
    ASSERT_EQ(bytes.size(), header.size() + 384 * 216 * 3 * 4);
    ASSERT_EQ(bytes.compare(0, header.size(), header), 0);
    const HdrScreen screen = ClippingScreen(384, 216, 0);
    const HdrRect box = screen.patches[16].rect;  // 10 000 cd/m²: 125.0
    const struct {
        int x, y;
        float red;
    } probes[] = {{0, 0, 5.0f / 80}, {383, 215, 5.0f / 80}, {box.left, box.top, 125.0f}, {box.right - 1, box.bottom - 1, 125.0f}};
    for (const auto& p : probes) {
        const size_t at = header.size() + (static_cast<size_t>(215 - p.y) * 384 + p.x) * 12;
        for (int channel = 0; channel < 3; ++channel) EXPECT_EQ(FloatAt(bytes, at + channel * 4), p.red) << p.x << "," << p.y;
    }
    EXPECT_EQ(GetFileAttributesW(L"clipping.pfm.part"), INVALID_FILE_ATTRIBUTES);
    DeleteFileW(path);
}

TEST(PfmFile, RefusesWhatItCannotWrite) {
    const float pixel[4] = {1, 1, 1, 1};
    const struct {
        const wchar_t* path;
        int width, height;
        DWORD error;
    } table[] = {
        {L"empty.pfm", 0, 1, ERROR_INVALID_PARAMETER},
        {L"negative.pfm", 1, -1, ERROR_INVALID_PARAMETER},
        {L"no such folder\\x.pfm", 1, 1, ERROR_PATH_NOT_FOUND},
    };
    for (const auto& row : table) {
        DWORD error = 0;
        EXPECT_FALSE(WritePfmFile(row.path, pixel, row.width, row.height, &error));
        EXPECT_EQ(error, row.error);
        EXPECT_EQ(GetFileAttributesW(row.path), INVALID_FILE_ATTRIBUTES);
    }
}

}  // namespace
