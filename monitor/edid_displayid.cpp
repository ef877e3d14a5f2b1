// A DisplayID extension block: the first detailed timing flagged as preferred.
#include "monitor/edid_blocks.h"

namespace {

constexpr unsigned long kVersionByte = 1;
constexpr unsigned long kSectionBytesByte = 2;
constexpr unsigned long kFirstDataBlock = 5;
// The section ends in its own checksum byte, which must come before the block's, byte 127.
constexpr unsigned long kLastSectionChecksum = 126;
constexpr unsigned long kDataBlockHeader = 3;  // tag, revision, payload bytes
constexpr unsigned char kTypeOneTimings = 0x03;    // detailed timings of DisplayID 1.x
constexpr unsigned char kTypeSevenTimings = 0x22;  // detailed timings of DisplayID 2.x
constexpr unsigned long kTimingBytes = 20;
constexpr unsigned char kPreferred = 0x80;

// Bytes 1 up to and including the section's checksum byte add up to a multiple of 256.
int SectionChecksumOk(const unsigned char* block, unsigned long checksumByte) {
    unsigned sum = 0;
    for (unsigned long i = kVersionByte; i <= checksumByte; ++i) sum += block[i];
    return (sum & 0xFF) == 0;
}

// The size of one timing in the data block starting at `header`, or 0 when it holds no detailed
// timings for this DisplayID version. Version 2 blocks may widen their timings past 20 bytes.
unsigned long TimingSize(unsigned major, const unsigned char* header) {
    if (major == 1 && header[0] == kTypeOneTimings) return kTimingBytes;
    if (major == 2 && header[0] == kTypeSevenTimings) return kTimingBytes + ((header[1] >> 4) & 0x07);
    return 0;
}

// Sizes are kept minus one, low byte first.
unsigned long StoredSize(const unsigned char* field) {
    return field[0] + 256ul * field[1] + 1;
}

int PreferredInDataBlock(const unsigned char* payload, unsigned long bytes, unsigned long timingSize,
                         NativeMode* mode) {
    for (unsigned long at = 0; at + timingSize <= bytes; at += timingSize) {
        const unsigned char* timing = payload + at;
        if ((timing[3] & kPreferred) == 0) continue;
        // The vertical size is the whole frame's, interlaced or not.
        mode->width = StoredSize(timing + 4);
        mode->height = StoredSize(timing + 12);
        return 1;
    }
    return 0;
}

}  // namespace

int DisplayIdPreferredTiming(const unsigned char* block, NativeMode* mode) {
    const unsigned major = block[kVersionByte] >> 4;
    const unsigned long checksumByte = kFirstDataBlock + block[kSectionBytesByte];
    if (checksumByte > kLastSectionChecksum || !SectionChecksumOk(block, checksumByte)) return 0;
    unsigned long at = kFirstDataBlock;
    while (at + kDataBlockHeader <= checksumByte) {
        const unsigned long bytes = block[at + 2];
        if (at + kDataBlockHeader + bytes > checksumByte) return 0;  // runs past the section
        const unsigned long timingSize = TimingSize(major, block + at);
        if (timingSize != 0 && PreferredInDataBlock(block + at + kDataBlockHeader, bytes, timingSize, mode)) {
            return 1;
        }
        at += kDataBlockHeader + bytes;
    }
    return 0;
}
