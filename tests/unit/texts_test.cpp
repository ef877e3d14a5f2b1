// The text catalogue: completeness, English fallback, format specifiers, language detection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/texts.h"

namespace {

struct LanguageGuard {
    int saved = g_lang;
    ~LanguageGuard() { g_lang = saved; }
};

// The printf conversions of a format text, in order ("%ls", "%d", ...).
std::vector<std::wstring> Conversions(const wchar_t* format) {
    std::vector<std::wstring> result;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') continue;
        const wchar_t* start = p++;
        while (*p && wcschr(L"lh", *p)) ++p;
        if (!*p) break;
        result.emplace_back(start, p + 1);
    }
    return result;
}

TEST(Texts, EnglishIsCompleteAndEveryLookupGivesText) {
    LanguageGuard guard;
    for (int key = 0; key < STR_COUNT; ++key) {
        ASSERT_NE(g_texts[0][key], nullptr) << key;
        EXPECT_NE(g_texts[0][key][0], L'\0') << key;
    }
    for (g_lang = 0; g_lang < kLanguageCount; ++g_lang) {
        for (int key = 0; key < STR_COUNT; ++key) {
            const wchar_t* text = tr(static_cast<Str>(key));
            ASSERT_NE(text, nullptr);
            EXPECT_NE(text[0], L'\0') << "language " << g_lang << " key " << key;
        }
    }
}

// Every language has its own text for every key: no lookup falls back to English.
TEST(Texts, EveryLanguageHasItsOwnTextForEveryKey) {
    LanguageGuard guard;
    for (g_lang = 0; g_lang < kLanguageCount; ++g_lang) {
        for (int key = 0; key < STR_COUNT; ++key) {
            ASSERT_NE(g_texts[g_lang][key], nullptr);
            EXPECT_NE(g_texts[g_lang][key][0], L'\0') << "language " << g_lang << " key " << key;
            EXPECT_EQ(tr(static_cast<Str>(key)), g_texts[g_lang][key]) << "language " << g_lang << " key " << key;
        }
    }
    g_lang = 1;
    EXPECT_STREQ(tr(STR_AUTO_SUFFIX), L",\x81EA\x52A8");
    EXPECT_EQ(std::wstring(tr(STR_ABOUT_TEXT)).find(L"BUG\x63D0\x4EA4:"), std::wstring(tr(STR_ABOUT_TEXT)).rfind(L"BUG"));
}

TEST(Texts, KnownTextsInSeveralLanguages) {
    LanguageGuard guard;
    g_lang = 0;
    EXPECT_STREQ(tr(STR_WINDOW_TITLE), L"TAVRO - Select Tests");
    EXPECT_STREQ(tr(STR_HEADER_SUB), L"Check categories to test \x00B7 multi-select \x00B7 %d screens");
    g_lang = 2;
    EXPECT_STREQ(tr(STR_WINDOW_TITLE), L"TAVRO - Tests ausw\x00E4hlen");
    EXPECT_STREQ(tr(STR_CAT_SOLID), L"Grundfarben");
    EXPECT_STREQ(tr(STR_START), L"START");
    g_lang = 3;
    EXPECT_STREQ(tr(STR_START), L"D\x00C9" L"BUT");
    for (g_lang = 0; g_lang < kLanguageCount; ++g_lang) {
        EXPECT_STREQ(tr(STR_PRODUCT), L"TAVRO");
        EXPECT_NE(tr(STR_LANGUAGE)[0], L'\0');
    }
}

// Each About text ends with the one contact address and names the keys for the screen's guidance
// on a line of its own.
TEST(Texts, EveryAboutTextEndsWithTheContactAddressAndNamesTheGuidanceKeys) {
    const std::wstring english = g_texts[0][STR_ABOUT_TEXT];
    const std::wstring address = english.substr(english.rfind(L"BUG report: ") + 12);
    EXPECT_NE(address.find(L"@"), std::wstring::npos);
    EXPECT_NE(address.find(L"example.org"), std::wstring::npos);
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const std::wstring about = g_texts[lang][STR_ABOUT_TEXT];
        ASSERT_GT(about.size(), address.size()) << lang;
        EXPECT_EQ(about.substr(about.size() - address.size()), address) << lang;
        const size_t keys = about.find(L"\n   H ");
        ASSERT_NE(keys, std::wstring::npos) << lang;
        const size_t lineEnd = about.find(L'\n', keys + 1);
        EXPECT_NE(about.substr(keys, lineEnd - keys).find(L" F1 "), std::wstring::npos) << lang;
    }
}

TEST(Texts, TranslatedFormatsTakeTheEnglishConversions) {
    EXPECT_EQ(Conversions(g_texts[0][STR_TEST_TITLE_FMT]), (std::vector<std::wstring>{L"%ls", L"%d", L"%d", L"%ls"}));
    for (Str key : {STR_TEST_TITLE_FMT, STR_MONITOR_NATIVE_FMT, STR_MONITOR_NO_EDID_FMT, STR_SWITCH_REFUSED_FMT,
                    STR_MONITOR_ITEM_FMT, STR_MONITOR_ITEM_NO_EDID_FMT, STR_HEADER_SUB, STR_MOTION_SPEED_FMT,
                    STR_MOTION_DROPPED_FMT, STR_FACT_DESKTOP_FMT, STR_FACT_SCALE_FMT, STR_FACT_NATIVE_FMT,
                    STR_FACT_SCALED_FMT}) {
        const std::vector<std::wstring> english = Conversions(g_texts[0][key]);
        for (int lang = 1; lang < kLanguageCount; ++lang) {
            const wchar_t* format = g_texts[lang][key];
            EXPECT_EQ(Conversions(format), english) << "language " << lang << " key " << key;
        }
    }
}

TEST(Texts, SampleSentencesEndAsEachLanguageWrites) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        const std::wstring sample = g_texts[lang][STR_PANGRAM];
        ASSERT_GE(sample.size(), 3u);
        EXPECT_NE(sample.find(L"0123456789"), std::wstring::npos) << lang;
        if (lang == 1 || lang == 10) {
            EXPECT_EQ(sample.back(), L'\x3002') << lang;  // ideographic full stop
        } else {
            EXPECT_EQ(sample.substr(sample.size() - 2), L". ") << lang;
        }
    }
}

TEST(Texts, LanguageFromWindowsUiLanguage) {
    struct Case {
        unsigned langId;
        int index;
    };
    const Case cases[] = {
        {0x0409, 0},  {0x0809, 0},  {0x0804, 1},  {0x0404, 1},  {0x0C04, 1},  {0x0407, 2},  {0x0807, 2},
        {0x040C, 3},  {0x0C0A, 4},  {0x0416, 5},  {0x0816, 5},  {0x0413, 6},  {0x041D, 7},  {0x0419, 8},
        {0x0415, 9},  {0x0411, 10}, {0x0412, 11}, {0x0410, 12}, {0x041F, 0},  {0x0000, 0},  {0x0001, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageFromLangId(c.langId), c.index) << std::hex << c.langId;
}

}  // namespace

namespace {

TEST(Texts, OutOfRangeLookupsStayInsideTheTable) {
    LanguageGuard guard;
    g_lang = 13;
    EXPECT_STREQ(tr(STR_START), L"START");
    g_lang = -1;
    EXPECT_STREQ(tr(STR_CAT_SOUND), L"Sound");
    g_lang = 0;
    EXPECT_STREQ(tr(static_cast<Str>(STR_COUNT)), L"TAVRO");
    EXPECT_STREQ(tr(static_cast<Str>(-1)), L"TAVRO");
}

}  // namespace
