// The EDID's claims on hand-made EDIDs: a table of damaged, short, overlong and overrunning blocks
// that leave a figure unknown instead of reading it from outside its block, the range limits'
// 255 Hz offsets, and which block a test run takes each claim from. Real EDIDs are compared with
// edid-decode in tests/scripts/edid_claims.sh.
#include <gtest/gtest.h>

#include <vector>

#include "monitor/edid_colour.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Fixed(Bytes edid, size_t block) {
    unsigned sum = 0;
    for (size_t i = 0; i < 127; ++i) sum += edid[block * 128 + i];
    edid[block * 128 + 127] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    return edid;
}

// EDID 1.4 with red at x 655/1024 and a range limits descriptor of 48-144 Hz in its third slot.
Bytes BaseBlock() {
    Bytes edid = Join({{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, Bytes(10, 0), {1, 4}, Bytes(5, 0),
                       {0xC0, 0, 163}, Bytes(62, 0), {0, 0, 0, 0xFD, 0, 48, 144, 30, 160, 60, 1, 0x0A}, Bytes(26, 0)});
    return Fixed(edid, 0);
}

Bytes CtaBlock(const Bytes& blocks) {
    return Join({{0x02, 3, static_cast<unsigned char>(4 + blocks.size()), 0}, blocks, Bytes(124 - blocks.size(), 0)});
}

Bytes DisplayIdBlock(const Bytes& dataBlocks, unsigned char version = 0x20) {
    Bytes block = Join({{0x70, version, static_cast<unsigned char>(dataBlocks.size()), 0, 0}, dataBlocks});
    unsigned sum = 0;
    for (size_t i = 1; i < block.size(); ++i) sum += block[i];
    block.push_back(static_cast<unsigned char>(0x100 - (sum & 0xFF)));
    block.resize(128, 0);
    return block;
}

const Bytes kColorimetry = {0xE3, 0x05, 0xC0, 0x80};
const Bytes kHdrStatic = {0xE6, 0x06, 0x05, 0x01, 115, 109, 7};
const Bytes kAmd = {0x68, 0x1A, 0x00, 0x00, 0x01, 0x01, 40, 165, 0};                // 40-165 Hz
const Bytes kHdmiForum = {0x6A, 0xD8, 0x5D, 0xC4, 1, 0x78, 0, 0, 0, 0x70, 0x2C};  // 48-300 Hz
const Bytes kHdr10Plus = {0xE5, 0x01, 0x8B, 0x84, 0x90, 0x01};
// Display parameters: red 0.673 and luminances 455.5 (full screen) and 507.5 cd/m² (10 %).
const Bytes kDisplayParameters = Join({{0x21, 0x00, 29}, Bytes(9, 0), {0xC6, 0x0A, 0x51}, Bytes(9, 0x22),
                                       {0x1E, 0x5F, 0xEE, 0x5F, 0x00, 0x38, 0x03, 0x78}});

Bytes WithBlocks(std::initializer_list<Bytes> blocks) {
    Bytes edid = BaseBlock();
    for (const Bytes& b : blocks) edid = Fixed(Join({edid, b}), edid.size() / 128);
    return edid;
}

const Bytes kFull = WithBlocks({CtaBlock(Join({kColorimetry, kHdrStatic, kAmd, kHdmiForum, kHdr10Plus})),
                                DisplayIdBlock(kDisplayParameters)});

Bytes Changed(Bytes edid, size_t at, unsigned char value, bool fixChecksum = true) {
    edid[at] = value;
    return fixChecksum ? Fixed(edid, at / 128) : edid;
}

Bytes Resized(Bytes edid, size_t size) {
    edid.resize(size, 0xE6);  // padding that would read as the start of an HDR block
    return edid;
}

// The HDR block's length runs one byte into the first timing, which would give it a minimum.
Bytes HdrRunsPast() {
    Bytes cta = CtaBlock(Join({kColorimetry, {0xE7, 0x06, 0x05, 0x01, 115, 109, 7, 9}}));
    cta[2] = static_cast<unsigned char>(cta[2] - 1);
    return WithBlocks({cta});
}

MonitorClaims Decode(const Bytes& edid) {
    MonitorClaims claims;
    const Bytes exact(edid.begin(), edid.end());  // a read past the end shows under AddressSanitizer
    DecodeMonitorClaims(exact.data(), static_cast<unsigned long>(exact.size()), &claims);
    return claims;
}

struct Case {
    const char* what;
    Bytes edid;
    int chromaticities, rangeLimits, hdr, colorimetry, hdr10Plus, displayId, amd, hdmi;
};

TEST(EdidClaims, DamagedBlocksLeaveTheirFiguresUnknown) {
    const Bytes shortParameters = Join({{0x21, 0x00, 28}, Bytes(kDisplayParameters.begin() + 3, kDisplayParameters.end() - 1)});
    const Case cases[] = {
        {"whole", kFull, 1, 1, 1, 1, 1, 1, 1, 1},
        {"empty", Bytes(), 0, 0, 0, 0, 0, 0, 0, 0},
        {"one byte short of a base block", Resized(kFull, 127), 0, 0, 0, 0, 0, 0, 0, 0},
        {"no header", Changed(kFull, 1, 0xFE), 0, 0, 0, 0, 0, 0, 0, 0},
        {"version 0", Changed(kFull, 18, 0), 0, 0, 0, 0, 0, 0, 0, 0},
        {"base block checksum wrong", Changed(kFull, 40, 1, false), 0, 0, 1, 1, 1, 1, 1, 1},
        {"base block alone", Resized(kFull, 128), 1, 1, 0, 0, 0, 0, 0, 0},
        {"CTA-861 block one byte short", Resized(kFull, 255), 1, 1, 0, 0, 0, 0, 0, 0},
        {"CTA-861 block checksum wrong", Changed(kFull, 200, 1, false), 1, 1, 0, 0, 0, 1, 0, 0},
        {"CTA-861 revision 2 has no data blocks", Changed(kFull, 129, 2), 1, 1, 0, 0, 0, 1, 0, 0},
        {"CTA-861 data blocks end inside the header", Changed(kFull, 130, 3), 1, 1, 0, 0, 0, 1, 0, 0},
        {"CTA-861 data blocks run into the checksum", Changed(kFull, 130, 128), 1, 1, 0, 0, 0, 1, 0, 0},
        {"HDR block runs past the data blocks", HdrRunsPast(), 1, 1, 0, 1, 0, 0, 0, 0},
        {"HDR block of one byte", WithBlocks({CtaBlock({0xE2, 0x06, 0x05})}), 1, 1, 0, 0, 0, 0, 0, 0},
        {"HDR10+ as dynamic metadata type 4", WithBlocks({CtaBlock({0xE5, 0x07, 3, 4, 0, 0})}), 1, 1, 0, 0, 1, 0, 0, 0},
        {"HDMI Forum block without VRRmax", WithBlocks({CtaBlock(Join({{0x69}, Bytes(kHdmiForum.begin() + 1, kHdmiForum.end() - 1)}))}),
         1, 1, 0, 0, 0, 0, 0, 0},
        {"DisplayID block one byte short", Resized(kFull, 383), 1, 1, 1, 1, 1, 0, 1, 1},
        {"bytes after the last block", Resized(kFull, 400), 1, 1, 1, 1, 1, 1, 1, 1},
        {"DisplayID block checksum wrong", Changed(kFull, 300, 1, false), 1, 1, 1, 1, 1, 0, 1, 1},
        {"DisplayID section runs into the block checksum", Changed(kFull, 258, 122), 1, 1, 1, 1, 1, 0, 1, 1},
        {"display parameters one byte short", WithBlocks({DisplayIdBlock(shortParameters)}), 1, 1, 0, 0, 0, 0, 0, 0},
        {"display parameters in DisplayID 1.3", WithBlocks({DisplayIdBlock(kDisplayParameters, 0x13)}), 1, 1, 0, 0, 0, 0, 0, 0},
        {"HDR block in DisplayID's CTA-861 data", WithBlocks({DisplayIdBlock(Join({{0x81, 0, 7}, kHdrStatic}))}),
         1, 1, 1, 0, 0, 0, 0, 0},
        {"CTA-861 data in DisplayID runs past it", WithBlocks({DisplayIdBlock(Join({{0x81, 0, 6}, kHdrStatic}))}),
         1, 1, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& k : cases) {
        const MonitorClaims c = Decode(k.edid);
        EXPECT_EQ(c.hasChromaticities, k.chromaticities) << k.what;
        EXPECT_EQ(c.rangeLimits.present, k.rangeLimits) << k.what;
        EXPECT_EQ(c.hdr.present, k.hdr) << k.what;
        EXPECT_EQ(c.hasColorimetry, k.colorimetry) << k.what;
        EXPECT_EQ(c.hdr10Plus, k.hdr10Plus) << k.what;
        EXPECT_EQ(c.displayId.present, k.displayId) << k.what;
        EXPECT_EQ(c.amdVrr.present, k.amd) << k.what;
        EXPECT_EQ(c.hdmiVrr.present, k.hdmi) << k.what;
        // A figure left unknown is zero, never a byte from outside its block.
        EXPECT_TRUE(k.hdr || (c.hdr.maxLuminance == 0 && c.hdr.minLuminance == 0)) << k.what;
    }
}

// From EDID 1.4, byte 4's two low bits add 255 Hz to the maximum and then the minimum.
TEST(EdidClaims, RangeLimitOffsets) {
    const struct {
        unsigned char revision, flags;
        double minHz, maxHz;
    } cases[] = {{4, 0x00, 48, 144}, {4, 0x02, 48, 399}, {4, 0x03, 303, 399}, {3, 0x03, 48, 144}};
    for (const auto& k : cases) {
        const MonitorClaims c = Decode(Changed(Changed(BaseBlock(), 19, k.revision), 94, k.flags));
        EXPECT_EQ(c.rangeLimits.minHz, k.minHz) << int{k.flags};
        EXPECT_EQ(c.rangeLimits.maxHz, k.maxHz) << int{k.flags};
    }
}

// From version 3 the AMD block holds a maximum above 255 Hz in ten bits at its bytes 10 and 11.
TEST(EdidClaims, AmdMaximumAbove255Hz) {
    const struct {
        unsigned char version;
        double maxHz;
    } cases[] = {{2, 240}, {3, 360}};
    for (const auto& k : cases) {
        const Bytes amd = {0x6F, 0x1A, 0x00, 0x00, k.version, 0x03, 48, 240, 0, 0, 0, 0, 0, 0, 0x68, 0x01};
        EXPECT_EQ(Decode(WithBlocks({CtaBlock(amd)})).amdVrr.maxHz, k.maxHz) << int{k.version};
    }
}

TEST(EdidClaims, WhatATestRunTakes) {
    MonitorClaims c = Decode(kFull);
    EXPECT_NEAR(ClaimedPeakLuminance(c), 603.666, 0.0005);  // the HDR block's maximum, code 115
    RefreshRange vrr = ClaimedVrrRange(c);
    EXPECT_TRUE(vrr.present && vrr.minHz == 48 && vrr.maxHz == 300);  // HDMI Forum before AMD
    ColourPrimaries p;
    ASSERT_TRUE(ClaimedPrimaries(c, &p));
    EXPECT_EQ(p.red.x, 2758 / 4096.0);  // DisplayID before the base block

    c.hdr.present = 0;
    EXPECT_EQ(ClaimedPeakLuminance(c), 507.5);  // DisplayID's 10 % maximum
    c.hdmiVrr.maxHz = 0;                        // no usable HDMI range: the AMD one
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
