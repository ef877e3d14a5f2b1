// Chroma, subpixel order, edges and one to one: every stripe, frame and cell probed at exact
// coordinates, with the parities counted from the screen's pixel (0, 0) at odd sizes too.
#include <gtest/gtest.h>

#include <vector>

#include "app/texts.h"
#include "patterns/chroma_edges.h"
#include "patterns/patterns.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

TEST(ChromaScreen, BandsAlternateOnTheScreensParityAndTextRowsKeepTheirColours) {
    // The colour of band b at (x, y): the first colour where the coordinate across the stripes is even.
    const struct {
        COLORREF even, odd;
        bool rows;
    } bands[kChromaBands] = {{kRed, kBlue, false}, {kRed, kBlue, true}, {kMagenta, kGreen, false}, {kYellow, kBlue, false}};
    const COLORREF text[kChromaTextRows] = {kRed, kBlue, kMagenta, kGreen, RGB(255, 255, 255)};
    const COLORREF ground[kChromaTextRows] = {kBlue, kRed, kGreen, kMagenta, RGB(0, 0, 0)};
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{1283, 803}, SIZE{641, 479}}) {
        const int w = size.cx;
        auto c = PaintScreen(DrawChroma, size.cx, size.cy);
        const RECT rc = c->Rect();
        for (int b = 0; b < kChromaBands; ++b) {
            const RECT band = ChromaBandRect(&rc, b);
            for (int y : {band.top, band.top + 1, (band.top + band.bottom) / 2, band.bottom - 1}) {
                for (int x : {0, 1, 2, 3, w / 2, w / 2 + 1, w - 2, w - 1}) {
                    const int across = bands[b].rows ? y : x;
                    ASSERT_TRUE(PixelIs(*c, x, y, across % 2 == 0 ? bands[b].even : bands[b].odd))
                        << "band " << b << " at " << size.cx << "x" << size.cy;
                }
            }
        }
        for (int r = 0; r < kChromaTextRows; ++r) {
            const RECT row = ChromaTextRow(&rc, r);
            EXPECT_PIXEL(*c, 0, row.top, ground[r]);
            EXPECT_PIXEL(*c, size.cx - 1, row.bottom - 1, ground[r]);
            for (int line = 0; line < kChromaTextSizes; ++line) {
                const int top = ChromaLineTop(row, line);
                const RECT ink = {0, top, size.cx, top + g_chromaTextSizes[line]};
                EXPECT_GT(c->Count(ink, text[r]), 20) << "row " << r << " line " << line;
            }
        }
        // Grey smoothing only: white text on black gives greys, never a colour.
        const RECT white = ChromaTextRow(&rc, kChromaTextRows - 1);
        EXPECT_EQ(CountWhere(*c, white, [](COLORREF p) { return !IsGrey(p); }), 0);
    }
}

// The RGB, BGR and grey samples of the subpixel screen, read out of a painted screen.
struct Samples {
    std::vector<COLORREF> pixels[kSubpixelSamples];
};

Samples ReadSamples(const Canvas& c, const SubpixelLayout& layout) {
    Samples s;
    for (int k = 0; k < kSubpixelSamples; ++k) {
        const RECT& r = layout.sample[k];
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) s.pixels[k].push_back(c.At(x, y));
        }
    }
    return s;
}

void ExpectSamplesOfOneOrder(const Samples& s) {
    ASSERT_EQ(s.pixels[0].size(), s.pixels[1].size());
    int coloured = 0;
    for (size_t i = 0; i < s.pixels[0].size(); ++i) {
        const COLORREF rgb = s.pixels[0][i];
        ASSERT_EQ(s.pixels[1][i], RGB(GetBValue(rgb), GetGValue(rgb), GetRValue(rgb))) << "pixel " << i;
        ASSERT_TRUE(IsGrey(s.pixels[2][i])) << "pixel " << i;
        coloured += GetRValue(rgb) != GetBValue(rgb);
    }
    EXPECT_GT(coloured, 200);  // the words are there, smoothed per subpixel
}

TEST(SubpixelScreen, BgrIsRgbWithRedAndBlueSwappedAndGreyHasNoColourWhateverTheSystemSmoothing) {
    struct Smoothing {
        BOOL on;
        UINT type;
    };
    BOOL savedOn = FALSE;
    UINT savedType = 0;
    SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &savedOn, 0);
    SystemParametersInfoW(SPI_GETFONTSMOOTHINGTYPE, 0, &savedType, 0);
    const Smoothing settings[] = {{TRUE, FE_FONTSMOOTHINGCLEARTYPE}, {TRUE, FE_FONTSMOOTHINGSTANDARD}, {FALSE, 0}};
    for (int lang : {0, 10}) {
        g_lang = lang;
        Samples first;
        for (const Smoothing& setting : settings) {
            SystemParametersInfoW(SPI_SETFONTSMOOTHING, setting.on, nullptr, 0);
            if (setting.on) SystemParametersInfoW(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<void*>(setting.type), 0);
            for (const SIZE size : {SIZE{1920, 1080}, SIZE{1283, 803}}) {
                SCOPED_TRACE(testing::Message() << "language " << lang << ", " << size.cx << "x" << size.cy
                                                << ", smoothing " << setting.on << "/" << setting.type);
                auto c = PaintScreen(DrawSubpixelOrder, size.cx, size.cy);
                const RECT rc = c->Rect();
                SubpixelLayout layout;
                LayOutSubpixel(&rc, &layout);
                const Samples s = ReadSamples(*c, layout);
                ExpectSamplesOfOneOrder(s);
                if (size.cx != 1920) continue;
                if (first.pixels[0].empty()) first = s;
                EXPECT_TRUE(first.pixels[0] == s.pixels[0]) << "the samples follow the system's smoothing";
            }
        }
    }
    SystemParametersInfoW(SPI_SETFONTSMOOTHING, savedOn, nullptr, 0);
    SystemParametersInfoW(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(savedType)), 0);
    g_lang = 0;
}

TEST(SubpixelScreen, StripesUnderTheWordsKeepTheScreensParity) {
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{1283, 803}}) {
        auto c = PaintScreen(DrawSubpixelOrder, size.cx, size.cy, RGB(1, 2, 3));
        const RECT rc = c->Rect();
        SubpixelLayout layout;
        LayOutSubpixel(&rc, &layout);
        const COLORREF stripes[2][3] = {{RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)}, {kRed, kGreen, kBlue}};
        const RECT bands[2] = {layout.whiteLines, layout.rgbColumns};
        for (int k = 0; k < 2; ++k) {
            const RECT& r = bands[k];
            ASSERT_LE(r.bottom, size.cy);
            for (int y : {r.top, r.bottom - 1}) {
                for (int x = r.left; x < r.right; ++x) {
                    const COLORREF want = k == 0 ? stripes[0][x % 2] : stripes[1][x % 3];
                    ASSERT_TRUE(PixelIs(*c, x, y, want)) << "band " << k << " at " << size.cx << "x" << size.cy;
                }
            }
        }
        EXPECT_EQ(c->Count(rc, RGB(1, 2, 3)), 0);  // black wherever nothing else is
    }
}

TEST(EdgeScreen, FramesAndMarksStandAtTheirExactDistances) {
    const struct {
        SIZE size;
        int across[kEdgeMarks];  // 1 %, 2.5 % and 5 % of the width, rounded
        int down[kEdgeMarks];    // ... and of the height
    } cases[] = {
        {{1920, 1080}, {19, 48, 96}, {11, 27, 54}},
        {{1283, 803}, {13, 32, 64}, {8, 20, 40}},
        {{641, 479}, {6, 16, 32}, {5, 12, 24}},
    };
    const COLORREF white = RGB(255, 255, 255);
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << t.size.cx << "x" << t.size.cy);
        const int w = t.size.cx;
        const int h = t.size.cy;
        auto c = PaintScreen(DrawEdges, w, h, RGB(1, 2, 3));
        // Frames at 0, 2, 4, 6 and 8 px, black between them and inside, probed an eighth along each side.
        for (int d = 0; d <= 9; ++d) {
            const COLORREF want = d % 2 == 1 || d > 8 ? RGB(0, 0, 0) : (d % 4 == 0 ? white : kRed);
            for (int along : {w / 8, w - 1 - w / 8}) {
                ASSERT_TRUE(PixelIs(*c, along, d, want)) << "top, distance " << d;
                ASSERT_TRUE(PixelIs(*c, along, h - 1 - d, want)) << "bottom, distance " << d;
            }
            for (int along : {h / 8, h - 1 - h / 8}) {
                ASSERT_TRUE(PixelIs(*c, d, along, want)) << "left, distance " << d;
                ASSERT_TRUE(PixelIs(*c, w - 1 - d, along, want)) << "right, distance " << d;
            }
            if (d <= 8 && d % 2 == 0) {
                EXPECT_PIXEL(*c, d, d, want);
                EXPECT_PIXEL(*c, w - 1 - d, h - 1 - d, want);
            }
        }
        const RECT rc = c->Rect();
        for (int mark = 0; mark < kEdgeMarks; ++mark) {
            const int at[4] = {t.across[mark], t.down[mark], w - 1 - t.across[mark], h - 1 - t.down[mark]};
            for (int side = 0; side < 4; ++side) {
                const RECT tick = EdgeMark(&rc, side, mark);
                EXPECT_EQ(side % 2 == 0 ? tick.left : tick.top, at[side]) << "side " << side << " mark " << mark;
                EXPECT_EQ(c->Count(tick, kYellow), (tick.right - tick.left) * (tick.bottom - tick.top));
                EXPECT_GT(CountWhere(*c, EdgeMarkLabel(&rc, side, mark), [](COLORREF p) { return GetBValue(p) < 100 && GetRValue(p) > 100; }), 3)
                    << "label of side " << side << " mark " << mark;
            }
        }
        EXPECT_GT(CountOther(*c, {w / 4, h / 2 - 10, 3 * w / 4, h / 2 + 10}, RGB(0, 0, 0)), 50);  // the text in the middle
        EXPECT_EQ(c->Count(rc, RGB(1, 2, 3)), 0);
    }
}

TEST(OneToOneScreen, CheckerboardAndLinePairsCountFromTheScreensFirstPixel) {
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{1283, 803}, SIZE{641, 479}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        auto c = PaintScreen(DrawOneToOne, size.cx, size.cy, RGB(1, 2, 3));
        const RECT rc = c->Rect();
        const RECT board = CheckerRect(&rc);
        EXPECT_EQ(board.left, (size.cx - 256) / 2);
        EXPECT_EQ(board.top, (size.cy - 256) / 2);
        for (int y = board.top; y < board.bottom; ++y) {
            for (int x = board.left; x < board.right; ++x) {
                ASSERT_TRUE(PixelIs(*c, x, y, (x + y) % 2 == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0)));
            }
        }
        const RECT ring = {board.left - 1, board.top - 1, board.right + 1, board.bottom + 1};
        EXPECT_EQ(c->Count(ring, RGB(0, 0, 0)) - c->Count(board, RGB(0, 0, 0)), 4 * 257);
        for (int width = 1; width <= 2; ++width) {
            for (bool vertical : {true, false}) {
                for (int colour = 0; colour < kPairColours; ++colour) {
                    const RECT patch = LinePairPatch(&rc, width, vertical, colour);
                    ASSERT_GE(patch.left, 0);
                    for (int y = patch.top; y < patch.bottom; ++y) {
                        for (int x = patch.left; x < patch.right; ++x) {
                            const bool lit = ((vertical ? x : y) / width) % 2 == 0;
                            ASSERT_TRUE(PixelIs(*c, x, y, lit ? g_pairColours[colour] : RGB(0, 0, 0)))
                                << width << " px, " << (vertical ? "vertical" : "horizontal") << ", colour " << colour;
                        }
                    }
                }
            }
        }
        EXPECT_EQ(c->Count(rc, RGB(1, 2, 3)), 0);
    }
}

}  // namespace
