// The texts written on the HDR screens with a number put in: each says its figure and nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/texts.h"
#include "hdr/hdr_modes.h"
#include "testrun/catalogue.h"

namespace {

std::vector<std::wstring> LabelTexts(int mode) {
    const HdrScreen screen = HdrModeScreen(mode, 1920, 1080, 1000);
    std::vector<std::wstring> texts;
    for (const HdrLabel& label : HdrModeLabels(mode, screen, 1000)) texts.push_back(label.text);
    return texts;
}

bool Holds(const std::vector<std::wstring>& texts, const std::wstring& text) {
    for (const std::wstring& t : texts) {
        if (t == text) return true;
    }
    return false;
}

TEST(HdrLabelTexts, FormattedCaptionsSayTheirFiguresInEnglish) {
    g_lang = 0;
    const struct {
        int mode;
        const wchar_t* text;
    } expected[] = {
        {kFirstHdrMode, L"White window of 1\u00A0% of the screen's area at 10\u00A0000 cd/m\u00B2"},
        {kFirstHdrMode + 6, L"White window of 100\u00A0% of the screen's area at 10\u00A0000 cd/m\u00B2"},
        {kClippingMode, L"Framed: the step at or below the peak this monitor claims, 1\u00A0000 cd/m\u00B2."},
        {kBloomingMode, L"Single pixels at 10\u00A0000 cd/m\u00B2"},
        {kBloomingMode, L"3 \u00D7 3 dots at 10\u00A0000 cd/m\u00B2"},
        {kBloomingMode, L"A box of 1 % of the area at 10\u00A0000 cd/m\u00B2"},
        {kBloomingMode, L"White text at 10\u00A0000 cd/m\u00B2"},
    };
    for (const auto& e : expected) EXPECT_TRUE(Holds(LabelTexts(e.mode), e.text)) << e.mode << ": " << e.text;
}

}  // namespace
