// Command-line parsing of tavro-render: accepted forms, and one clear message for each bad one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/render/render_args.h"

namespace {

RenderParse Parse(std::vector<const wchar_t*> args, RenderArgs* out, std::wstring* error) {
    args.insert(args.begin(), L"tavro-render");
    return ParseRenderArgs(static_cast<int>(args.size()), args.data(), out, error);
}

std::wstring ErrorOf(std::vector<const wchar_t*> args) {
    RenderArgs out;
    std::wstring error;
    EXPECT_EQ(Parse(args, &out, &error), kRenderParseError);
    EXPECT_EQ(error.find(L'\n'), std::wstring::npos);
    return error;
}

TEST(RenderArgs, AcceptsModeSizeFileAndLanguageAnywhere) {
    RenderArgs out;
    std::wstring error;
    ASSERT_EQ(Parse({L"19", L"1920", L"1080", L"star.bmp"}, &out, &error), kRenderParseOk);
    EXPECT_EQ(out.mode, 19);
    EXPECT_EQ(out.width, 1920);
    EXPECT_EQ(out.height, 1080);
    EXPECT_EQ(out.out, L"star.bmp");
    EXPECT_EQ(out.lang, 0);

    RenderArgs other;
    ASSERT_EQ(Parse({L"--lang", L"12", L"33", L"1", L"16384", L"C:\\x y\\s.bmp"}, &other, &error), kRenderParseOk);
    EXPECT_EQ(other.lang, 12);
    EXPECT_EQ(other.mode, 33);
    EXPECT_EQ(other.width, 1);
    EXPECT_EQ(other.height, 16384);
    EXPECT_EQ(other.out, L"C:\\x y\\s.bmp");

    EXPECT_EQ(Parse({L"0", L"8", L"8", L"a.bmp", L"--lang", L"0"}, &out, &error), kRenderParseOk);
    EXPECT_EQ(Parse({L"--help"}, &out, &error), kRenderParseHelp);
}

TEST(RenderArgs, RefusesUnknownModes) {
    for (const wchar_t* mode : {L"62", L"-1", L"x", L"", L"1.5", L" 3", L"99999999999999999999"}) {
        EXPECT_NE(ErrorOf({mode, L"8", L"8", L"a.bmp"}).find(L"mode"), std::wstring::npos) << mode;
    }
}

TEST(RenderArgs, RefusesSizesThatAreNotOneTo16384) {
    for (const wchar_t* size : {L"0", L"-5", L"16385", L"abc", L"12px", L"", L"4294967297", L"+8"}) {
        EXPECT_NE(ErrorOf({L"1", size, L"8", L"a.bmp"}).find(L"width"), std::wstring::npos) << size;
        EXPECT_NE(ErrorOf({L"1", L"8", size, L"a.bmp"}).find(L"height"), std::wstring::npos) << size;
    }
}

TEST(RenderArgs, RefusesBadLanguagesOptionsAndArgumentCounts) {
    EXPECT_NE(ErrorOf({L"1", L"8", L"8", L"a.bmp", L"--lang", L"13"}).find(L"language"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"1", L"8", L"8", L"a.bmp", L"--lang", L"-1"}).find(L"language"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"1", L"8", L"8", L"a.bmp", L"--lang"}).find(L"--lang"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"--lang", L"1", L"--lang", L"2", L"1", L"8", L"8", L"a.bmp"}).find(L"twice"),
              std::wstring::npos);
    EXPECT_NE(ErrorOf({L"1", L"8", L"8", L"a.bmp", L"--size"}).find(L"option"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"1", L"8", L"8"}).find(L"missing"), std::wstring::npos);
    EXPECT_NE(ErrorOf({}).find(L"missing"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"1", L"8", L"8", L"a.bmp", L"b.bmp"}).find(L"too many"), std::wstring::npos);
}

TEST(RenderArgs, OverlayTakesAPositionWithinARunOfAtMost62Screens) {
    RenderArgs out;
    std::wstring error;
    ASSERT_EQ(Parse({L"19", L"1920", L"1080", L"star.bmp"}, &out, &error), kRenderParseOk);
    EXPECT_EQ(out.osdPos, 0);
    ASSERT_EQ(Parse({L"--osd", L"20", L"34", L"19", L"1920", L"1080", L"s.bmp", L"--lang", L"2"}, &out, &error),
              kRenderParseOk);
    EXPECT_EQ(out.osdPos, 20);
    EXPECT_EQ(out.osdCount, 34);
    EXPECT_EQ(out.mode, 19);
    EXPECT_EQ(out.out, L"s.bmp");
    EXPECT_EQ(out.lang, 2);
    RenderArgs single;
    ASSERT_EQ(Parse({L"0", L"8", L"8", L"a.bmp", L"--osd", L"1", L"1"}, &single, &error), kRenderParseOk);
    EXPECT_EQ(single.osdPos, 1);
    EXPECT_EQ(single.osdCount, 1);

    for (const wchar_t* count : {L"0", L"63", L"x", L""}) {
        EXPECT_NE(ErrorOf({L"0", L"8", L"8", L"a.bmp", L"--osd", L"1", count}).find(L"count"), std::wstring::npos)
            << count;
    }
    for (const wchar_t* pos : {L"0", L"6", L"-1", L""}) {
        const std::wstring expected = L"position \"" + std::wstring(pos) + L"\": expected 1..5";
        EXPECT_NE(ErrorOf({L"0", L"8", L"8", L"a.bmp", L"--osd", pos, L"5"}).find(expected), std::wstring::npos) << pos;
    }
    EXPECT_NE(ErrorOf({L"0", L"8", L"8", L"a.bmp", L"--osd", L"1"}).find(L"--osd POS COUNT"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"--osd", L"1", L"2", L"--osd", L"1", L"2", L"0", L"8", L"8", L"a.bmp"}).find(L"twice"),
              std::wstring::npos);
}

TEST(RenderArgs, FrameAndRefreshRateAreForTheMotionScreens) {
    RenderArgs out;
    std::wstring error;
    ASSERT_EQ(Parse({L"42", L"640", L"480", L"m.bmp"}, &out, &error), kRenderParseOk);
    EXPECT_EQ(out.frame, 0);
    EXPECT_EQ(out.hz, 60);
    ASSERT_EQ(Parse({L"--hz", L"144", L"43", L"640", L"480", L"m.bmp", L"--frame", L"1000000000"}, &out, &error),
              kRenderParseOk);
    EXPECT_EQ(out.frame, 1000000000);
    EXPECT_EQ(out.hz, 144);
    ASSERT_EQ(Parse({L"42", L"640", L"480", L"m.bmp", L"--hz", L"143.856"}, &out, &error), kRenderParseOk);
    EXPECT_DOUBLE_EQ(out.hz, 143.856);
    const struct {
        std::vector<const wchar_t*> args;
        const wchar_t* says;
    } refused[] = {
        {{L"41", L"8", L"8", L"a.bmp", L"--frame", L"3"}, L"motion screens"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz", L"0"}, L"bad --hz \"0\": expected a rate 1..1000 with up to three decimals"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz", L"1001"}, L"1..1000"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz", L"59.9401"}, L"three decimals"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz", L"60."}, L"bad --hz"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz", L".5"}, L"bad --hz"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz"}, L"bad --hz"},
        {{L"42", L"8", L"8", L"a.bmp", L"--frame", L"-1"}, L"0..1000000000"},
        {{L"42", L"8", L"8", L"a.bmp", L"--frame"}, L"needs a number"},
        {{L"42", L"8", L"8", L"a.bmp", L"--hz", L"60", L"--hz", L"60"}, L"twice"},
    };
    for (const auto& r : refused) EXPECT_NE(ErrorOf(r.args).find(r.says), std::wstring::npos) << r.says;
}

TEST(RenderArgs, GuideIsAFlagGivenOnceAnywhere) {
    RenderArgs out;
    std::wstring error;
    ASSERT_EQ(Parse({L"19", L"640", L"480", L"g.bmp"}, &out, &error), kRenderParseOk);
    EXPECT_EQ(out.guide, 0);
    ASSERT_EQ(Parse({L"--guide", L"19", L"640", L"480", L"g.bmp", L"--lang", L"10"}, &out, &error), kRenderParseOk);
    EXPECT_EQ(out.guide, 1);
    EXPECT_EQ(out.lang, 10);
    EXPECT_EQ(out.out, L"g.bmp");
    EXPECT_NE(ErrorOf({L"--guide", L"0", L"8", L"8", L"a.bmp", L"--guide"}).find(L"twice"), std::wstring::npos);
}

TEST(RenderArgs, FactsOfTheOneToOneScreenAreModesAndAScaleForItAlone) {
    RenderArgs out;
    std::wstring error;
    ASSERT_EQ(Parse({L"47", L"640", L"480", L"f.bmp"}, &out, &error), kRenderParseOk);
    EXPECT_FALSE(out.facts.desktopKnown || out.facts.scaleKnown || out.facts.nativeKnown);
    ASSERT_EQ(Parse({L"--native", L"3840X2160", L"47", L"640", L"480", L"f.bmp", L"--desktop", L"1920x1080", L"--scale",
                     L"150"},
                    &out, &error),
              kRenderParseOk);
    const DisplayFacts& f = out.facts;
    EXPECT_EQ(f.desktopKnown * f.desktopWidth * 10000 + f.desktopHeight, 1920 * 10000 + 1080);
    EXPECT_EQ(f.nativeKnown * f.nativeWidth * 10000 + f.nativeHeight, 3840 * 10000 + 2160);
    EXPECT_EQ(f.scaleKnown * f.scalePercent, 150);
    RenderArgs largest;
    ASSERT_EQ(Parse({L"47", L"8", L"8", L"a.bmp", L"--scale", L"1000", L"--native", L"16384x1"}, &largest, &error),
              kRenderParseOk);
    EXPECT_EQ(largest.facts.scalePercent + largest.facts.nativeWidth, 1000 + 16384);
    const struct {
        std::vector<const wchar_t*> args;
        const wchar_t* says;
    } refused[] = {
        {{L"46", L"8", L"8", L"a.bmp", L"--desktop", L"1920x1080"}, L"one-to-one screen 47, not screen 46"},
        {{L"0", L"8", L"8", L"a.bmp", L"--scale", L"100"}, L"one-to-one screen 47"},
        {{L"47", L"8", L"8", L"a.bmp", L"--desktop", L"1920"}, L"bad --desktop \"1920\": expected WIDTHxHEIGHT"},
        {{L"47", L"8", L"8", L"a.bmp", L"--desktop", L"0x1080"}, L"1..16384 each"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L"16385x10"}, L"bad --native"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L"1920x"}, L"bad --native"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L"x1080"}, L"bad --native"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L"1920x1080x2"}, L"bad --native"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L" 1920x1080"}, L"bad --native"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L"-1x5"}, L"bad --native"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native"}, L"bad --native: expected"},
        {{L"47", L"8", L"8", L"a.bmp", L"--native", L"8x8", L"--native", L"8x8"}, L"twice"},
        {{L"47", L"8", L"8", L"a.bmp", L"--scale", L"0"}, L"bad --scale \"0\": expected a number 1..1000"},
        {{L"47", L"8", L"8", L"a.bmp", L"--scale", L"1001"}, L"1..1000"},
        {{L"47", L"8", L"8", L"a.bmp", L"--scale", L"150%"}, L"bad --scale"},
        {{L"47", L"8", L"8", L"a.bmp", L"--scale", L"15\n0"}, L"bad --scale \"15\\x0A0\""},  // still one line
        {{L"47", L"8", L"8", L"a.bmp", L"--scale"}, L"needs a number"},
        {{L"47", L"8", L"8", L"a.bmp", L"--scale", L"100", L"--scale", L"100"}, L"twice"},
    };
    for (const auto& r : refused) EXPECT_NE(ErrorOf(r.args).find(r.says), std::wstring::npos) << r.says;
}

TEST(RenderArgs, APfmFileIsForTheHdrScreensAndTheirTextsAlone) {
    const struct {
        std::vector<const wchar_t*> args;
        int mode, pfm;
    } accepted[] = {
        {{L"48", L"64", L"48", L"x.pfm"}, 48, 1},
        {{L"59", L"8", L"8", L"C:\\a b\\WIDE.PFM", L"--lang", L"10"}, 59, 1},
        {{L"55", L"8", L"8", L"x.Pfm"}, 55, 1},
        {{L"55", L"8", L"8", L"x.bmp", L"--osd", L"8", L"12"}, 55, 0},  // every screen still has its .bmp
        {{L"59", L"8", L"8", L"x.pfm.bmp", L"--guide"}, 59, 0},
        {{L"0", L"8", L"8", L"pfm"}, 0, 0},
    };
    for (const auto& a : accepted) {
        RenderArgs out;
        std::wstring error;
        ASSERT_EQ(Parse(a.args, &out, &error), kRenderParseOk) << a.args[3] << ": " << error;
        EXPECT_EQ(out.mode * 10 + out.pfm, a.mode * 10 + a.pfm) << a.args[3];
    }
    const struct {
        std::vector<const wchar_t*> args;
        const wchar_t* says;
    } refused[] = {
        {{L"47", L"64", L"48", L"x.pfm"}, L"a .pfm file is for the HDR screens 48..59, not screen 47: write a .bmp"},
        {{L"0", L"8", L"8", L"x.PFM"}, L"not screen 0"},
        {{L"42", L"8", L"8", L"x.pfm", L"--frame", L"3"}, L"not screen 42"},
        {{L"60", L"8", L"8", L"x.pfm"}, L"not screen 60"},
        {{L"62", L"8", L"8", L"x.pfm"}, L"unknown mode"},
        {{L"55", L"8", L"8", L"x.pfm", L"--osd", L"1", L"12"}, L"--osd and --guide are drawn into a .bmp only"},
        {{L"55", L"8", L"8", L"x.pfm", L"--guide"}, L"not into a .pfm"},
        {{L"55", L"8", L"8", L"x.pfm", L"--scale", L"100"}, L"one-to-one screen 47"},
        {{L"55", L"8", L"8", L".pfm", L"--lang", L"13"}, L"bad language"},
    };
    for (const auto& r : refused) EXPECT_NE(ErrorOf(r.args).find(r.says), std::wstring::npos) << r.says;
}

}  // namespace
