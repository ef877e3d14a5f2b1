// What QueryDisplayState makes of Windows' answers: stand-in answers through the seam, and what
// Wine really answers for the tested monitor.
#include <gtest/gtest.h>

#include "monitor/display_state_query.h"
#include "monitor/monitors.h"
#include "tests/support/display_answers.h"

namespace {

constexpr unsigned kEncodingRgb = 0;
constexpr unsigned kEncoding422 = 2;
constexpr unsigned kModeSdr = 0;
constexpr unsigned kModeHdr = 2;
constexpr unsigned long kWhite240 = 3000;  // 240 cd/m² in the SDR white level's unit

struct SeamCase {
    const char* name;
    ColourInfo2Answer info2;
    ColourInfoAnswer info;
    SdrWhiteAnswer sdrWhite;
    ColourMode mode;
    int modeFromInfo2;
    int hdrUserEnabled;
    int bits;
    SignalEncoding encoding;
    double sdrWhiteNits;
};

constexpr unsigned kInfoOn = kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled;
constexpr unsigned kInfo2Hdr = kInfo2AdvancedColourSupported | kInfo2AdvancedColourActive | kInfo2HdrSupported;

const SeamCase kSeamCases[] = {
    {"type 15 says HDR", {1, kInfo2Hdr | kInfo2HdrUserEnabled, kEncodingRgb, 10, kModeHdr},
     {1, kInfoOn, kEncodingRgb, 10}, {1, kWhite240}, kColourModeHdr, 1, 1, 10, kSignalRgb, 240.0},
    // Automatic colour management: type 9 says enabled on an SDR signal; type 15 knows better.
    {"type 15 says SDR, type 9 enabled", {1, kInfo2Hdr, kEncodingRgb, 8, kModeSdr},
     {1, kInfoOn, kEncodingRgb, 8}, {1, 1000}, kColourModeSdr, 1, 0, 8, kSignalRgb, 80.0},
    {"type 15 fails, type 9 enabled", {}, {1, kInfoOn, kEncoding422, 10}, {1, kWhite240},
     kColourModeHdr, 0, 1, 10, kSignalYcbcr422, 240.0},
    {"type 15 fails, type 9 enforces wide colour", {}, {1, kInfoOn | kInfoWideColourEnforced, kEncodingRgb, 8},
     {}, kColourModeWcg, 0, 0, 8, kSignalRgb, 0.0},
    {"type 15 fails, type 9 forced off", {}, {1, kInfoOn | kInfoAdvancedColourForceDisabled, kEncodingRgb, 8},
     {}, kColourModeSdr, 0, 0, 8, kSignalRgb, 0.0},
    {"type 15 fails, type 9 not enabled", {}, {1, kInfoAdvancedColourSupported, kEncodingRgb, 8}, {},
     kColourModeSdr, 0, 0, 8, kSignalRgb, 0.0},
    {"every call fails", {}, {}, {}, kColourModeUnknown, 0, -1, 0, kSignalUnknown, 0.0},
};

class DisplayStateSeamTest : public testing::Test {
protected:
    void TearDown() override { StopDisplayStandIn(); }
};

TEST_F(DisplayStateSeamTest, ModeSignalAndWhiteFromStandInAnswers) {
    for (const SeamCase& c : kSeamCases) {
        SCOPED_TRACE(c.name);
        DisplayAnswers answers = {};
        answers.info2 = c.info2;
        answers.info = c.info;
        answers.sdrWhite = c.sdrWhite;
        StandInDisplayAnswers(answers);
        DisplayState state;
        QueryDisplayState(L"\\\\.\\DISPLAY1", &state);
        EXPECT_EQ(c.mode, state.mode);
        EXPECT_EQ(c.modeFromInfo2, state.modeFromInfo2);
        EXPECT_EQ(c.hdrUserEnabled, state.hdrUserEnabled);
        EXPECT_EQ(c.bits, state.bitsPerChannel);
        EXPECT_EQ(c.encoding, state.encoding);
        EXPECT_DOUBLE_EQ(c.sdrWhiteNits, state.sdrWhiteNits);
        EXPECT_EQ(c.info.answered ? (c.info.flags & 1u) : -1, state.advancedColourSupported);
        EXPECT_EQ(c.sdrWhite.answered ? kGapKnown : kGapFailed, state.gaps[kFigureSdrWhite]);
        EXPECT_EQ(c.mode != kColourModeUnknown ? kGapKnown : kGapFailed, state.gaps[kFigureMode]);
        EXPECT_EQ(0, state.hasOutput);
        EXPECT_EQ(kGapFailed, state.gaps[kFigureOutput]);
    }
}

TEST_F(DisplayStateSeamTest, OutputDescriptionFromStandInAnswer) {
    DisplayAnswers answers = {};
    answers.output = {1, 10, 12, {0.68f, 0.32f, 0.265f, 0.69f, 0.15f, 0.06f, 0.3127f, 0.329f}, 0.05f, 1015.0f, 650.0f};
    StandInDisplayAnswers(answers);
    DisplayState state;
    QueryDisplayState(L"\\\\.\\DISPLAY1", &state);
    EXPECT_EQ(1, state.hasOutput);
    EXPECT_EQ(12, state.outputColourSpace);  // DXGI_COLOR_SPACE_RGB_FULL_G2084_NONE_P2020
    EXPECT_EQ(10, state.outputBits);
    ASSERT_EQ(1, state.hasOutputPrimaries);
    EXPECT_FLOAT_EQ(0.265f, state.outputPrimaries.green.x);
    EXPECT_FLOAT_EQ(0.329f, state.outputPrimaries.white.y);
    EXPECT_FLOAT_EQ(0.05f, state.outputMinLuminance);
    EXPECT_DOUBLE_EQ(1015.0, state.outputMaxLuminance);
    EXPECT_DOUBLE_EQ(650.0, state.outputMaxFullFrame);
    EXPECT_EQ(kColourModeUnknown, state.mode);
}

// Wine 8 lists the display path of \\.\DISPLAY1 and its DXGI output, fails DisplayConfig's types 9,
// 11 and 15 (error 87), and describes the output through IDXGIOutput6 with zeros: SDR's colour
// space and no bits, primaries or luminances.
TEST(DisplayStateWine, TestedMonitorUnderWine) {
    wchar_t device[kDeviceNameChars];
    TestedDevice(device);
    ASSERT_NE(L'\0', device[0]);
    LUID adapter = {};
    UINT32 target = 0;
    EXPECT_TRUE(FindDisplayTarget(device, &adapter, &target));
    ASSERT_NE(nullptr, FindDeviceMonitor(device));

    // Stand-in answers first, so this shows that clearing the seam goes back to Windows.
    DisplayAnswers hdr = {};
    hdr.info = {1, kInfoOn, kEncodingRgb, 10};
    StandInDisplayAnswers(hdr);
    DisplayState state;
    QueryDisplayState(device, &state);
    EXPECT_EQ(kColourModeHdr, state.mode);
    StopDisplayStandIn();

    QueryDisplayState(device, &state);
    EXPECT_EQ(kColourModeUnknown, state.mode);
    for (DisplayFigure figure : {kFigureMode, kFigureHdrUserEnabled, kFigureAdvancedColour, kFigureBits,
                                 kFigureEncoding, kFigureSdrWhite}) {
        EXPECT_EQ(kGapFailed, state.gaps[figure]) << figure;
    }
    EXPECT_EQ(1, state.hasOutput);
    EXPECT_EQ(0, state.outputColourSpace);  // DXGI_COLOR_SPACE_RGB_FULL_G22_NONE_P709
    EXPECT_EQ(0, state.hasOutputPrimaries);
    EXPECT_EQ(0.0, state.outputMaxLuminance);
    EXPECT_EQ(-1.0, state.outputMinLuminance);
    for (DisplayFigure figure : {kFigureOutputBits, kFigureOutputPrimaries, kFigureOutputMinLuminance,
                                 kFigureOutputMaxLuminance, kFigureOutputMaxFullFrame}) {
        EXPECT_EQ(kGapNotSaid, state.gaps[figure]) << figure;
    }
}

TEST(DisplayStateWine, NoSuchMonitor) {
    const wchar_t* const absent[] = {L"\\\\.\\DISPLAY9", L"", L"DISPLAY1", nullptr};
    for (const wchar_t* device : absent) {
        DisplayState state;
        QueryDisplayState(device, &state);
        EXPECT_EQ(UnknownDisplayState().mode, state.mode);
        for (int figure = 0; figure < kDisplayFigures; ++figure) {
            EXPECT_EQ(kGapNoMonitor, state.gaps[figure]) << figure;
        }
    }
}

}  // namespace
