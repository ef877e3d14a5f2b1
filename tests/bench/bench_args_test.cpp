// tavro-bench's command line: the screen and size lists it accepts, and the mistakes it refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testrun/catalogue.h"
#include "tools/bench/bench_args.h"

namespace {

BenchParse Parse(std::vector<const wchar_t*> words, BenchArgs* args, std::wstring* error) {
    words.insert(words.begin(), L"tavro-bench");
    return ParseBenchArgs(static_cast<int>(words.size()), words.data(), args, error);
}

std::vector<int> Modes(const wchar_t* list) {
    BenchArgs args;
    std::wstring error;
    EXPECT_EQ(Parse({L"--modes", list}, &args, &error), kBenchParseOk) << list;
    return args.modes;
}

TEST(BenchArgs, DefaultsToEveryScreenAtThreeSizes) {
    BenchArgs args;
    std::wstring error;
    ASSERT_EQ(Parse({}, &args, &error), kBenchParseOk);
    ASSERT_EQ(args.modes.size(), static_cast<size_t>(kModeCount));
    EXPECT_EQ(args.modes.front(), 0);
    EXPECT_EQ(args.modes.back(), kModeCount - 1);
    ASSERT_EQ(args.sizes.size(), 3u);
    EXPECT_EQ(args.sizes[0].width, 1920);
    EXPECT_EQ(args.sizes[1].height, 2160);
    EXPECT_EQ(args.sizes[2].width, 7680);
    EXPECT_EQ(args.sizes[2].height, 4320);
    EXPECT_EQ(args.runs, 0);
    EXPECT_EQ(args.starts, 7);
    EXPECT_TRUE(args.tavro.empty());
}

TEST(BenchArgs, ModeListsRangesAndSingles) {
    EXPECT_EQ(Modes(L"0-33").size(), 34u);
    EXPECT_EQ(Modes(L"19"), std::vector<int>({19}));
    EXPECT_EQ(Modes(L"25,23-24,5"), std::vector<int>({5, 23, 24, 25}));
    EXPECT_EQ(Modes(L"3-3,3,2-4"), std::vector<int>({2, 3, 4}));
    EXPECT_EQ(Modes(L"44-47"), std::vector<int>({44, 45, 46, 47}));
    EXPECT_EQ(Modes(L"57-59,47"), std::vector<int>({47, 57, 58, 59}));  // the HDR card's screens too
    EXPECT_EQ(Modes(L"0-59").size(), 60u);
    EXPECT_EQ(Modes(L"47,0-0").size(), 2u);
    BenchArgs args;
    std::wstring error;
    EXPECT_EQ(Parse({L"--modes=7,33"}, &args, &error), kBenchParseOk);
    EXPECT_EQ(args.modes, std::vector<int>({7, 33}));
}

TEST(BenchArgs, SizesKeepTheirOrderOnce) {
    BenchArgs args;
    std::wstring error;
    ASSERT_EQ(Parse({L"--sizes", L"3840x2160,1283x803,3840x2160,1X1"}, &args, &error), kBenchParseOk);
    ASSERT_EQ(args.sizes.size(), 3u);
    EXPECT_EQ(args.sizes[0].width, 3840);
    EXPECT_EQ(args.sizes[1].width, 1283);
    EXPECT_EQ(args.sizes[1].height, 803);
    EXPECT_EQ(args.sizes[2].height, 1);
    ASSERT_EQ(Parse({L"--sizes=16384x16384", L"--runs", L"3", L"--starts=1", L"--tavro", L"C:\\t\\tavro.exe"}, &args,
                    &error),
              kBenchParseOk);
    EXPECT_EQ(args.sizes[0].width, 16384);
    EXPECT_EQ(args.runs, 3);
    EXPECT_EQ(args.starts, 1);
    EXPECT_EQ(args.tavro, L"C:\\t\\tavro.exe");
}

TEST(BenchArgs, RefusesBadValuesWithAMessageNamingThem) {
    const std::vector<std::vector<const wchar_t*>> bad = {
        {L"--modes", L"62"},        {L"--modes", L"5-3"},       {L"--modes", L"-1"},     {L"--modes", L"1,,2"},
        {L"--modes", L"a"},         {L"--modes", L""},          {L"--modes", L"0-"},     {L"--sizes", L"1920"},
        {L"--sizes", L"0x10"},      {L"--sizes", L"16385x10"},  {L"--sizes", L"19x-1"},  {L"--sizes", L"10x10,"},
        {L"--runs", L"0"},          {L"--runs", L"1001"},       {L"--starts", L"51"},    {L"--tavro="},
        {L"--modes"},               {L"--frobnicate"},          {L"5"},                  {L"--sizes", L" 10x10"},
    };
    for (const std::vector<const wchar_t*>& words : bad) {
        BenchArgs args;
        std::wstring error;
        EXPECT_EQ(Parse(words, &args, &error), kBenchParseError) << words[0];
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find(L'\n'), std::wstring::npos);
    }
    BenchArgs args;
    std::wstring error;
    Parse({L"--sizes", L"1920x0"}, &args, &error);
    EXPECT_NE(error.find(L"\"1920x0\""), std::wstring::npos) << error;
    Parse({L"--modes", L"48-62"}, &args, &error);
    EXPECT_NE(error.find(L"\"48-62\""), std::wstring::npos) << error;
    EXPECT_NE(error.find(L"0..61, e.g. 0-61"), std::wstring::npos) << error;  // the range it takes, every screen
}

TEST(BenchArgs, HelpAnywhereShowsTheUsage) {
    BenchArgs args;
    std::wstring error;
    EXPECT_EQ(Parse({L"--modes", L"1", L"--help"}, &args, &error), kBenchParseHelp);
    EXPECT_EQ(Parse({L"/?"}, &args, &error), kBenchParseHelp);
}

}  // namespace
