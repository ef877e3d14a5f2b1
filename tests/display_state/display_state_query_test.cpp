// What QueryDisplayState makes of Windows' answers: stand-in answers through the seam, and what
// Wine really answers for the tested monitor.
#include <gtest/gtest.h>

#include "monitor/display_state_query.h"
#include "monitor/monitors.h"
#include "tests/support/display_answers.h"

namespace {

constexpr unsigned kOn = kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled;
constexpr unsigned kInfo2Hdr = kInfo2AdvancedColourSupported | kInfo2AdvancedColourActive | kInfo2HdrSupported;
constexpr unsigned kRgb = 0, k422 = 2;  // DISPLAYCONFIG_COLOR_ENCODING
constexpr unsigned long kWhite240 = 3000;  // 240 cd/m² in the SDR white level's unit

struct SeamCase {
    ColourInfo2Answer info2;  // type 15
    ColourInfoAnswer info;    // type 9
    SdrWhiteAnswer sdrWhite;  // type 11
    ColourMode mode;
    int modeFromInfo2, hdrUserEnabled, bits;
    SignalEncoding encoding;
    double sdrWhiteNits;
};

const SeamCase kSeamCases[] = {
    {{1, kInfo2Hdr | kInfo2HdrUserEnabled, kRgb, 10, 2}, {1, kOn, kRgb, 10}, {1, kWhite240},
     kColourModeHdr, 1, 1, 10, kSignalRgb, 240},
    // Automatic colour management: type 9 says enabled on an SDR signal; type 15 knows better. Its
    // bits left out, type 9's count.
    {{1, kInfo2Hdr, kRgb, 0, 0}, {1, kOn, kRgb, 8}, {1, 1000}, kColourModeSdr, 1, 0, 8, kSignalRgb, 80},
    {{}, {1, kOn, k422, 10}, {1, kWhite240}, kColourModeHdr, 0, 1, 10, kSignalYcbcr422, 240},
    {{}, {1, kOn | kInfoWideColourEnforced, kRgb, 8}, {}, kColourModeWcg, 0, 0, 8, kSignalRgb, 0},
    {{}, {1, kOn | kInfoAdvancedColourForceDisabled, kRgb, 8}, {}, kColourModeSdr, 0, 0, 8, kSignalRgb, 0},
    {{}, {1, kInfoAdvancedColourSupported, kRgb, 8}, {}, kColourModeSdr, 0, 0, 8, kSignalRgb, 0},
    {{}, {}, {}, kColourModeUnknown, 0, -1, 0, kSignalUnknown, 0},  // every call fails
};

TEST(DisplayStateSeam, StandInAnswersJudged) {
    for (const SeamCase& c : kSeamCases) {
        SCOPED_TRACE(&c - kSeamCases);
        DisplayAnswers answers = {};
        answers.info2 = c.info2;
        answers.info = c.info;
        answers.sdrWhite = c.sdrWhite;
        StandInDisplayAnswers(answers);
        DisplayState s;
        QueryDisplayState(L"\\\\.\\DISPLAY1", &s);
        EXPECT_EQ(c.mode, s.mode);
        EXPECT_EQ(c.modeFromInfo2, s.modeFromInfo2);
        EXPECT_EQ(c.hdrUserEnabled, s.hdrUserEnabled);
        EXPECT_EQ(c.bits, s.bitsPerChannel);
        EXPECT_EQ(c.encoding, s.encoding);
        EXPECT_DOUBLE_EQ(c.sdrWhiteNits, s.sdrWhiteNits);
        EXPECT_EQ(c.info.answered ? 1 : -1, s.advancedColourSupported);
        EXPECT_EQ(c.sdrWhite.answered ? kGapKnown : kGapFailed, s.gaps[kFigureSdrWhite]);
        EXPECT_EQ(c.mode != kColourModeUnknown ? kGapKnown : kGapFailed, s.gaps[kFigureMode]);
        EXPECT_EQ(kGapFailed, s.gaps[kFigureOutput]);
    }
    DisplayAnswers answers = {};
    answers.output = {1, 10, 12, {0.68f, 0.32f, 0.265f, 0.69f, 0.15f, 0.06f, 0.3127f, 0.329f}, 0.05f, 1015, 650};
    StandInDisplayAnswers(answers);
    DisplayState s;
    QueryDisplayState(L"\\\\.\\DISPLAY1", &s);
    StopDisplayStandIn();
    EXPECT_EQ(12, s.outputColourSpace);  // DXGI_COLOR_SPACE_RGB_FULL_G2084_NONE_P2020
    EXPECT_EQ(10, s.outputBits);
    EXPECT_FLOAT_EQ(0.265f, s.outputPrimaries.green.x);
    EXPECT_FLOAT_EQ(0.05f, s.outputMinLuminance);
    EXPECT_DOUBLE_EQ(650.0, s.outputMaxFullFrame);
}

// Wine 8 lists the display path of \\.\DISPLAY1 and its DXGI output, fails DisplayConfig's types 9,
// 11 and 15 (error 87), and has IDXGIOutput6::GetDesc1 answer zeros: SDR's colour space, no bits,
// primaries or luminances. Stand-in answers come first: clearing the seam goes back to Windows.
TEST(DisplayStateWine, TestedMonitor) {
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    LUID adapter = {};
    UINT32 target = 0;
    EXPECT_TRUE(FindDisplayTarget(device, &adapter, &target));
    DisplayAnswers hdr = {};
    hdr.info = {1, kOn, kRgb, 10};
    StandInDisplayAnswers(hdr);
    DisplayState s;
    QueryDisplayState(device, &s);
    EXPECT_EQ(kColourModeHdr, s.mode);
    StopDisplayStandIn();
    QueryDisplayState(device, &s);
    EXPECT_EQ(kColourModeUnknown, s.mode);
    for (DisplayFigure figure : {kFigureMode, kFigureAdvancedColour, kFigureBits, kFigureEncoding, kFigureSdrWhite}) {
        EXPECT_EQ(kGapFailed, s.gaps[figure]) << figure;
    }
    EXPECT_EQ(1, s.hasOutput);
    EXPECT_EQ(0, s.outputColourSpace);  // DXGI_COLOR_SPACE_RGB_FULL_G22_NONE_P709
    for (DisplayFigure figure : {kFigureOutputBits, kFigureOutputPrimaries, kFigureOutputMinLuminance,
                                 kFigureOutputMaxLuminance, kFigureOutputMaxFullFrame}) {
        EXPECT_EQ(kGapNotSaid, s.gaps[figure]) << figure;
    }
}

TEST(DisplayStateWine, NoSuchMonitor) {
    for (const wchar_t* device : {L"\\\\.\\DISPLAY9", L"", L"DISPLAY1", static_cast<const wchar_t*>(nullptr)}) {
        DisplayState s;
        QueryDisplayState(device, &s);
        for (int figure = 0; figure < kDisplayFigures; ++figure) EXPECT_EQ(kGapNoMonitor, s.gaps[figure]) << figure;
    }
}

}  // namespace
