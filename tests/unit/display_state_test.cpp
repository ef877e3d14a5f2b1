// The judging of what Windows reports of the tested monitor's colours: a bad answer leaves its own
// figure unknown with the reason, and over thousands of generated answers every figure is either in
// range or unknown, and type 9's "enabled" never decides the mode where type 15 answers.
#include <gtest/gtest.h>

#include <math.h>

#include <random>

#include "monitor/display_state.h"

namespace {

// A monitor in HDR as Windows 11 24H2 reports it: every figure known.
DisplayAnswers GoodAnswers() {
    DisplayAnswers a = {};
    a.info2 = {1, kInfo2AdvancedColourSupported | kInfo2AdvancedColourActive | kInfo2HdrSupported | kInfo2HdrUserEnabled,
               0, 10, 2};
    a.info = {1, kInfoAdvancedColourSupported | kInfoAdvancedColourEnabled, 0, 10};
    a.sdrWhite = {1, 2500};
    a.output = {1, 10, 12, {0.68f, 0.32f, 0.265f, 0.69f, 0.15f, 0.06f, 0.3127f, 0.329f}, 0.05f, 1015.0f, 650.0f};
    return a;
}

constexpr int kNone = -1;

struct BadAnswer {
    const char* name;
    void (*spoil)(DisplayAnswers* a);
    DisplayFigure figure;
    FigureGap gap;
    int alsoUnknown;  // a figure that depends on the spoilt one, or kNone
};

const BadAnswer kBadAnswers[] = {
    {"active mode 3", [](DisplayAnswers* a) { a->info2.activeMode = 3; }, kFigureMode, kGapNonsense, kNone},
    {"no bits", [](DisplayAnswers* a) { a->info2.bitsPerChannel = a->info.bitsPerChannel = 0; }, kFigureBits,
     kGapNotSaid, kNone},
    {"99 bits", [](DisplayAnswers* a) { a->info2.bitsPerChannel = a->info.bitsPerChannel = 99; }, kFigureBits,
     kGapNonsense, kNone},
    {"encoding 5", [](DisplayAnswers* a) { a->info2.encoding = a->info.encoding = 5; }, kFigureEncoding,
     kGapNonsense, kNone},
    {"encoding FFFFFFFF", [](DisplayAnswers* a) { a->info2.encoding = a->info.encoding = 0xFFFFFFFFu; },
     kFigureEncoding, kGapNonsense, kNone},
    {"SDR white 0", [](DisplayAnswers* a) { a->sdrWhite.level = 0; }, kFigureSdrWhite, kGapNotSaid, kNone},
    {"SDR white 16 000 nits", [](DisplayAnswers* a) { a->sdrWhite.level = 200000; }, kFigureSdrWhite,
     kGapNonsense, kNone},
    {"type 9 fails", [](DisplayAnswers* a) { a->info.answered = 0; }, kFigureAdvancedColour, kGapFailed, kNone},
    {"type 11 fails", [](DisplayAnswers* a) { a->sdrWhite.answered = 0; }, kFigureSdrWhite, kGapFailed, kNone},
    {"output bits 0", [](DisplayAnswers* a) { a->output.bitsPerColour = 0; }, kFigureOutputBits, kGapNotSaid, kNone},
    {"output bits 64", [](DisplayAnswers* a) { a->output.bitsPerColour = 64; }, kFigureOutputBits, kGapNonsense,
     kNone},
    {"colour space 23", [](DisplayAnswers* a) { a->output.colourSpace = 23; }, kFigureOutputColourSpace,
     kGapNonsense, kNone},
    {"custom colour space", [](DisplayAnswers* a) { a->output.colourSpace = 0xFFFFFFFFu; },
     kFigureOutputColourSpace, kGapNonsense, kNone},
    {"red beyond the locus", [](DisplayAnswers* a) { a->output.primaries[1] = 0.7f; }, kFigureOutputPrimaries,
     kGapNonsense, kNone},
    {"white NaN", [](DisplayAnswers* a) { a->output.primaries[6] = NAN; }, kFigureOutputPrimaries, kGapNonsense,
     kNone},
    {"primaries 0", [](DisplayAnswers* a) { for (float& p : a->output.primaries) p = 0.0f; },
     kFigureOutputPrimaries, kGapNotSaid, kNone},
    {"max 0", [](DisplayAnswers* a) { a->output.maxLuminance = 0.0f; }, kFigureOutputMaxLuminance, kGapNotSaid,
     kFigureOutputMinLuminance},
    {"max 20 000", [](DisplayAnswers* a) { a->output.maxLuminance = 20000.0f; }, kFigureOutputMaxLuminance,
     kGapNonsense, kFigureOutputMinLuminance},
    {"max infinite", [](DisplayAnswers* a) { a->output.maxLuminance = INFINITY; }, kFigureOutputMaxLuminance,
     kGapNonsense, kFigureOutputMinLuminance},
    {"full frame -5", [](DisplayAnswers* a) { a->output.maxFullFrame = -5.0f; }, kFigureOutputMaxFullFrame,
     kGapNonsense, kNone},
    {"min above max", [](DisplayAnswers* a) { a->output.minLuminance = 2000.0f; }, kFigureOutputMinLuminance,
     kGapNonsense, kNone},
    {"min -1", [](DisplayAnswers* a) { a->output.minLuminance = -1.0f; }, kFigureOutputMinLuminance, kGapNonsense,
     kNone},
};

TEST(DisplayStateJudge, ABadAnswerLeavesItsFigureUnknown) {
    DisplayState good;
    InterpretDisplayAnswers(GoodAnswers(), &good);
    for (int figure = 0; figure < kDisplayFigures; ++figure) ASSERT_EQ(kGapKnown, good.gaps[figure]) << figure;
    for (const BadAnswer& bad : kBadAnswers) {
        SCOPED_TRACE(bad.name);
        DisplayAnswers answers = GoodAnswers();
        bad.spoil(&answers);
        DisplayState state;
        InterpretDisplayAnswers(answers, &state);
        for (int figure = 0; figure < kDisplayFigures; ++figure) {
            const bool spoilt = figure == bad.figure || figure == bad.alsoUnknown;
            EXPECT_EQ(spoilt, state.gaps[figure] != kGapKnown) << figure;
        }
        EXPECT_EQ(bad.gap, state.gaps[bad.figure]);
    }
}

// Type 15's mode stands even where its bits and encoding are bad: type 9's fill those in.
TEST(DisplayStateJudge, Type15BitsFallBackToType9s) {
    DisplayAnswers answers = GoodAnswers();
    answers.info2.bitsPerChannel = 0;
    answers.info2.encoding = 9;
    answers.info.bitsPerChannel = 12;
    answers.info.encoding = 3;
    DisplayState state;
    InterpretDisplayAnswers(answers, &state);
    EXPECT_EQ(12, state.bitsPerChannel);
    EXPECT_EQ(kSignalYcbcr420, state.encoding);
    EXPECT_EQ(kColourModeHdr, state.mode);
}

TEST(DisplayStateJudge, NoDisplayPathLeavesEveryDisplayConfigFigureUnknown) {
    DisplayAnswers answers = GoodAnswers();
    answers.configGap = kGapNoMonitor;
    answers.outputGap = kGapNotOffered;
    DisplayState state;
    InterpretDisplayAnswers(answers, &state);
    for (int figure = 0; figure < kDisplayFigures; ++figure) {
        EXPECT_EQ(figure < kFigureOutput ? kGapNoMonitor : kGapNotOffered, state.gaps[figure]) << figure;
    }
    EXPECT_EQ(kColourModeUnknown, state.mode);
    EXPECT_EQ(-1, state.outputColourSpace);
    EXPECT_STREQ("no-monitor", FigureGapKey(kGapNoMonitor));
}

// Figures whose value says known or unknown, beside the gap that must agree with it.
void ExpectGapsAgree(const DisplayState& s) {
    const bool known[kDisplayFigures] = {
        s.mode != kColourModeUnknown, s.hdrSupported != -1, s.hdrUserEnabled != -1,
        s.advancedColourSupported != -1 && s.advancedColourEnabled != -1, s.bitsPerChannel != 0,
        s.encoding != kSignalUnknown, s.sdrWhiteNits != 0.0, s.hasOutput != 0, s.outputColourSpace != -1,
        s.outputBits != 0, s.hasOutputPrimaries != 0, s.outputMinLuminance != -1.0, s.outputMaxLuminance != 0.0,
        s.outputMaxFullFrame != 0.0,
    };
    for (int figure = 0; figure < kDisplayFigures; ++figure) {
        ASSERT_EQ(known[figure], s.gaps[figure] == kGapKnown) << figure;
    }
}

void ExpectInRange(const DisplayState& s) {
    ASSERT_TRUE(s.bitsPerChannel == 0 || (s.bitsPerChannel >= 6 && s.bitsPerChannel <= 16));
    ASSERT_TRUE(s.outputBits == 0 || (s.outputBits >= 6 && s.outputBits <= 16));
    ASSERT_TRUE(s.encoding >= kSignalUnknown && s.encoding <= kSignalIntensity);
    ASSERT_TRUE(s.outputColourSpace >= -1 && s.outputColourSpace <= 22);
    for (double nits : {s.sdrWhiteNits, s.outputMaxLuminance, s.outputMaxFullFrame}) {
        ASSERT_TRUE(nits >= 0.0 && nits <= 10000.0) << nits;
    }
    if (s.outputMinLuminance != -1.0) {
        ASSERT_TRUE(s.outputMinLuminance >= 0.0 && s.outputMinLuminance < s.outputMaxLuminance);
    }
    if (s.hasOutputPrimaries) {
        const ColourPrimaries& p = s.outputPrimaries;
        for (const Chromaticity& c : {p.red, p.green, p.blue, p.white}) ASSERT_TRUE(c.x > 0 && c.y > 0 && c.x + c.y <= 1);
    }
}

float AnyLuminance(std::mt19937& random) {
    const float picks[] = {0.0f, -1.0f, 0.05f, 400.0f, 1000.0f, 10000.0f, 10001.0f, NAN, INFINITY};
    return random() % 2 ? picks[random() % 9] : static_cast<float>(random() % 12000) / 3.0f;
}

DisplayAnswers AnyAnswers(std::mt19937& random) {
    DisplayAnswers a = {};
    const FigureGap gaps[] = {kGapKnown, kGapKnown, kGapKnown, kGapNoMonitor, kGapNotOffered, kGapFailed};
    a.configGap = gaps[random() % 6];
    a.outputGap = gaps[random() % 6];
    a.info2 = {static_cast<int>(random() % 2), static_cast<unsigned>(random() % 256), static_cast<unsigned>(random() % 7),
               static_cast<unsigned>(random() % 20), static_cast<unsigned>(random() % 5)};
    a.info = {static_cast<int>(random() % 2), static_cast<unsigned>(random() % 16), static_cast<unsigned>(random() % 7),
              static_cast<unsigned>(random() % 20)};
    a.sdrWhite = {static_cast<int>(random() % 2), static_cast<unsigned long>(random() % 150000)};
    a.output.answered = static_cast<int>(random() % 2);
    a.output.bitsPerColour = random() % 20;
    a.output.colourSpace = random() % 4 ? random() % 26 : 0xFFFFFFFFu;
    for (float& p : a.output.primaries) p = static_cast<float>(random() % 1100) / 1000.0f;
    a.output.minLuminance = AnyLuminance(random);
    a.output.maxLuminance = AnyLuminance(random);
    a.output.maxFullFrame = AnyLuminance(random);
    return a;
}

TEST(DisplayStateJudge, EveryFigureInRangeOrUnknownOverGeneratedAnswers) {
    std::mt19937 random(20261210);
    const ColourMode modes[] = {kColourModeSdr, kColourModeWcg, kColourModeHdr};
    for (int round = 0; round < 20000; ++round) {
        const DisplayAnswers a = AnyAnswers(random);
        DisplayState s;
        InterpretDisplayAnswers(a, &s);
        ExpectGapsAgree(s);
        ExpectInRange(s);
        const bool asked = a.configGap == kGapKnown;
        if (asked && a.info2.answered) {
            // Type 15 decides alone, whatever type 9 says.
            ASSERT_EQ(a.info2.activeMode < 3 ? modes[a.info2.activeMode] : kColourModeUnknown, s.mode) << round;
            ASSERT_EQ(a.info2.activeMode < 3 ? 1 : 0, s.modeFromInfo2);
        } else if (asked && a.info.answered) {
            const unsigned f = a.info.flags;
            const bool hdr = (f & kInfoAdvancedColourSupported) && (f & kInfoAdvancedColourEnabled) &&
                             !(f & kInfoWideColourEnforced) && !(f & kInfoAdvancedColourForceDisabled);
            ASSERT_EQ(hdr, s.mode == kColourModeHdr) << round << " flags " << a.info.flags;
            ASSERT_EQ(0, s.modeFromInfo2);
        } else {
            ASSERT_EQ(kColourModeUnknown, s.mode);
        }
        ASSERT_TRUE(asked || s.gaps[kFigureMode] == a.configGap);
        ASSERT_TRUE(a.outputGap == kGapKnown || s.gaps[kFigureOutput] == a.outputGap);
    }
}

}  // namespace
