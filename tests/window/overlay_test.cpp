// The help overlay painted over known centre colours into a DIB section.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/app_state.h"
#include "app/texts.h"
#include "tests/support/canvas.h"
#include "testrun/overlay.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDark = RGB(18, 24, 31);

class Overlay : public ::testing::Test {
protected:
    void SetUp() override {
        g_lang = 0;
        playlist.resize(34);
        for (int m = 0; m < 34; ++m) playlist[m] = m;
        g_app.playlist = playlist.data();
        g_app.playlistCount = 34;
        g_app.playlistPos = 0;
        SetOverlayShown(1);
    }
    void TearDown() override {
        g_app.playlist = nullptr;
        g_app.playlistCount = 0;
        g_app.playlistPos = 0;
        SetOverlayShown(0);
        g_lang = 0;
    }

    // Paints `background` and the overlay; returns the panel's bounds (rows and columns that changed).
    static RECT PaintOver(Canvas& canvas, COLORREF background) {
        canvas.Clear(background);
        const RECT rc = canvas.Rect();
        DrawOSD(canvas.dc, &rc);
        RECT changed = {canvas.width, canvas.height, -1, -1};
        for (int y = 0; y < canvas.height; ++y) {
            for (int x = 0; x < canvas.width; ++x) {
                if (canvas.At(x, y) == background) continue;
                changed.left = std::min<LONG>(changed.left, x);
                changed.top = std::min<LONG>(changed.top, y);
                changed.right = std::max<LONG>(changed.right, x + 1);
                changed.bottom = std::max<LONG>(changed.bottom, y + 1);
            }
        }
        return changed;
    }

    std::vector<int> playlist;
};

// Panel colour at 180/255 over the background, as AlphaBlend rounds it (within one level).
bool BlendedOver(COLORREF got, COLORREF panel, COLORREF background) {
    auto channel = [](int p, int b) { return (p * 180 + b * 75) / 255; };
    return abs(GetRValue(got) - channel(GetRValue(panel), GetRValue(background))) <= 1 &&
           abs(GetGValue(got) - channel(GetGValue(panel), GetGValue(background))) <= 1 &&
           abs(GetBValue(got) - channel(GetBValue(panel), GetBValue(background))) <= 1;
}

TEST_F(Overlay, PanelIsLightOverBrightAndDarkOverDarkCentres) {
    Canvas canvas(800, 300);
    struct Case {
        COLORREF background;
        bool light;
    };
    const Case cases[] = {
        {RGB(255, 255, 255), true},  {RGB(0, 255, 0), true},     {RGB(0, 0, 0), false},
        {RGB(255, 0, 0), false},     {RGB(0, 0, 255), false},    {RGB(128, 128, 128), false},
        {RGB(129, 129, 129), true},  {RGB(130, 127, 128), false},  // (299*130+587*127+114*128)/1000 = 128
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.background);
        const RECT panel = PaintOver(canvas, c.background);
        ASSERT_LT(panel.left, panel.right);
        const COLORREF panelColor = c.light ? kWhite : kDark;
        const COLORREF textColor = c.light ? kDark : kWhite;
        // The left margin of the panel holds no text.
        if (c.background != kWhite) {
            EXPECT_TRUE(BlendedOver(canvas.At(panel.left + 3, panel.top + 3), panelColor, c.background));
        }
        EXPECT_GT(canvas.Count(panel, textColor), 40);
    }
}

TEST_F(Overlay, PanelSitsCentred24PixelsAboveTheBottom) {
    Canvas canvas(800, 300);
    const RECT panel = PaintOver(canvas, RGB(0, 0, 0));
    EXPECT_EQ(panel.bottom, 300 - 24);
    EXPECT_LE(abs(panel.left - (800 - panel.right)), 1);
    // height = text height + 2 * 10, width = three texts + 2 gaps of 20 + 2 * 18
    EXPECT_GE(panel.bottom - panel.top, 20 + 14);
    EXPECT_LE(panel.bottom - panel.top, 20 + 24);
}

TEST_F(Overlay, NoticeIsAPanelOfItsOwnJustAboveAndLeavesTheRestAlone) {
    Canvas plain(800, 300);
    const RECT panel = PaintOver(plain, RGB(0, 0, 0));
    Canvas noticed(800, 300);
    noticed.Clear(RGB(0, 0, 0));
    const RECT rc = noticed.Rect();
    OverlayRun run;
    ASSERT_TRUE(RunOverlay(&run));
    DrawOverlaySampled(noticed.dc, &rc, &run, RGB(0, 0, 0), L"Windows refused the native 4096 \x00D7 2304");
    int differing = 0;
    int noticeTop = 300;
    int noticeBottom = -1;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (noticed.At(x, y) == plain.At(x, y)) continue;
            ++differing;
            noticeTop = std::min(noticeTop, y);
            noticeBottom = std::max(noticeBottom, y + 1);
        }
    }
    EXPECT_GT(differing, 0);
    EXPECT_EQ(noticeBottom, panel.top - 8);  // the main panel itself is untouched
    EXPECT_EQ(noticeBottom - noticeTop, panel.bottom - panel.top);
    const RECT notice = {0, noticeTop, 800, noticeBottom};
    EXPECT_GT(noticed.Count(notice, kWhite), 40);
}

TEST_F(Overlay, WiderThanTheWindowIsStillCentredAndClipped) {
    Canvas canvas(120, 100);
    const RECT panel = PaintOver(canvas, RGB(0, 0, 0));
    EXPECT_EQ(panel.left, 0);
    EXPECT_EQ(panel.right, 120);
    EXPECT_EQ(panel.bottom, 100 - 24);
}

TEST_F(Overlay, HiddenOrEmptyDrawsNothing) {
    Canvas canvas(400, 200);
    SetOverlayShown(0);
    EXPECT_EQ(PaintOver(canvas, RGB(0, 0, 0)).right, -1);
    SetOverlayShown(1);
    g_app.playlistCount = 0;
    EXPECT_EQ(PaintOver(canvas, RGB(0, 0, 0)).right, -1);
}

TEST_F(Overlay, OutOfRangeEntryStillDrawsThePanel) {
    Canvas canvas(800, 300);
    playlist[0] = 99;
    EXPECT_LT(PaintOver(canvas, RGB(0, 0, 0)).left, 800);
    playlist[0] = -5;
    EXPECT_LT(PaintOver(canvas, RGB(0, 0, 0)).left, 800);
}

TEST_F(Overlay, FailedCentreSampleCountsAsBlack) {
    // A DC with nothing selected answers CLR_INVALID to GetPixel.
    HDC empty = CreateCompatibleDC(nullptr);
    HGDIOBJ stock = SelectObject(empty, GetStockObject(WHITE_PEN));
    SelectObject(empty, stock);
    const RECT rc = {0, 0, 800, 300};
    EXPECT_EQ(GetPixel(empty, 400, 150), CLR_INVALID);
    DrawOSD(empty, &rc);  // must not crash; picks the dark panel
    EXPECT_EQ(GetTextColor(empty), kWhite);
    DeleteDC(empty);
}

TEST_F(Overlay, ExitLabelFollowsTheLanguage) {
    EXPECT_STREQ(ExitLabel(0), L"Esc exit");
    EXPECT_STREQ(ExitLabel(10), L"Esc \x7D42\x4E86");
    EXPECT_STREQ(ExitLabel(9), L"Esc wyj\x015B" L"cie");
    EXPECT_STREQ(ExitLabel(13), L"Esc exit");
    EXPECT_STREQ(ExitLabel(-1), L"Esc exit");
}

TEST_F(Overlay, TextsNameTheScreenItsPlaceAndTheWayOut) {
    OverlayTexts texts;
    OverlayRun run;
    ASSERT_TRUE(RunOverlay(&run));
    FormatOverlayTexts(&run, &texts);
    EXPECT_STREQ(texts.position, L"Solid Colors \x00B7 1/34");
    EXPECT_STREQ(texts.title, L"White");
    EXPECT_STREQ(texts.exitLabel, L"Esc exit");
    g_app.playlistPos = 11;
    ASSERT_TRUE(RunOverlay(&run));
    FormatOverlayTexts(&run, &texts);
    EXPECT_STREQ(texts.position, L"Geometry \x00B7 12/34");
    EXPECT_STREQ(texts.title, L"Geometry");
    g_lang = 10;
    FormatOverlayTexts(&run, &texts);
    EXPECT_STREQ(texts.exitLabel, L"Esc \x7D42\x4E86");
    g_lang = 99;  // never set by the program, but the label must not read outside its table
    FormatOverlayTexts(&run, &texts);
    EXPECT_STREQ(texts.exitLabel, L"Esc exit");
    // A run of its own, as the tools paint it: nothing of the program's run is read.
    g_lang = 0;
    const OverlayRun sound = {33, 4, 7};
    FormatOverlayTexts(&sound, &texts);
    EXPECT_STREQ(texts.position, L"Sound \x00B7 5/7");
    playlist[11] = 77;
    ASSERT_TRUE(RunOverlay(&run));
    FormatOverlayTexts(&run, &texts);
    EXPECT_STREQ(texts.position, L"TAVRO \x00B7 12/34");
    g_app.playlistPos = 34;  // no such entry: no overlay rather than a read past the list
    EXPECT_FALSE(RunOverlay(&run));
}

}  // namespace
