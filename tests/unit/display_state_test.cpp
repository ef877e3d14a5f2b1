// The judging of what Windows reports of the tested monitor's colours: a bad answer leaves its own
// figure unknown with its reason, and over thousands of generated answers every figure is in range
// or unknown, and type 9's "enabled" never decides the mode where type 15 answers.
#include <gtest/gtest.h>

#include <math.h>

#include <random>

#include "tests/support/display_state_checks.h"

namespace {

// A monitor in HDR as Windows 11 24H2 reports it: every figure known.
DisplayAnswers GoodAnswers() {
    DisplayAnswers a = {};
    a.info2 = {1, kInfo2AdvancedColourSupported | kInfo2HdrSupported | kInfo2HdrUserEnabled, 0, 10, 2};
    a.info = {1, kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled, 0, 10};
    a.sdrWhite = {1, 2500};
    a.output = {1, 10, 12, {0.68f, 0.32f, 0.265f, 0.69f, 0.15f, 0.06f, 0.3127f, 0.329f}, 0.05f, 1015.0f, 650.0f};
    return a;
}

using Spoil = void (*)(DisplayAnswers*);
struct BadAnswer {
    Spoil spoil;
    DisplayFigure figure;
    FigureGap gap;
    int alsoUnknown;  // a figure that hangs on the spoilt one, or -1
};

const BadAnswer kBadAnswers[] = {
    {[](DisplayAnswers* a) { a->info2.activeMode = 3; }, kFigureMode, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->info2.bitsPerChannel = a->info.bitsPerChannel = 0; }, kFigureBits, kGapNotSaid, -1},
    {[](DisplayAnswers* a) { a->info2.bitsPerChannel = a->info.bitsPerChannel = 99; }, kFigureBits, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->info2.encoding = a->info.encoding = 5; }, kFigureEncoding, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->sdrWhite.level = 0; }, kFigureSdrWhite, kGapNotSaid, -1},
    {[](DisplayAnswers* a) { a->sdrWhite.level = 200000; }, kFigureSdrWhite, kGapNonsense, -1},  // 16 000 nits
    {[](DisplayAnswers* a) { a->info.answered = 0; }, kFigureAdvancedColour, kGapFailed, -1},
    {[](DisplayAnswers* a) { a->sdrWhite.answered = 0; }, kFigureSdrWhite, kGapFailed, -1},
    {[](DisplayAnswers* a) { a->output.bitsPerColour = 0; }, kFigureOutputBits, kGapNotSaid, -1},
    {[](DisplayAnswers* a) { a->output.bitsPerColour = 64; }, kFigureOutputBits, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->output.colourSpace = 0xFFFFFFFFu; }, kFigureOutputColourSpace, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->output.primaries[1] = 0.7f; }, kFigureOutputPrimaries, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->output.primaries[6] = NAN; }, kFigureOutputPrimaries, kGapNonsense, -1},
    {[](DisplayAnswers* a) { for (float& p : a->output.primaries) p = 0; }, kFigureOutputPrimaries, kGapNotSaid, -1},
    {[](DisplayAnswers* a) { a->output.maxLuminance = 0; }, kFigureOutputMaxLuminance, kGapNotSaid,
     kFigureOutputMinLuminance},
    {[](DisplayAnswers* a) { a->output.maxLuminance = 20000; }, kFigureOutputMaxLuminance, kGapNonsense,
     kFigureOutputMinLuminance},
    {[](DisplayAnswers* a) { a->output.maxFullFrame = -5; }, kFigureOutputMaxFullFrame, kGapNonsense, -1},
    {[](DisplayAnswers* a) { a->output.minLuminance = 2000; }, kFigureOutputMinLuminance, kGapNonsense, -1},
};

TEST(DisplayStateJudge, ABadAnswerLeavesItsFigureUnknown) {
    for (const BadAnswer& bad : kBadAnswers) {
        SCOPED_TRACE(&bad - kBadAnswers);
        DisplayAnswers answers = GoodAnswers();
        bad.spoil(&answers);
        DisplayState state;
        InterpretDisplayAnswers(answers, &state);
        for (int figure = 0; figure < kDisplayFigures; ++figure) {
            EXPECT_EQ(figure == bad.figure || figure == bad.alsoUnknown, state.gaps[figure] != kGapKnown) << figure;
        }
        EXPECT_EQ(bad.gap, state.gaps[bad.figure]);
    }
}

DisplayAnswers AnyAnswers(std::mt19937& r) {
    const FigureGap gaps[] = {kGapKnown, kGapKnown, kGapNoMonitor, kGapFailed};
    const float nits[] = {0.0f, -1.0f, 0.05f, 1000.0f, 10001.0f, NAN, INFINITY, static_cast<float>(r() % 12000) / 3};
    DisplayAnswers a = {};
    a.configGap = gaps[r() % 4];
    a.outputGap = gaps[r() % 4];
    a.info2 = {static_cast<int>(r() % 2), static_cast<unsigned>(r() % 256), static_cast<unsigned>(r() % 7),
               static_cast<unsigned>(r() % 20), static_cast<unsigned>(r() % 5)};
    a.info = {static_cast<int>(r() % 2), static_cast<unsigned>(r() % 16), static_cast<unsigned>(r() % 7),
              static_cast<unsigned>(r() % 20)};
    a.sdrWhite = {static_cast<int>(r() % 2), static_cast<unsigned long>(r() % 150000)};
    a.output = {static_cast<int>(r() % 2), static_cast<unsigned>(r() % 20), static_cast<unsigned>(r() % 26), {},
                nits[r() % 8], nits[r() % 8], nits[r() % 8]};
    for (float& p : a.output.primaries) p = static_cast<float>(r() % 1100) / 1000;
    return a;
}

TEST(DisplayStateJudge, GeneratedAnswersGiveConsistentStates) {
    std::mt19937 random(20261210);
    const ColourMode modes[] = {kColourModeSdr, kColourModeWcg, kColourModeHdr, kColourModeUnknown, kColourModeUnknown};
    for (int round = 0; round < 20000; ++round) {
        const DisplayAnswers a = AnyAnswers(random);
        DisplayState s;
        InterpretDisplayAnswers(a, &s);
        ASSERT_TRUE(DisplayStateConsistent(s)) << round;
        const unsigned f = a.info.flags;
        const bool type9Hdr = (f & kInfoAdvancedColourSupported) && (f & kInfoAdvancedColourEnabled) &&
                              !(f & kInfoWideColourEnforced) && !(f & kInfoAdvancedColourForceDisabled);
        if (a.configGap != kGapKnown) {
            ASSERT_EQ(a.configGap, s.gaps[kFigureMode]);
        } else if (a.info2.answered) {  // type 15 decides alone, whatever type 9 says
            ASSERT_EQ(modes[a.info2.activeMode], s.mode) << round;
        } else if (a.info.answered) {
            ASSERT_EQ(type9Hdr, s.mode == kColourModeHdr) << round;
        } else {
            ASSERT_EQ(kColourModeUnknown, s.mode);
        }
    }
}

}  // namespace
