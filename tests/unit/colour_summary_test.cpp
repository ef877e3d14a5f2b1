// The colour facts in words: the second monitor line, the guidance notes and their texts, from
// states filled as Windows would report them and claims decoded from a real EDID.
#include <gtest/gtest.h>

#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "monitor/colour_summary.h"
#include "monitor/colour_texts.h"
#include "tests/support/test_data.h"
#include "testrun/catalogue.h"
#include "testrun/colour_guide.h"

namespace {

// An HDR QD-OLED monitor: HDR static metadata (SDR and PQ, 465.6 cd/m²), AMD's 48-165 Hz range.
const char kHdrEdid[] = "edid-corpus/D_Dell_DELA212_C6A72F756C70.bin";

MonitorClaims ClaimsOf(const char* file) {
    const std::vector<unsigned char> edid = ReadTestData(file);
    MonitorClaims claims = {};
    EXPECT_TRUE(DecodeMonitorClaims(edid.data(), static_cast<unsigned long>(edid.size()), &claims)) << file;
    return claims;
}

DisplayState State(ColourMode mode, int bits, SignalEncoding encoding, double white) {
    DisplayState s = UnknownDisplayState();
    s.mode = mode;
    s.bitsPerChannel = bits;
    s.encoding = encoding;
    s.sdrWhiteNits = white;
    return s;
}

std::string Line(int lang, const MonitorClaims* claims, const DisplayState& state) {
    char line[512];
    ColourSummaryLine(lang, claims, state, line, sizeof(line));
    return line;
}

std::string Note(int lang, int mode, const DisplayState& state) {
    char note[640];
    ColourGuideNote(lang, mode, state, note, sizeof(note));
    return note;
}

TEST(ColourSummary, TheSecondLineSaysOnlyWhatIsKnown) {
    const MonitorClaims hdr = ClaimsOf(kHdrEdid);
    const DisplayState unknown = UnknownDisplayState();
    const struct {
        int lang;
        const MonitorClaims* claims;
        DisplayState state;
        const char* line;
    } cases[] = {
        {0, nullptr, unknown, ""},
        {0, &hdr, State(kColourModeHdr, 10, kSignalYcbcr422, 240),
         u8"HDR · 10-bit YCbCr 4:2:2 · peak 465 cd/m² (EDID) · 99 % DCI-P3 · VRR 48–165 Hz"},
        {0, &hdr, unknown, u8"peak 465 cd/m² (EDID) · 99 % DCI-P3 · VRR 48–165 Hz"},
        {0, nullptr, State(kColourModeSdr, 8, kSignalRgb, 0), u8"SDR · 8-bit RGB"},
        {0, nullptr, State(kColourModeUnknown, 0, kSignalYcbcr420, 0), u8"YCbCr 4:2:0"},
        {0, nullptr, State(kColourModeWcg, 12, kSignalIntensity, 0), u8"WCG · 12-bit"},
        {2, &hdr, State(kColourModeHdr, 10, kSignalRgb, 0),
         u8"HDR · 10 Bit RGB · Spitze 465 cd/m² (EDID) · 99 % DCI-P3 · VRR 48–165 Hz"},
        {10, nullptr, State(kColourModeHdr, 10, kSignalRgb, 0), u8"HDR · 10 ビット RGB"},
    };
    for (const auto& c : cases) EXPECT_EQ(Line(c.lang, c.claims, c.state), c.line) << c.line;
    // Windows answering only yes/no questions gives nothing to put on the line.
    DisplayState flags = unknown;
    flags.hdrSupported = 0;
    flags.advancedColourEnabled = 1;
    EXPECT_TRUE(DisplayStateKnown(flags));
    EXPECT_EQ(Line(0, nullptr, flags), "");
    EXPECT_FALSE(DisplayStateKnown(unknown));
}

TEST(ColourGuide, LevelsScreensUnderHdrAndTheChromaScreenGetTheirNote) {
    const DisplayState hdr422 = State(kColourModeHdr, 10, kSignalYcbcr422, 240);
    const DisplayState hdrNoWhite = State(kColourModeHdr, 10, kSignalRgb, 0);
    const DisplayState sdr = State(kColourModeSdr, 8, kSignalRgb, 80);
    const std::string levels = ColourTextOf(0, CT_HDR_LEVELS);
    const struct {
        int mode;
        DisplayState state;
        std::string note;
    } cases[] = {
        {34, hdr422, u8"HDR is on: this SDR screen is shown at the SDR white level (240 cd/m²) through the sRGB curve, so dark steps look lighter than in SDR. For the SDR reading, switch HDR off."},
        {5, hdrNoWhite, levels},
        {36, hdrNoWhite, levels},
        {16, hdrNoWhite, levels},
        {37, hdr422, ""},  // uniformity: read for evenness, not levels
        {0, hdr422, ""},
        {34, sdr, ""},
        {34, UnknownDisplayState(), ""},
        {kChromaMode, hdr422, "Windows reports YCbCr 4:2:2 for this monitor."},
        {kChromaMode, sdr, "Windows reports RGB for this monitor."},
        {kChromaMode, State(kColourModeSdr, 8, kSignalIntensity, 0), ""},
        {kChromaMode, UnknownDisplayState(), ""},
        {kSubpixelOrderMode, hdr422, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Note(0, c.mode, c.state), c.note) << "screen " << c.mode;
    int levelScreens = 0;
    for (int mode = -1; mode <= kModeCount; ++mode) levelScreens += ReadsSdrLevels(mode);
    EXPECT_EQ(levelScreens, 10);
}

// Every language has every text, with the English text's conversions in the same order.
TEST(ColourTexts, EveryLanguageHasEveryTextWithTheEnglishConversions) {
    const auto conversions = [](const char* text) {
        std::string found;
        for (const char* p = strchr(text, '%'); p != nullptr; p = strchr(p + 2, '%')) found += p[1];
        return found;
    };
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int key = 0; key < CT_COUNT; ++key) {
            ASSERT_NE(g_colourTexts[lang][key], nullptr) << lang << " " << key;
            EXPECT_EQ(conversions(g_colourTexts[lang][key]), conversions(g_colourTexts[0][key])) << lang << " " << key;
        }
    }
}

// Over many made-up states and claims: the line is empty exactly when none of its parts is known,
// holds no conversion left unfilled and fits its room in every language.
TEST(ColourSummary, LineIsEmptyExactlyWhenNothingItShowsIsKnown) {
    std::mt19937 random(20261210);
    const MonitorClaims hdr = ClaimsOf(kHdrEdid);
    for (int k = 0; k < 5000; ++k) {
        DisplayState s = UnknownDisplayState();
        s.mode = static_cast<ColourMode>(random() % 4);
        s.bitsPerChannel = static_cast<int>(random() % 3) * 4;
        s.encoding = static_cast<SignalEncoding>(random() % 7);
        s.sdrWhiteNits = random() % 2 ? 80.0 + random() % 400 : 0;
        MonitorClaims claims = hdr;
        claims.hdr.present = random() % 2;
        claims.displayId.present = 0;
        claims.hasChromaticities = random() % 2;
        claims.amdVrr.present = random() % 2;
        claims.hdmiVrr.present = 0;
        const bool withClaims = random() % 2;
        const bool known = (s.mode >= kColourModeSdr && s.mode <= kColourModeHdr) || s.bitsPerChannel > 0 ||
                           SignalEncodingName(s.encoding) != nullptr ||
                           (withClaims && (claims.hdr.present || claims.hasChromaticities || claims.amdVrr.present));
        const int lang = static_cast<int>(random() % kLanguageCount);
        char line[512];
        const int length = ColourSummaryLine(lang, withClaims ? &claims : nullptr, s, line, sizeof(line));
        ASSERT_EQ(length > 0, known) << k;
        for (const char* conversion : {"%d", "%s", "%%"}) ASSERT_EQ(std::string(line).find(conversion), std::string::npos) << line;
        ASSERT_LT(length, 200) << line;
    }
}

}  // namespace
