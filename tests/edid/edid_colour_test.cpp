// The EDID's claims of colour, luminance and refresh on hand-made EDIDs: where each figure sits,
// which block wins, and a table of damaged, short, overlong and overrunning blocks that leave a
// figure unknown instead of reading it from outside its block.
#include <gtest/gtest.h>

#include <math.h>
#include <string.h>

#include <vector>

#include "monitor/edid_colour.h"
#include "monitor/edid_colour_blocks.h"

namespace {

using Bytes = std::vector<unsigned char>;

void FixChecksum(Bytes& edid, size_t block) {
    unsigned sum = 0;
    for (size_t i = 0; i < 127; ++i) sum += edid[block * 128 + i];
    edid[block * 128 + 127] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
}

// A base block, EDID 1.4, with eight different 10-bit coordinates and a range limits descriptor
// of 48-144 Hz in its third slot.
Bytes BaseBlock() {
    Bytes edid(128, 0);
    const unsigned char header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    for (int i = 0; i < 8; ++i) edid[i] = header[i];
    edid[18] = 1;
    edid[19] = 4;
    // Red (655, 338), green (307, 614), blue (154, 61), white (320, 337): low bits 11 10 11 10, 10 01 00 01.
    const unsigned char colour[10] = {0xEE, 0x91, 163, 84, 76, 153, 38, 15, 80, 84};
    for (int i = 0; i < 10; ++i) edid[25 + i] = colour[i];
    const unsigned char range[18] = {0, 0, 0, 0xFD, 0, 48, 144, 30, 160, 60, 0x01, 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20};
    for (int i = 0; i < 18; ++i) edid[90 + i] = range[i];
    FixChecksum(edid, 0);
    return edid;
}

// A CTA-861 extension, revision 3, holding `blocks` as its data blocks.
Bytes CtaBlock(const Bytes& blocks) {
    Bytes cta(128, 0);
    cta[0] = 0x02;
    cta[1] = 3;
    cta[2] = static_cast<unsigned char>(4 + blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) cta[4 + i] = blocks[i];
    return cta;
}

// DisplayID 2.0 display parameters: primaries and white point as 12-bit values, luminances
// 455.5, 507.5 and 0.5 cd/m² as half floats, colour depth code 3 (10 bits).
const Bytes kDisplayParameters = {0x21, 0x00, 29, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                  0xC6, 0x0A, 0x51,  // red 2758, 1296
                                  0x3F, 0xC4, 0xB9,  // green 1087, 2972
                                  0x35, 0x42, 0x0B,  // blue 565, 180
                                  0x00, 0x45, 0x54,  // white 1280, 1348
                                  0x1E, 0x5F, 0xEE, 0x5F, 0x00, 0x38, 0x03, 0x78};

Bytes DisplayIdBlock(const Bytes& dataBlocks, unsigned char version = 0x20) {
    Bytes block(128, 0);
    block[0] = 0x70;
    block[1] = version;
    block[2] = static_cast<unsigned char>(dataBlocks.size());
    for (size_t i = 0; i < dataBlocks.size(); ++i) block[5 + i] = dataBlocks[i];
    unsigned sum = 0;
    for (size_t i = 1; i < 5 + dataBlocks.size(); ++i) sum += block[i];
    block[5 + dataBlocks.size()] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    return block;
}

const Bytes kColorimetry = {0xE3, 0x05, 0xC0, 0x80};                   // BT2020YCC, BT2020RGB; DCI-P3
const Bytes kHdrStatic = {0xE6, 0x06, 0x05, 0x01, 115, 109, 7};        // SDR, PQ; type 1; 115, 109, 7
const Bytes kAmd = {0x68, 0x1A, 0x00, 0x00, 0x01, 0x01, 40, 165, 0};   // 40-165 Hz
const Bytes kHdmiForum = {0x6A, 0xD8, 0x5D, 0xC4, 1, 0x78, 0, 0, 0, 0x70, 0x2C};  // 48-300 Hz
const Bytes kHdr10Plus = {0xE5, 0x01, 0x8B, 0x84, 0x90, 0x01};

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Base block, a CTA-861 block with every kind of claim, and a DisplayID 2.0 block.
Bytes FullEdid() {
    Bytes edid = BaseBlock();
    edid[126] = 2;
    FixChecksum(edid, 0);
    const Bytes cta = CtaBlock(Join({kColorimetry, kHdrStatic, kAmd, kHdmiForum, kHdr10Plus}));
    edid.insert(edid.end(), cta.begin(), cta.end());
    FixChecksum(edid, 1);
    const Bytes displayId = DisplayIdBlock(kDisplayParameters);
    edid.insert(edid.end(), displayId.begin(), displayId.end());
    FixChecksum(edid, 2);
    return edid;
}

MonitorClaims Decode(const Bytes& edid, int expectResult = 1) {
    MonitorClaims claims;
    memset(&claims, 0x5A, sizeof(claims));
    const Bytes exact(edid.begin(), edid.end());  // a read past the end shows under AddressSanitizer
    EXPECT_EQ(DecodeMonitorClaims(exact.data(), static_cast<unsigned long>(exact.size()), &claims), expectResult);
    return claims;
}

TEST(EdidClaims, EveryFigureFromItsPlace) {
    const MonitorClaims c = Decode(FullEdid());
    ASSERT_TRUE(c.hasChromaticities);
    EXPECT_EQ(c.chromaticities.red.x, 655 / 1024.0);
    EXPECT_EQ(c.chromaticities.red.y, 338 / 1024.0);
    EXPECT_EQ(c.chromaticities.green.x, 307 / 1024.0);
    EXPECT_EQ(c.chromaticities.green.y, 614 / 1024.0);
    EXPECT_EQ(c.chromaticities.blue.x, 154 / 1024.0);
    EXPECT_EQ(c.chromaticities.blue.y, 61 / 1024.0);
    EXPECT_EQ(c.chromaticities.white.x, 320 / 1024.0);
    EXPECT_EQ(c.chromaticities.white.y, 337 / 1024.0);
    EXPECT_TRUE(c.rangeLimits.present);
    EXPECT_EQ(c.rangeLimits.minHz, 48);
    EXPECT_EQ(c.rangeLimits.maxHz, 144);

    ASSERT_TRUE(c.hdr.present);
    EXPECT_EQ(c.hdr.transferFunctions, unsigned{kEotfTraditionalSdr | kEotfSmpteSt2084});
    EXPECT_EQ(c.hdr.metadataTypes, 1u);
    EXPECT_TRUE(c.hdr.hasMax && c.hdr.hasFrameAverage && c.hdr.hasMin);
    EXPECT_NEAR(c.hdr.maxLuminance, 603.666, 0.0005);  // edid-decode's figures for these codes
    EXPECT_NEAR(c.hdr.maxFrameAverage, 530.095, 0.0005);
    EXPECT_NEAR(c.hdr.minLuminance, 0.00455, 0.00001);
    ASSERT_TRUE(c.hasColorimetry);
    EXPECT_EQ(c.colorimetry, unsigned{kColorimetryBt2020Ycc | kColorimetryBt2020Rgb | kColorimetryDciP3});
    EXPECT_TRUE(c.hdr10Plus);

    ASSERT_TRUE(c.displayId.present);
    EXPECT_EQ(c.displayId.primaries.red.x, 2758 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.red.y, 1296 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.green.x, 1087 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.green.y, 2972 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.blue.x, 565 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.blue.y, 180 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.white.x, 1280 / 4096.0);
    EXPECT_EQ(c.displayId.primaries.white.y, 1348 / 4096.0);
    EXPECT_EQ(c.displayId.maxFullFrame, 455.5);
    EXPECT_EQ(c.displayId.max10Percent, 507.5);
    EXPECT_EQ(c.displayId.minLuminance, 0.5);
    EXPECT_EQ(c.displayId.colourDepth, 10);

    EXPECT_TRUE(c.amdVrr.present);
    EXPECT_EQ(c.amdVrr.minHz, 40);
    EXPECT_EQ(c.amdVrr.maxHz, 165);
    EXPECT_TRUE(c.hdmiVrr.present);
    EXPECT_EQ(c.hdmiVrr.minHz, 48);
    EXPECT_EQ(c.hdmiVrr.maxHz, 300);  // VRRmax's two high bits sit above VRRmin
}

// One hand-made EDID and the figures it leaves known.
struct Case {
    const char* what;
    Bytes edid;
    int result;
    int chromaticities, rangeLimits, hdr, colorimetry, hdr10Plus, displayId, amd, hdmi;
};

Bytes Changed(Bytes edid, size_t at, unsigned char value, bool fixChecksum = true) {
    edid[at] = value;
    if (fixChecksum) FixChecksum(edid, at / 128);
    return edid;
}

Bytes Resized(Bytes edid, size_t size) {
    edid.resize(size, 0xE6);  // padding that would read as the start of an HDR block
    return edid;
}

// The CTA block with the HDR block last and its length one past the data blocks' end, where the
// first timing's bytes would give it a minimum luminance.
Bytes HdrRunsPast() {
    Bytes edid = Resized(BaseBlock(), 128);
    const Bytes hdr = {0xE7, 0x06, 0x05, 0x01, 115, 109, 7, 9};
    Bytes cta = CtaBlock(Join({kColorimetry, hdr}));
    cta[2] = static_cast<unsigned char>(cta[2] - 1);  // the timings start on the HDR block's last byte
    edid.insert(edid.end(), cta.begin(), cta.end());
    FixChecksum(edid, 1);
    return edid;
}

Bytes WithDisplayId(const Bytes& dataBlocks, unsigned char version = 0x20) {
    Bytes edid = BaseBlock();
    const Bytes block = DisplayIdBlock(dataBlocks, version);
    edid.insert(edid.end(), block.begin(), block.end());
    FixChecksum(edid, 1);
    return edid;
}

Bytes ShortParameters() {
    Bytes p(kDisplayParameters.begin(), kDisplayParameters.end() - 1);
    p[2] = 28;
    return p;
}

TEST(EdidClaims, DamagedBlocksLeaveTheirFiguresUnknown) {
    const Bytes full = FullEdid();
    const Case cases[] = {
        {"whole", full, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {"empty", Bytes(), 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"one byte short of a base block", Resized(full, 127), 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"no header", Changed(full, 1, 0xFE), 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"version 0", Changed(full, 18, 0), 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {"base block checksum wrong", Changed(full, 40, 1, false), 1, 0, 0, 1, 1, 1, 1, 1, 1},
        {"base block alone", Resized(full, 128), 1, 1, 1, 0, 0, 0, 0, 0, 0},
        {"CTA-861 block one byte short", Resized(full, 255), 1, 1, 1, 0, 0, 0, 0, 0, 0},
        {"CTA-861 block checksum wrong", Changed(full, 200, 1, false), 1, 1, 1, 0, 0, 0, 1, 0, 0},
        {"CTA-861 revision 2 has no data blocks", Changed(full, 129, 2), 1, 1, 1, 0, 0, 0, 1, 0, 0},
        {"CTA-861 data blocks end inside the header", Changed(full, 130, 3), 1, 1, 1, 0, 0, 0, 1, 0, 0},
        {"CTA-861 data blocks run into the checksum", Changed(full, 130, 128), 1, 1, 1, 0, 0, 0, 1, 0, 0},
        {"DisplayID block one byte short", Resized(full, 383), 1, 1, 1, 1, 1, 1, 0, 1, 1},
        {"bytes after the last block", Resized(full, 400), 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {"DisplayID block checksum wrong", Changed(full, 300, 1, false), 1, 1, 1, 1, 1, 1, 0, 1, 1},
        {"DisplayID section runs into the block checksum", Changed(full, 258, 122), 1, 1, 1, 1, 1, 1, 0, 1, 1},
        {"HDR block runs past the data blocks", HdrRunsPast(), 1, 1, 1, 0, 1, 0, 0, 0, 0},
        {"display parameters one byte short", WithDisplayId(ShortParameters()), 1, 1, 1, 0, 0, 0, 0, 0, 0},
        {"display parameters in DisplayID 1.3", WithDisplayId(kDisplayParameters, 0x13), 1, 1, 1, 0, 0, 0, 0, 0, 0},
        {"HDR block only in DisplayID's CTA-861 data", WithDisplayId(Join({{0x81, 0, 7}, kHdrStatic})), 1, 1, 1, 1, 0, 0, 0, 0, 0},
        {"CTA-861 data in DisplayID runs past it", WithDisplayId(Join({{0x81, 0, 6}, kHdrStatic})), 1, 1, 1, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& k : cases) {
        const MonitorClaims c = Decode(k.edid, k.result);
        EXPECT_EQ(c.hasChromaticities, k.chromaticities) << k.what;
        EXPECT_EQ(c.rangeLimits.present, k.rangeLimits) << k.what;
        EXPECT_EQ(c.hdr.present, k.hdr) << k.what;
        EXPECT_EQ(c.hasColorimetry, k.colorimetry) << k.what;
        EXPECT_EQ(c.hdr10Plus, k.hdr10Plus) << k.what;
        EXPECT_EQ(c.displayId.present, k.displayId) << k.what;
        EXPECT_EQ(c.amdVrr.present, k.amd) << k.what;
        EXPECT_EQ(c.hdmiVrr.present, k.hdmi) << k.what;
        // A figure left unknown is zero, never a byte from outside its block.
        if (!k.hdr) {
            EXPECT_EQ(c.hdr.maxLuminance, 0) << k.what;
        }
        if (!k.chromaticities) {
            EXPECT_EQ(c.chromaticities.red.x, 0) << k.what;
        }
    }
}

// Short HDR blocks give only the luminances they hold; range limits add 255 Hz only from EDID 1.4.
TEST(EdidClaims, PartialBlocksAndRateOffsets) {
    const Bytes shortHdr = {0xE4, 0x06, 0x0F, 0x01, 96};  // every transfer function; the maximum alone
    Bytes edid = BaseBlock();
    const Bytes cta = CtaBlock(Join({shortHdr, {0xE2, 0x07, 0x03}, {0xE6, 0x07, 0x03, 0x04, 0x00, 0x00, 0x00}}));
    edid.insert(edid.end(), cta.begin(), cta.end());
    FixChecksum(edid, 1);
    MonitorClaims c = Decode(edid);
    EXPECT_EQ(c.hdr.transferFunctions, 0x0Fu);
    EXPECT_TRUE(c.hdr.hasMax);
    EXPECT_FALSE(c.hdr.hasFrameAverage || c.hdr.hasMin);
    EXPECT_EQ(c.hdr.maxLuminance, 400);  // 50 · 2^3
    EXPECT_TRUE(c.hdr10Plus);            // the dynamic metadata block's type 4

    const struct {
        unsigned char revision, flags;
        double minHz, maxHz;
    } offsets[] = {{4, 0x00, 48, 144}, {4, 0x02, 48, 399}, {4, 0x03, 303, 399}, {3, 0x03, 48, 144}};
    for (const auto& o : offsets) {
        Bytes base = BaseBlock();
        base[19] = o.revision;
        base[94] = o.flags;
        FixChecksum(base, 0);
        c = Decode(base);
        EXPECT_EQ(c.rangeLimits.minHz, o.minHz) << int{o.flags};
        EXPECT_EQ(c.rangeLimits.maxHz, o.maxHz) << int{o.flags};
    }
}

TEST(EdidClaims, HalfFloatLuminances) {
    const struct {
        unsigned bits;
        double value;
    } cases[] = {{0x3C00, 1.0}, {0x5F1E, 455.5}, {0x0001, ldexp(1.0, -24)}, {0x0000, 0}, {0x8000, 0},
                 {0xBC00, 0},   {0x7C00, 0},     {0x7BFF, 65504.0}};
    for (const auto& k : cases) EXPECT_EQ(HalfToDouble(k.bits), k.value) << std::hex << k.bits;
}

TEST(EdidClaims, WhatATestRunTakes) {
    MonitorClaims c = Decode(FullEdid());
    EXPECT_NEAR(ClaimedPeakLuminance(c), 603.666, 0.0005);  // the HDR block before DisplayID
    RefreshRange vrr = ClaimedVrrRange(c);
    EXPECT_TRUE(vrr.present && vrr.minHz == 48 && vrr.maxHz == 300);  // HDMI Forum before AMD
    ColourPrimaries p;
    ASSERT_TRUE(ClaimedPrimaries(c, &p));
    EXPECT_EQ(p.red.x, 2758 / 4096.0);  // DisplayID before the base block

    c.hdr.present = 0;
    c.hdmiVrr.maxHz = 0;  // no usable HDMI range: the AMD one
    c.displayId.present = 0;
    EXPECT_EQ(ClaimedPeakLuminance(c), 0);
    vrr = ClaimedVrrRange(c);
    EXPECT_TRUE(vrr.present && vrr.minHz == 40 && vrr.maxHz == 165);
    ASSERT_TRUE(ClaimedPrimaries(c, &p));
    EXPECT_EQ(p.red.x, 655 / 1024.0);

    c.amdVrr.minHz = 0;
    c.hasChromaticities = 0;
    EXPECT_FALSE(ClaimedVrrRange(c).present);  // the range limits alone are no variable refresh
    EXPECT_FALSE(ClaimedPrimaries(c, &p));
}

}  // namespace
