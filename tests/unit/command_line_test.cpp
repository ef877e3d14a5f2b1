// The command line's refusals, each with its reason and the argument it names, and the bounded
// formatting they are written with, at the edges of its buffer.
#include <gtest/gtest.h>

#include <string.h>
#include <wchar.h>

#include <string>
#include <vector>

#include "app/bounded_format.h"
#include "app/command_line.h"

namespace {

constexpr int kCulpritChars = kReportPathChars + 8;  // room for the longest path the parser takes

struct Parsed {
    int ok;
    int fault;
    std::wstring culprit;
    CommandLine line;
};

// Parses `args` with a culprit buffer of kCulpritChars and a guard behind it that must stay as it was.
Parsed Parse(const std::vector<std::wstring>& args) {
    std::vector<const wchar_t*> argv = {L"tavro.exe"};
    for (const std::wstring& arg : args) argv.push_back(arg.c_str());
    std::vector<wchar_t> culprit(kCulpritChars + 8, L'#');
    Parsed p = {};
    p.fault = -1;
    const int argc = static_cast<int>(argv.size());
    p.ok = ParseCommandLine(argc, argv.data(), &p.line, culprit.data(), kCulpritChars, &p.fault);
    EXPECT_EQ(std::wstring(culprit.begin() + kCulpritChars, culprit.end()), std::wstring(8, L'#'));
    const size_t length = wcsnlen(culprit.data(), kCulpritChars);
    EXPECT_LT(length, static_cast<size_t>(kCulpritChars)) << "culprit without a terminator";
    p.culprit.assign(culprit.data(), length);
    return p;
}

TEST(CommandLine, RefusesEachBadArgumentNamingItAndWhy) {
    const std::wstring tooLong(kLongestReportPath + 1, L'p');
    const std::wstring longDate = std::wstring(kLongestReportPath - 7, L'p') + L"{date}";  // 248, filled 252
    const struct {
        std::vector<std::wstring> args;
        int fault;
        std::wstring culprit;
    } table[] = {
        {{L"/cards"}, kMissingValue, L"/cards"},
        {{L"/auto", L"/report"}, kMissingValue, L"/report"},
        {{L"/report", L"/auto"}, kMissingValue, L"/report"},
        {{L"/Report", L"-START"}, kMissingValue, L"/Report"},
        {{L"-monitor", L"/Cards", L"1"}, kMissingValue, L"-monitor"},
        {{L"/cards", L"-report", L"x.html"}, kMissingValue, L"/cards"},
        {{L"/frobnicate"}, kUnknownArgument, L"/frobnicate"},
        {{L"auto"}, kUnknownArgument, L"auto"},
        {{L""}, kUnknownArgument, L"\"\""},
        {{L"/auto", L"/start"}, kTwoStarts, L"/start"},
        {{L"/start", L"/start"}, kTwoStarts, L"/start"},
        {{L"/cards", L"0"}, kBadCards, L"0"},
        {{L"/cards", L"16"}, kBadCards, L"16"},
        {{L"/cards", L"1,16"}, kBadCards, L"1,16"},
        {{L"/cards", L"1,,2"}, kBadCards, L"1,,2"},
        {{L"/cards", L"1", L"/cards", L"2"}, kBadCards, L"2"},
        {{L"/monitor", L"x"}, kBadMonitor, L"x"},
        {{L"/monitor", L"17"}, kBadMonitor, L"17"},
        {{L"/monitor", L"1", L"/monitor", L"2"}, kBadMonitor, L"2"},
        {{L"/report", L""}, kBadReport, L"\"\""},
        {{L"/report", L"a.html", L"/report", L"b.html"}, kBadReport, L"b.html"},
        {{L"/report", tooLong}, kBadReport, tooLong},
        {{L"/report", longDate}, kBadReport, longDate},
    };
    for (const auto& row : table) {
        const Parsed p = Parse(row.args);
        EXPECT_EQ(p.ok, 0) << row.args[0];
        EXPECT_EQ(p.fault, row.fault) << row.args[0];
        EXPECT_EQ(p.culprit, row.culprit);
    }
}

TEST(CommandLine, CutsAnOverlongArgumentItNames) {
    for (size_t length : {300u, 2000u}) {
        const std::wstring path(length, L'q');
        for (const std::vector<std::wstring>& args : {std::vector<std::wstring>{L"/report", path},
                                                      std::vector<std::wstring>{L"/" + path}}) {
            const Parsed p = Parse(args);
            EXPECT_EQ(p.ok, 0);
            EXPECT_EQ(p.fault, args.size() == 2 ? kBadReport : kUnknownArgument);
            EXPECT_EQ(p.culprit, args.back().substr(0, kCulpritChars - 2) + L"\u2026") << length;
        }
    }
}

TEST(CommandLine, ReadsGoodLines) {
    // The longest a report's path may be, and a pattern longer than a path that fills in shorter.
    const std::wstring longest(kLongestReportPath, L'p');
    std::wstring shrinking = std::wstring(kLongestReportPath - 30, L'p');
    for (int k = 0; k < 30; ++k) shrinking += L"{model}";
    const struct {
        std::vector<std::wstring> args;
        int start, monitor;
        std::wstring report;
    } table[] = {
        {{}, kNoRunStart, 0, L""},
        {{L"-AUTO", L"-report", L"C:\\r\\a b.html"}, kAutoRun, 0, L"C:\\r\\a b.html"},
        {{L"/report", L"-x.html", L"/start", L"/monitor", L"16"}, kStartRun, 16, L"-x.html"},
        {{L"/report", longest}, kNoRunStart, 0, longest},
        {{L"/report", shrinking}, kNoRunStart, 0, shrinking},
    };
    for (const auto& row : table) {
        const Parsed p = Parse(row.args);
        EXPECT_EQ(p.ok, 1);
        EXPECT_EQ(p.fault, kArgumentsGood);
        EXPECT_EQ(p.culprit, L"");
        EXPECT_EQ(p.line.start, row.start);
        EXPECT_EQ(p.line.monitor, row.monitor);
        EXPECT_EQ(std::wstring(p.line.report), row.report);
    }
}

// Shorter than the buffer, as long as it with and without its terminator, one longer, a buffer of
// one: always ended, the count what was written, nothing written past the buffer.
TEST(FormatText, EndsEveryTextWithinItsBufferAndCountsWhatItWrote) {
    const struct {
        size_t count;
        const char* text;
        const char* expected;
    } table[] = {
        {8, "abc", "abc"}, {4, "abc", "abc"}, {4, "abcd", "abc"}, {4, "abcde", "abc"}, {1, "abc", ""}, {1, "", ""},
    };
    for (const auto& row : table) {
        std::vector<char> narrow(row.count + 4, 'x');
        EXPECT_EQ(FormatUtf8(narrow.data(), row.count, "%s", row.text), static_cast<int>(strlen(row.expected)));
        EXPECT_STREQ(narrow.data(), row.expected);
        EXPECT_EQ(std::string(narrow.begin() + row.count, narrow.end()), "xxxx") << row.text;

        const std::wstring text(row.text, row.text + strlen(row.text));
        const std::wstring expected(row.expected, row.expected + strlen(row.expected));
        std::vector<wchar_t> wide(row.count + 4, L'x');
        EXPECT_EQ(FormatText(wide.data(), row.count, L"%ls", text.c_str()), static_cast<int>(expected.size()));
        EXPECT_EQ(std::wstring(wide.data()), expected);
        EXPECT_EQ(std::wstring(wide.begin() + row.count, wide.end()), L"xxxx") << row.text;
    }
    EXPECT_EQ(FormatText(nullptr, 0, L"%d", 5), 0);
    EXPECT_EQ(FormatUtf8(nullptr, 0, "%d", 5), 0);
}

// A cut never leaves part of a character: half a UTF-8 sequence, or half a surrogate pair where
// wide characters are UTF-16.
TEST(FormatText, CutsBetweenCharacters) {
    char narrow[4];
    EXPECT_EQ(FormatUtf8(narrow, 4, "%s", "ab\xC3\xA9"), 2);
    EXPECT_STREQ(narrow, "ab");
    wchar_t wide[4];
    const std::wstring withPair = L"ab\U0001F600";
    const std::wstring expected = sizeof(wchar_t) == 2 ? L"ab" : withPair;
    EXPECT_EQ(FormatText(wide, 4, L"%ls", withPair.c_str()), static_cast<int>(expected.size()));
    EXPECT_EQ(std::wstring(wide), expected);
}

}  // namespace

// The counts the motion screens and the report write, thousands apart by a no-break space.
TEST(FormatText, GroupsTheThousandsOfACount) {
    const struct {
        long long count;
        size_t size;
        const char* text;
    } table[] = {
        {0, 32, "0"},
        {999, 32, "999"},
        {1000, 32, "1\xC2\xA0" "000"},
        {3600, 32, "3\xC2\xA0" "600"},
        {1234567, 32, "1\xC2\xA0" "234\xC2\xA0" "567"},
        {-5, 32, "0"},
        {3600, 2, "3"},  // room for "3" alone: no half of the separator
        {3600, 4, "3"},
        {3600, 5, "3\xC2\xA0" "6"},
    };
    for (const auto& row : table) {
        char text[32];
        FormatGroupedCount(text, row.size, row.count);
        EXPECT_STREQ(text, row.text) << row.count << " in " << row.size;
    }
}
