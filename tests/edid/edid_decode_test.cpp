// EDID decoding on hand-made blocks: header, version, slot order, the 12-bit sizes, what is no
// timing, and DisplayID 2.x timings wider than 20 bytes.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/edid.h"

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

// Writes the four size bytes of the slot starting at byte `d` (bytes d+2, d+4, d+5, d+7) and a
// pixel clock of 148.5 MHz.
void SetSizeBytes(std::vector<unsigned char>& edid, int d, unsigned char b2, unsigned char b4, unsigned char b5,
                  unsigned char b7) {
    edid[d] = 0x02;
    edid[d + 1] = 0x3A;
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
    r.ok = GetNativeResolutionFromEDID(edid.data(), static_cast<unsigned long>(edid.size()), &r.width, &r.height);
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

TEST(EdidDecode, WhatIsNoTiming) {
    // Each slot 0 below is passed over for the 1024 x 768 timing in slot 1.
    struct Case {
        const char* what;
        unsigned char slot[18];
    };
    const Case cases[] = {
        {"01 filler", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {"clock under 1 MHz (60: a refresh rate)", {0x3C, 0, 0x00, 0xA0, 0x50, 0x00, 0x16, 0x30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<unsigned char> edid = BaseBlock();
        for (int i = 0; i < 18; ++i) edid[54 + i] = c.slot[i];
        SetSizeBytes(edid, 72, 0x00, 0x40, 0x00, 0x30);
        ExpectSize(edid, 1024, 768);
    }
    // A clock of exactly 1 MHz, and an interlaced timing, count; the latter as its frame.
    std::vector<unsigned char> edid = BaseBlock();
    SetSizeBytes(edid, 54, 0x00, 0x50, 0x00, 0x30);  // 1280 x 768
    edid[54] = 100;
    edid[55] = 0;
    ExpectSize(edid, 1280, 768);
    edid[54 + 17] = 0x80;
    ExpectSize(edid, 1280, 1536);
}

TEST(EdidDecode, LengthAndExtensionCount) {
    // The base checksum is not examined, and three extensions claimed but absent are not read.
    std::vector<unsigned char> edid = BaseBlock(128);
    SetSizeBytes(edid, 108, 0x00, 0x40, 0x00, 0x30);
    edid[126] = 3;
    edid[127] = 0x5A;
    ExpectSize(edid, 1024, 768);
    edid.pop_back();  // 127 bytes are no EDID
    ExpectNone(edid);

    // A timing in an extension block of no known kind is not taken.
    std::vector<unsigned char> extended = BaseBlock(256);
    extended[126] = 1;
    SetSizeBytes(extended, 128 + 4, 0x80, 0x70, 0x38, 0x40);
    ExpectNone(extended);
}

// A DisplayID 2.0 extension with a Type VII data block of revision byte `revision` holding two
// timings of `timing` bytes each: 1920 x 1080, then a preferred 6016 x 3384.
std::vector<unsigned char> WithTypeSeven(unsigned char revision, int timing) {
    std::vector<unsigned char> edid = BaseBlock(256);
    SetSizeBytes(edid, 54, 0x80, 0x70, 0x38, 0x40);
    unsigned char* block = edid.data() + 128;
    const unsigned char head[8] = {0x70, 0x20, static_cast<unsigned char>(3 + 2 * timing), 0, 0, 0x22, revision,
                                   static_cast<unsigned char>(2 * timing)};
    for (int i = 0; i < 8; ++i) block[i] = head[i];
    const int sizes[2][2] = {{1920, 1080}, {6016, 3384}};
    for (int k = 0; k < 2; ++k) {
        unsigned char* t = block + 8 + k * timing;
        t[0] = 0x10;
        t[3] = k == 1 ? 0x80 : 0x00;
        t[4] = (sizes[k][0] - 1) & 0xFF;
        t[5] = static_cast<unsigned char>((sizes[k][0] - 1) >> 8);
        t[12] = (sizes[k][1] - 1) & 0xFF;
        t[13] = static_cast<unsigned char>((sizes[k][1] - 1) >> 8);
    }
    // The section's checksum, then the block's.
    unsigned sum = 0;
    for (int i = 1; i < 5 + block[2]; ++i) sum += block[i];
    block[5 + block[2]] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    sum = 0;
    for (int i = 0; i < 127; ++i) sum += block[i];
    block[127] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    return edid;
}

TEST(EdidDecode, TypeSevenTimingSizeComesFromTheRevisionByte) {
    ExpectSize(WithTypeSeven(0x00, 20), 6016, 3384);
    ExpectSize(WithTypeSeven(0x10, 21), 6016, 3384);
    ExpectSize(WithTypeSeven(0x71, 27), 6016, 3384);
    // Read in 20-byte steps, 21-byte timings hide the preferred flag: the base block decides.
    ExpectSize(WithTypeSeven(0x00, 21), 1920, 1080);
}

TEST(EdidDecode, NullPointersAreNoResult) {
    std::vector<unsigned char> edid = BaseBlock();
    SetSizeBytes(edid, 54, 0x80, 0x70, 0x38, 0x40);
    unsigned long width = kUntouched;
    unsigned long height = kUntouched;
    EXPECT_FALSE(GetNativeResolutionFromEDID(nullptr, 128, &width, &height));
    EXPECT_FALSE(GetNativeResolutionFromEDID(edid.data(), 128, nullptr, &height));
    EXPECT_FALSE(GetNativeResolutionFromEDID(edid.data(), 128, &width, nullptr));
    EXPECT_FALSE(DecodeNativeMode(edid.data(), 128, nullptr));
    EXPECT_EQ(width, kUntouched);
    EXPECT_EQ(height, kUntouched);
}

}  // namespace
