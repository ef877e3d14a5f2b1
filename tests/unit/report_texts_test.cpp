// The findings' and the report's texts: every language has all of them, keeps the English printf
// conversions, and names the command line's options as they are typed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "record/report_texts.h"

namespace {

// The printf conversions of a UTF-8 format, in order, each with its flags, width and length
// ("%d", "%-4s", "%.2f"); "%%" is none.
std::vector<std::string> Conversions(const char* format) {
    std::vector<std::string> result;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        const char* start = p++;
        while (*p && std::strchr("-+ #0123456789.*hlLjzt", *p)) ++p;
        if (!*p) break;
        if (*p != '%') result.emplace_back(start, p + 1);
    }
    return result;
}

using List = std::vector<std::string>;

TEST(ReportTexts, EveryLanguageHasATextForEveryKey) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int key = 0; key < RT_COUNT; ++key) {
            const char* text = g_reportTexts[lang][key];
            ASSERT_NE(text, nullptr) << "language " << lang << " key " << key;
            EXPECT_NE(text[0], '\0') << "language " << lang << " key " << key;
        }
    }
}

// The reader itself: what it finds in hand-made formats, and in English texts whose conversions are
// known, so that a reader finding nothing could not pass the comparison below.
TEST(ReportTexts, ConversionsAreReadInOrder) {
    struct Case {
        const char* format;
        List expected;
    };
    const Case cases[] = {
        {"%d of %s", {"%d", "%s"}},
        {"%s of %d", {"%s", "%d"}},
        {"100%% of %-4d, %.2f and %ls", {"%-4d", "%.2f", "%ls"}},
        {"no conversion", {}},
        {"ends in %", {}},
        {g_reportTexts[0][RT_MADE_FORMAT], {"%d", "%d"}},
        {g_reportTexts[0][RT_SAVE_FAILED], {"%s", "%s"}},
        {g_reportTexts[0][RT_RESTS_ON], {"%d", "%d", "%s"}},
        {g_reportTexts[0][RT_REASON_CARDS], {"%d"}},
        {g_reportTexts[0][RT_USAGE], {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Conversions(c.format), c.expected) << c.format;
}

TEST(ReportTexts, EveryLanguageKeepsTheEnglishConversionsInOrder) {
    for (int key = 0; key < RT_COUNT; ++key) {
        const List english = Conversions(g_reportTexts[0][key]);
        for (int lang = 1; lang < kLanguageCount; ++lang) {
            const char* text = g_reportTexts[lang][key];
            if (text == nullptr) continue;  // a missing text fails the first test
            EXPECT_EQ(Conversions(text), english) << "language " << lang << " key " << key << ": " << text;
        }
    }
}

// The usage keeps its first line, the options and the path's placeholders as they are typed.
TEST(ReportTexts, EveryUsageNamesTheOptionsAndPlaceholders) {
    const char* const typed[] = {"/auto", "/start", "/cards", "/monitor", "/report",
                                 "{model}", "{serial}", "{date}", "{time}", ".json"};
    const std::string english = g_reportTexts[0][RT_USAGE];
    const std::string firstLine = english.substr(0, english.find('\n'));
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const std::string usage = g_reportTexts[lang][RT_USAGE];
        EXPECT_EQ(usage.substr(0, usage.find('\n')), firstLine) << "language " << lang;
        for (const char* word : typed) {
            EXPECT_NE(usage.find(word, firstLine.size()), std::string::npos) << "language " << lang << ": " << word;
        }
    }
}

}  // namespace
