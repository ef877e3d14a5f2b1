// The HDR screens' labels measured with the font Windows (here Wine) really picks for each script:
// every label of every screen fits its one line in every language, so none ends in an ellipsis.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/texts.h"
#include "hdr/hdr_label_paint.h"
#include "hdr/hdr_modes.h"
#include "hdr/hdr_screens.h"
#include "hdr/hdr_texts.h"
#include "patterns/toolkit.h"
#include "tests/support/canvas.h"
#include "testrun/catalogue.h"

namespace {

struct LanguageGuard {
    int saved = g_lang;
    ~LanguageGuard() { g_lang = saved; }
};

int TextWidth(HDC hdc, const std::wstring& text) {
    SIZE size = {};
    GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// 1280 x 1024 is the narrowest screen for the labels' font (a 36th of the height); 1280 x 720 and
// 1920 x 1080 are the common ones. The line that says HDR is off gets a whole line at the top.
TEST(HdrLabels, EveryLabelFitsItsLineInEveryLanguage) {
    LanguageGuard guard;
    Canvas canvas(16, 16);
    const SIZE sizes[] = {{1280, 1024}, {1280, 720}, {1920, 1080}};
    for (const SIZE& size : sizes) {
        HFONT font = MakePixelFont(HdrLabelFontHeight(size.cy), FW_NORMAL);
        ASSERT_NE(font, nullptr);
        HGDIOBJ old = SelectObject(canvas.dc, font);
        const int line = size.cx - 2 * HdrLabelHeight(size.cy);
        for (g_lang = 0; g_lang < kLanguageCount; ++g_lang) {
            for (int mode = kFirstHdrMode; mode < kFirstHdrMode + kHdrModeCount; ++mode) {
                const HdrScreen screen = HdrModeScreen(mode, size.cx, size.cy, 1000);
                for (const HdrLabel& label : HdrModeLabels(mode, screen, 1000)) {
                    EXPECT_LE(TextWidth(canvas.dc, label.text), label.rect.right - label.rect.left)
                        << "language " << g_lang << ", screen " << mode << ", " << size.cx << " x " << size.cy;
                }
            }
            EXPECT_LE(TextWidth(canvas.dc, HdrText(HT_HDR_OFF)), line) << "language " << g_lang << ", " << size.cy;
        }
        SelectObject(canvas.dc, old);
        DeleteObject(font);
    }
}

}  // namespace
