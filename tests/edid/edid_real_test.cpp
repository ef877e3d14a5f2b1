// EDID decoding of real monitors' EDIDs (tests/data/edid) against the modes listed beside them, and
// of the same EDIDs cut short, padded, or with a damaged extension block.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/edid.h"
#include "tests/support/test_data.h"

namespace {

// "WIDTHxHEIGHT SOURCE" or "none".
std::string Decode(const std::vector<unsigned char>& edid) {
    NativeMode mode = {0, 0, 0};
    if (!DecodeNativeMode(edid.data(), static_cast<unsigned long>(edid.size()), &mode)) return "none";
    return std::to_string(mode.width) + "x" + std::to_string(mode.height) + " " + NativeModeSourceName(mode.source);
}

TEST(EdidRealMonitors, EveryEdidGivesItsListedMode) {
    const std::vector<std::vector<std::string>> rows = ReadTestTable("edid/expected.tsv");
    ASSERT_EQ(rows.size(), 15u) << "expected.tsv not found or changed in " << TestDataPath("edid");
    for (const std::vector<std::string>& row : rows) {
        ASSERT_GE(row.size(), 3u);
        const std::vector<unsigned char> edid = ReadTestData("edid/" + row[0]);
        ASSERT_GE(edid.size(), 128u) << row[0];
        EXPECT_EQ(Decode(edid), row[1] + " " + row[2]) << row[0];
    }
}

// One change to a real EDID: its length, then one byte moved by `delta`, with the checksum of that
// byte's block moved back when `keepChecksum` so that only the field itself is wrong.
struct Damage {
    const char* what;
    const char* file;
    size_t length;  // 0 keeps the file's length; more pads with zeros
    int at;         // -1: no byte changed
    int delta;
    bool keepChecksum;
    const char* result;
};

// A 2560 x 1440 base block, a CTA-861 block, and 5120 x 1440 in a DisplayID block (bytes 256-383).
const char kLenovo[] = "edid/D_Lenovo_LEN67B1_0CB2A39ED8CB.bin";
// No usable base-block slot; a CTA-861 block (bytes 128-255) listing 1920 x 1080 first.
const char kIiyama[] = "edid-corpus/D_Iiyama_IVM1948_F7FB309CC07A.bin";
// No usable base-block slot; 2880 x 1600 in a DisplayID block (bytes 128-255).
const char kValve[] = "edid/D_Valve_VLV91A8_FDD5071FF7F2.bin";

const Damage kDamages[] = {
    {"as read", kLenovo, 0, -1, 0, false, "5120x1440 displayid"},
    {"count says no extension", kLenovo, 0, 126, -2, false, "5120x1440 displayid"},
    {"count says nine", kLenovo, 0, 126, 7, false, "5120x1440 displayid"},
    {"DisplayID block checksum wrong", kLenovo, 0, 383, 1, false, "2560x1440 base"},
    {"DisplayID tag changed", kLenovo, 0, 256, 1, true, "2560x1440 base"},
    {"DisplayID section runs into the block checksum", kLenovo, 0, 258, 1, true, "2560x1440 base"},
    {"DisplayID section checksum wrong", kLenovo, 0, 260, 1, true, "2560x1440 base"},
    {"last block one byte short", kLenovo, 383, -1, 0, false, "2560x1440 base"},
    {"bytes after the last block", kLenovo, 389, -1, 0, false, "5120x1440 displayid"},
    {"base block alone", kLenovo, 128, -1, 0, false, "2560x1440 base"},
    {"CTA-861 as read", kIiyama, 0, -1, 0, false, "1920x1080 cta"},
    {"CTA-861 timings offset past the block", kIiyama, 0, 130, 93, true, "none"},
    {"CTA-861 timings offset inside its header", kIiyama, 0, 130, -33, true, "none"},
    {"CTA-861 block checksum wrong", kIiyama, 0, 255, 1, false, "none"},
    {"DisplayID block one byte short", kValve, 255, -1, 0, false, "none"},
};

TEST(EdidRealMonitors, DamagedOrCutExtensionsAreSkipped) {
    for (const Damage& d : kDamages) {
        std::vector<unsigned char> edid = ReadTestData(d.file);
        ASSERT_GE(edid.size(), 256u) << d.file;
        if (d.length != 0) edid.resize(d.length, 0);
        if (d.at >= 0) {
            edid[d.at] = static_cast<unsigned char>(edid[d.at] + d.delta);
            const int checksum = d.at / 128 * 128 + 127;
            if (d.keepChecksum) edid[checksum] = static_cast<unsigned char>(edid[checksum] - d.delta);
        }
        // An exact-size copy, so a read past the end shows under AddressSanitizer.
        const std::vector<unsigned char> exact(edid.begin(), edid.end());
        EXPECT_EQ(Decode(exact), d.result) << d.what;
    }
}

}  // namespace

namespace {

TEST(EdidRealMonitors, ModelNamesAsTheMakersWroteThem) {
    const struct {
        const char* file;
        const wchar_t* name;
    } cases[] = {
        {"A_IBM_IBM24CB_B03976212B04.bin", L"IBM L191p"},
        {"A_Hitachi_HEC0088_1BEACBAF42B1.bin", L"VGA"},  // padded with spaces before its line feed
        {"D_Samsung_SAM0F99_58E9487CE433.bin", L"C49RG9x"},
        {"D_Dell_DELD0D9_09432B13B913.bin", L"DELL P2419H"},
        {"D_Vizio_VIZ2200_52A88E90D40E.bin", nullptr},  // not a file: no name
    };
    for (const auto& c : cases) {
        const std::vector<unsigned char> edid = c.name != nullptr ? ReadTestData(std::string("edid/") + c.file)
                                                                  : std::vector<unsigned char>(128, 0);
        wchar_t name[kMonitorNameChars] = L"x";
        EXPECT_EQ(DecodeMonitorName(edid.data(), static_cast<unsigned long>(edid.size()), name), c.name != nullptr)
            << c.file;
        EXPECT_STREQ(name, c.name != nullptr ? c.name : L"") << c.file;
    }
}

TEST(EdidRealMonitors, ModelNameOfThirteenCharactersAndUnprintableBytes) {
    std::vector<unsigned char> edid = ReadTestData("edid/A_IBM_IBM24CB_B03976212B04.bin");
    ASSERT_EQ(edid.size(), 128u);
    wchar_t name[kMonitorNameChars];
    ASSERT_TRUE(DecodeMonitorName(edid.data(), 128, name));
    // The same descriptor filled to its last byte, one of them a control character.
    for (unsigned long d = 54; d < 126; d += 18) {
        if (edid[d] != 0 || edid[d + 3] != 0xFC) continue;
        const unsigned char text[13] = {'A', 'B', 'C', 'D', 'E', 'F', 0x07, 'H', 'I', 'J', 'K', 'L', 'M'};
        for (int i = 0; i < 13; ++i) edid[d + 5 + i] = text[i];
    }
    ASSERT_TRUE(DecodeMonitorName(edid.data(), 128, name));
    EXPECT_STREQ(name, L"ABCDEF?HIJKLM");
    EXPECT_FALSE(DecodeMonitorName(edid.data(), 127, name));  // not a whole base block
    EXPECT_STREQ(name, L"");
}

}  // namespace
