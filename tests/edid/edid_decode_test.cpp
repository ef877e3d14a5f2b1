// EDID base-block decoding on hand-made blocks: header, version, slot order and the 12-bit sizes.
#include <gtest/gtest.h>

#include <vector>

#include "testrun/edid.h"

namespace {

constexpr unsigned long kUntouched = 0xDEADBEEF;

// A base block with a good header, version 1, and every descriptor slot zero.
std::vector<unsigned char> BaseBlock(size_t size = 128) {
    std::vector<unsigned char> edid(size, 0);
    const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    for (int i = 0; i < 8; ++i) edid[i] = header[i];
    edid[18] = 1;
    edid[19] = 4;
    return edid;
}

// Writes the four size bytes of the slot starting at byte `d` (bytes d+2, d+4, d+5, d+7).
void SetSizeBytes(std::vector<unsigned char>& edid, int d, unsigned char b2, unsigned char b4, unsigned char b5,
                  unsigned char b7) {
    edid[d + 2] = b2;
    edid[d + 4] = b4;
    edid[d + 5] = b5;
    edid[d + 7] = b7;
}

// A monitor-name display descriptor: 00 00 00 FC 00 then text, so byte 5 ('T') is not zero.
void SetNameDescriptor(std::vector<unsigned char>& edid, int d) {
    const unsigned char name[18] = {0, 0, 0, 0xFC, 0, 'T', 'A', 'V', 'R', 'O', '\n', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    for (int i = 0; i < 18; ++i) edid[d + i] = name[i];
}

struct Decoded {
    int ok;
    unsigned long width;
    unsigned long height;
};

Decoded Decode(const std::vector<unsigned char>& edid) {
    Decoded r = {0, kUntouched, kUntouched};
    r.ok = GetNativeResolutionFromEDID(edid.data(), &r.width, &r.height);
    return r;
}

void ExpectSize(const std::vector<unsigned char>& edid, unsigned long width, unsigned long height) {
    const Decoded r = Decode(edid);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.width, width);
    EXPECT_EQ(r.height, height);
}

void ExpectNone(const std::vector<unsigned char>& edid) {
    const Decoded r = Decode(edid);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.width, kUntouched);  // outputs are left alone on failure
    EXPECT_EQ(r.height, kUntouched);
}

TEST(EdidDecode, PreferredTimingInFirstSlot) {
    std::vector<unsigned char> edid = BaseBlock();
    // 1920 x 1080: 0x780 wide, 0x438 tall; the low nibbles of bytes 4 and 7 are blanking bits.
    SetSizeBytes(edid, 54, 0x80, 0x70, 0x38, 0x40);
    ExpectSize(edid, 1920, 1080);
    edid[54 + 4] = 0x7F;
    edid[54 + 7] = 0x4F;
    ExpectSize(edid, 1920, 1080);
}

TEST(EdidDecode, TwelveBitSizes) {
    std::vector<unsigned char> edid = BaseBlock();
    SetSizeBytes(edid, 54, 0x00, 0xA0, 0xA0, 0x50);  // 2560 x 1440
    ExpectSize(edid, 2560, 1440);
    SetSizeBytes(edid, 54, 0xFF, 0xF0, 0xFF, 0xF0);  // the largest size a slot can hold
    ExpectSize(edid, 4095, 4095);
    SetSizeBytes(edid, 54, 0x00, 0x10, 0x00, 0x10);  // only the upper nibbles set
    ExpectSize(edid, 256, 256);
    SetSizeBytes(edid, 54, 0x01, 0x00, 0x01, 0x00);
    ExpectSize(edid, 1, 1);
}

TEST(EdidDecode, FirstUsableSlotDecides) {
    std::vector<unsigned char> edid = BaseBlock();
    SetNameDescriptor(edid, 54);
    SetSizeBytes(edid, 72, 0x00, 0x52, 0x00, 0x43);  // 1280 x 1024 in slot 1
    SetSizeBytes(edid, 90, 0x80, 0x70, 0x38, 0x40);  // a later timing does not count
    ExpectSize(edid, 1280, 1024);

    std::vector<unsigned char> last = BaseBlock();
    SetNameDescriptor(last, 54);
    SetNameDescriptor(last, 72);
    SetSizeBytes(last, 90, 0x00, 0x00, 0x20, 0x30);  // zero width, nonzero height: passed over
    SetSizeBytes(last, 108, 0x56, 0x50, 0x00, 0x30);  // 1366 x 768 in slot 3
    ExpectSize(last, 1366, 768);

    std::vector<unsigned char> noHeight = BaseBlock();
    SetSizeBytes(noHeight, 54, 0x80, 0x70, 0x00, 0x0F);  // 1920 wide, 0 tall
    SetSizeBytes(noHeight, 72, 0x00, 0x40, 0x00, 0x30);  // 1024 x 768
    ExpectSize(noHeight, 1024, 768);
}

TEST(EdidDecode, NoUsableSlot) {
    ExpectNone(BaseBlock());
    std::vector<unsigned char> edid = BaseBlock();
    for (int d : {54, 72, 90, 108}) SetNameDescriptor(edid, d);
    ExpectNone(edid);
    SetSizeBytes(edid, 108, 0x80, 0x70, 0x00, 0x00);  // width only
    ExpectNone(edid);
}

TEST(EdidDecode, HeaderAndVersionMustBeRight) {
    std::vector<unsigned char> good = BaseBlock();
    SetSizeBytes(good, 54, 0x80, 0x70, 0x38, 0x40);
    for (int i = 0; i < 8; ++i) {
        std::vector<unsigned char> bad = good;
        bad[i] ^= 0x01;
        ExpectNone(bad);
    }
    std::vector<unsigned char> endsInOne = good;
    endsInOne[7] = 0x01;
    ExpectNone(endsInOne);

    std::vector<unsigned char> version0 = good;
    version0[18] = 0;
    ExpectNone(version0);
    std::vector<unsigned char> version2 = good;
    version2[18] = 2;
    ExpectSize(version2, 1920, 1080);
}

TEST(EdidDecode, OnlyTheBaseBlockIsRead) {
    // Exactly 128 bytes, checksum wrong: the checksum and extension count are not examined.
    std::vector<unsigned char> edid = BaseBlock(128);
    SetSizeBytes(edid, 108, 0x00, 0x40, 0x00, 0x30);
    edid[126] = 3;
    edid[127] = 0x5A;
    ExpectSize(edid, 1024, 768);

    // A timing in an extension block is not the base block's business.
    std::vector<unsigned char> extended = BaseBlock(256);
    extended[126] = 1;
    SetSizeBytes(extended, 128 + 4, 0x80, 0x70, 0x38, 0x40);
    ExpectNone(extended);
}

TEST(EdidDecode, NullPointersAreNoResult) {
    std::vector<unsigned char> edid = BaseBlock();
    SetSizeBytes(edid, 54, 0x80, 0x70, 0x38, 0x40);
    unsigned long width = kUntouched;
    unsigned long height = kUntouched;
    EXPECT_FALSE(GetNativeResolutionFromEDID(nullptr, &width, &height));
    EXPECT_FALSE(GetNativeResolutionFromEDID(edid.data(), nullptr, &height));
    EXPECT_FALSE(GetNativeResolutionFromEDID(edid.data(), &width, nullptr));
    EXPECT_EQ(width, kUntouched);
    EXPECT_EQ(height, kUntouched);
}

}  // namespace
