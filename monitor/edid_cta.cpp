// A CTA-861 extension block: its first-listed video format, by video code or native detailed timing.
#include "monitor/edid_blocks.h"

namespace {

constexpr unsigned long kRevisionByte = 1;
constexpr unsigned long kTimingsOffsetByte = 2;  // where the detailed timings start; 0: no data at all
constexpr unsigned long kFlagsByte = 3;
constexpr unsigned long kFirstDataBlock = 4;
constexpr unsigned long kChecksumByte = 127;
constexpr unsigned long kTimingBytes = 18;
constexpr unsigned char kNativeTimingCount = 0x0F;  // in the flags byte, from revision 2
constexpr unsigned char kVideoDataBlock = 2;        // data blocks exist from revision 3

struct VideoSize {
    unsigned short width;
    unsigned short height;  // frame lines, for interlaced formats too
};

// The active size of video codes 1 to 127.
constexpr VideoSize kVideoSizesLow[] = {
    {640, 480},   {720, 480},   {720, 480},   {1280, 720},  {1920, 1080}, {1440, 480},  {1440, 480},   // 1-7
    {1440, 240},  {1440, 240},  {2880, 480},  {2880, 480},  {2880, 240},  {2880, 240},  {1440, 480},   // 8-14
    {1440, 480},  {1920, 1080}, {720, 576},   {720, 576},   {1280, 720},  {1920, 1080}, {1440, 576},   // 15-21
    {1440, 576},  {1440, 288},  {1440, 288},  {2880, 576},  {2880, 576},  {2880, 288},  {2880, 288},   // 22-28
    {1440, 576},  {1440, 576},  {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}, {2880, 480},   // 29-35
    {2880, 480},  {2880, 576},  {2880, 576},  {1920, 1080}, {1920, 1080}, {1280, 720},  {720, 576},    // 36-42
    {720, 576},   {1440, 576},  {1440, 576},  {1920, 1080}, {1280, 720},  {720, 480},   {720, 480},    // 43-49
    {1440, 480},  {1440, 480},  {720, 576},   {720, 576},   {1440, 576},  {1440, 576},  {720, 480},    // 50-56
    {720, 480},   {1440, 480},  {1440, 480},  {1280, 720},  {1280, 720},  {1280, 720},  {1920, 1080},  // 57-63
    {1920, 1080}, {1280, 720},  {1280, 720},  {1280, 720},  {1280, 720},  {1280, 720},  {1280, 720},   // 64-70
    {1280, 720},  {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080}, {1920, 1080},  // 71-77
    {1920, 1080}, {1680, 720},  {1680, 720},  {1680, 720},  {1680, 720},  {1680, 720},  {1680, 720},   // 78-84
    {1680, 720},  {2560, 1080}, {2560, 1080}, {2560, 1080}, {2560, 1080}, {2560, 1080}, {2560, 1080},  // 85-91
    {2560, 1080}, {3840, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160}, {4096, 2160},  // 92-98
    {4096, 2160}, {4096, 2160}, {4096, 2160}, {4096, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160},  // 99-105
    {3840, 2160}, {3840, 2160}, {1280, 720},  {1280, 720},  {1680, 720},  {1920, 1080}, {1920, 1080},  // 106-112
    {2560, 1080}, {3840, 2160}, {4096, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160}, {3840, 2160},  // 113-119
    {3840, 2160}, {5120, 2160}, {5120, 2160}, {5120, 2160}, {5120, 2160}, {5120, 2160}, {5120, 2160},  // 120-126
    {5120, 2160},                                                                                      // 127
};
constexpr unsigned kFirstHighCode = 193;
// The active size of video codes 193 to 219.
constexpr VideoSize kVideoSizesHigh[] = {
    {5120, 2160},  {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  // 193-198
    {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  // 199-204
    {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  {7680, 4320},  {10240, 4320}, // 205-210
    {10240, 4320}, {10240, 4320}, {10240, 4320}, {10240, 4320}, {10240, 4320}, {10240, 4320}, // 211-216
    {10240, 4320}, {4096, 2160},  {4096, 2160},                                               // 217-219
};
constexpr unsigned kLowCodes = sizeof(kVideoSizesLow) / sizeof(kVideoSizesLow[0]);
constexpr unsigned kHighCodes = sizeof(kVideoSizesHigh) / sizeof(kVideoSizesHigh[0]);
static_assert(kLowCodes == 127 && kHighCodes == 27, "one size per video code");

// The size of one short video descriptor's code. Bytes 129 to 192 are codes 1 to 64 marked native;
// 0, 128 and codes without a known size give nothing.
int VideoCodeSize(unsigned char descriptor, NativeMode* mode) {
    unsigned code = descriptor;
    if (code >= 129 && code <= 192) code -= 128;
    const VideoSize* size = nullptr;
    if (code >= 1 && code <= kLowCodes) size = &kVideoSizesLow[code - 1];
    if (code >= kFirstHighCode && code < kFirstHighCode + kHighCodes) size = &kVideoSizesHigh[code - kFirstHighCode];
    if (size == nullptr) return 0;
    mode->width = size->width;
    mode->height = size->height;
    return 1;
}

// The first known code of the first video data block among the data blocks before `end`.
int FirstVideoCode(const unsigned char* block, unsigned long end, NativeMode* mode) {
    unsigned long at = kFirstDataBlock;
    while (at < end) {
        const unsigned tag = block[at] >> 5;
        const unsigned long bytes = block[at] & 0x1F;
        if (at + 1 + bytes > end) return 0;  // runs into the detailed timings
        for (unsigned long i = 0; tag == kVideoDataBlock && i < bytes; ++i) {
            if (VideoCodeSize(block[at + 1 + i], mode)) return 1;
        }
        at += 1 + bytes;
    }
    return 0;
}

// The first usable one of the detailed timings the block counts as native formats.
int FirstNativeTiming(const unsigned char* block, unsigned long start, NativeMode* mode) {
    const unsigned long native = block[kFlagsByte] & kNativeTimingCount;
    for (unsigned long k = 0, at = start; k < native && at + kTimingBytes <= kChecksumByte; ++k, at += kTimingBytes) {
        if (block[at] == 0 && block[at + 1] == 0) return 0;  // padding: the timings have ended
        if (DetailedTimingSize(block + at, mode)) return 1;
    }
    return 0;
}

}  // namespace

int CtaFirstFormat(const unsigned char* block, NativeMode* mode) {
    const unsigned long start = block[kTimingsOffsetByte];
    if (start == 0) return 0;  // neither data blocks nor timings
    if (start < kFirstDataBlock || start > kChecksumByte) return 0;
    const unsigned revision = block[kRevisionByte];
    if (revision >= 3 && FirstVideoCode(block, start, mode)) return 1;
    return revision >= 2 && FirstNativeTiming(block, start, mode);
}
