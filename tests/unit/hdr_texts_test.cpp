// The HDR screens' texts: every language has each of them, keeps the English printf conversions,
// and the labels made from them name the luminances they are formatted with.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "app/texts.h"
#include "hdr/hdr_modes.h"
#include "hdr/hdr_screens.h"
#include "hdr/hdr_texts.h"
#include "testrun/catalogue.h"

namespace {

struct LanguageGuard {
    int saved = g_lang;
    ~LanguageGuard() { g_lang = saved; }
};

// The printf conversions of a wide format, in order, each with its flags ("%ls", "% o"); "%%" is
// none. A lone '%' before a letter is read the way vswprintf reads it.
std::vector<std::wstring> Conversions(const wchar_t* format) {
    std::vector<std::wstring> result;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%') continue;
        const wchar_t* start = p++;
        while (*p && std::wcschr(L"-+ #0123456789.*hlLjzt", *p)) ++p;
        if (!*p) break;
        if (*p != L'%') result.emplace_back(start, p + 1);
    }
    return result;
}

TEST(HdrTexts, EveryLanguageHasItsOwnTextForEveryKey) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int key = 0; key < HT_COUNT; ++key) {
            const wchar_t* text = g_hdrTexts[lang][key];
            ASSERT_NE(text, nullptr) << "language " << lang << " key " << key;
            EXPECT_NE(text[0], L'\0') << "language " << lang << " key " << key;
            EXPECT_EQ(HdrTextIn(lang, static_cast<HdrTextKey>(key)), text) << "language " << lang << " key " << key;
            if (lang > 0) {
                EXPECT_STRNE(text, g_hdrTexts[0][key]) << "language " << lang << " key " << key;
            }
        }
    }
}

// The formats take exactly their strings; a literal per cent sign in them is written "%%". The
// texts shown as they are take none.
TEST(HdrTexts, EveryLanguageKeepsTheConversionsOfEachFormat) {
    const struct {
        HdrTextKey key;
        size_t strings;
    } formats[] = {{HT_PEAK_AREA_FMT, 2},    {HT_CLAIMED_PEAK_FMT, 1}, {HT_BLOOM_PIXELS_FMT, 1}, {HT_BLOOM_DOTS_FMT, 1},
                   {HT_BLOOM_BOX_FMT, 1},    {HT_BLOOM_TEXT_FMT, 1},   {HT_CANNOT_RUN_FMT, 1}};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        for (int key = 0; key < HT_COUNT; ++key) {
            size_t strings = 0;
            for (const auto& format : formats) strings = format.key == key ? format.strings : strings;
            const wchar_t* text = HdrTextIn(lang, static_cast<HdrTextKey>(key));
            const std::vector<std::wstring> conversions = Conversions(text);
            if (strings > 0) {
                EXPECT_EQ(conversions, std::vector<std::wstring>(strings, L"%ls")) << "language " << lang << " key " << key;
            } else {
                EXPECT_EQ(std::wcsstr(text, L"%ls"), nullptr) << "language " << lang << " key " << key;
            }
        }
    }
}

// Every label formatted with a luminance shows it, in every language: the full signal on the peak
// windows and the blooming captions, the claimed peak under the clipping steps; and no label keeps
// a conversion or a doubled per cent sign unformatted.
TEST(HdrTexts, LabelsNameTheLuminancesTheyAreMadeWith) {
    LanguageGuard guard;
    wchar_t fullText[32];
    const std::wstring full = NitsText(kFullSignalNits, fullText, 32);
    for (g_lang = 0; g_lang < kLanguageCount; ++g_lang) {
        for (int mode = kFirstHdrMode; mode < kFirstHdrMode + kHdrModeCount; ++mode) {
            const HdrScreen screen = HdrModeScreen(mode, 1920, 1080, 1000);
            const std::vector<HdrLabel> labels = HdrModeLabels(mode, screen, 1000);
            ASSERT_FALSE(labels.empty()) << "language " << g_lang << " mode " << mode;
            for (const HdrLabel& label : labels) {
                EXPECT_EQ(std::wstring(label.text).find(L"%%"), std::wstring::npos) << g_lang << "/" << mode;
                EXPECT_EQ(std::wstring(label.text).find(L"%l"), std::wstring::npos) << g_lang << "/" << mode;
            }
            if (mode < kClippingMode) {
                EXPECT_NE(std::wstring(labels[0].text).find(full), std::wstring::npos) << g_lang << "/" << mode;
            }
        }
        const HdrScreen clipping = HdrModeScreen(kClippingMode, 1920, 1080, 1000);
        EXPECT_NE(std::wstring(HdrModeLabels(kClippingMode, clipping, 1000).back().text).find(L"1\u00A0000"), std::wstring::npos)
            << g_lang;
        const HdrScreen blooming = HdrModeScreen(kBloomingMode, 1920, 1080, 0);
        const std::vector<HdrLabel> captions = HdrModeLabels(kBloomingMode, blooming, 0);
        ASSERT_EQ(captions.size(), 5u);
        for (int k : {kBloomPixelsCaption, kBloomDotsCaption, kBloomBoxCaption, kBloomTextCaption}) {
            EXPECT_NE(std::wstring(captions[k].text).find(full), std::wstring::npos) << g_lang << " caption " << k;
        }
        EXPECT_NE(std::wstring(captions[kBloomBoxCaption].text).find(L"1 %"), std::wstring::npos) << g_lang;
    }
}

}  // namespace
