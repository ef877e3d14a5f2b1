// Chroma, subpixel order, edges and one to one: every stripe, frame and cell probed at exact
// coordinates, with the parities counted from the screen's pixel (0, 0) at odd sizes too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "app/texts.h"
#include "patterns/chroma_edges.h"
#include "patterns/display_facts.h"
#include "patterns/patterns.h"
#include "tests/patterns/toolkit_probe.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);

bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }

// The runs of pixel rows of `area` that hold anything but `ground`, top and bottom row of each: the
// lines of text in it, found from the painted pixels alone.
std::vector<std::pair<int, int>> InkRuns(const Canvas& c, const RECT& area, COLORREF ground) {
    std::vector<std::pair<int, int>> runs;
    for (int y = area.top; y < area.bottom; ++y) {
        if (CountOther(c, {area.left, y, area.right, y + 1}, ground) == 0) continue;
        if (!runs.empty() && runs.back().second == y - 1) {
            runs.back().second = y;
        } else {
            runs.push_back({y, y});
        }
    }
    return runs;
}

TEST(ChromaScreen, BandsAlternateOnTheScreensParityBesideTheirMeanPatches) {
    // Band b: its colour where the coordinate across the stripes is even, where it is odd, and the
    // solid patch that ends it on the right, the two colours' mean with halves rounded up.
    const struct {
        COLORREF even, odd;
        bool rows;
        COLORREF mean;
    } bands[kChromaBands] = {{kRed, kBlue, false, RGB(128, 0, 128)},
                             {kRed, kBlue, true, RGB(128, 0, 128)},
                             {kMagenta, kGreen, false, RGB(128, 128, 128)},
                             {kYellow, kBlue, false, RGB(128, 128, 128)}};
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{1283, 803}, SIZE{641, 479}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        const int w = size.cx;
        const int patch = w - w / 8;
        auto c = PaintScreen(DrawChroma, size.cx, size.cy);
        const RECT rc = c->Rect();
        for (int b = 0; b < kChromaBands; ++b) {
            const RECT band = ChromaBandRect(&rc, b);
            for (int y : {band.top, band.top + 1, (band.top + band.bottom) / 2, band.bottom - 1}) {
                for (int x : {0, 1, 2, 3, w / 2, w / 2 + 1, patch - 2, patch - 1}) {
                    const int across = bands[b].rows ? y : x;
                    ASSERT_TRUE(PixelIs(*c, x, y, across % 2 == 0 ? bands[b].even : bands[b].odd)) << "band " << b;
                }
                for (int x : {patch, patch + 1, w - 1}) ASSERT_TRUE(PixelIs(*c, x, y, bands[b].mean)) << "band " << b;
            }
        }
    }
}

TEST(ChromaScreen, TextRowsKeepTheirColoursAndEveryLineStaysWholeInsideItsRow) {
    // Each row's background and its text colour in each quarter of each half.
    const COLORREF white = RGB(255, 255, 255), grey = RGB(128, 128, 128), black = RGB(0, 0, 0);
    const struct {
        COLORREF ground, text[4];
    } rows[kChromaTextRows] = {{kBlue, {kRed, kRed, kRed, kRed}},         {kRed, {kBlue, kBlue, kBlue, kBlue}},
                               {kGreen, {kMagenta, kMagenta, kMagenta, kMagenta}},
                               {kMagenta, {kGreen, kGreen, kGreen, kGreen}}, {black, {white, white, white, white}},
                               {black, {kRed, kGreen, kBlue, kMagenta}},     {grey, {kRed, kGreen, kBlue, kMagenta}}};
    // The lines each half of a row shows at the least, smallest first (at most 3 and 2), in English,
    // Chinese and Russian.
    const struct {
        SIZE size;
        size_t small, large;
        int lang;
    } cases[] = {{{640, 480}, 2, 1, 0}, {{800, 600}, 2, 1, 0}, {{1283, 803}, 2, 1, 0}, {{1920, 1080}, 3, 2, 0},
                 {{640, 480}, 2, 1, 1}, {{1920, 1080}, 3, 2, 1}, {{640, 480}, 2, 1, 8}, {{1920, 1080}, 3, 2, 8}};
    for (const auto& t : cases) {
        g_lang = t.lang;
        const int half = t.size.cx / 2;
        auto c = PaintScreen(DrawChroma, t.size.cx, t.size.cy);
        const RECT rc = c->Rect();
        for (int r = 0; r < kChromaTextRows; ++r) {
            const RECT row = ChromaTextRow(&rc, r);
            EXPECT_PIXEL(*c, 0, row.top, rows[r].ground);
            EXPECT_PIXEL(*c, t.size.cx - 1, row.bottom - 1, rows[r].ground);
            for (int h = 0; h < 2; ++h) {
                SCOPED_TRACE(testing::Message() << "language " << t.lang << ", " << t.size.cx << "x" << t.size.cy << ", row "
                                                << r << ", half " << h);
                // Ink counted inside the row alone: no line may touch its first or last pixel row.
                const auto lines = InkRuns(*c, {h * half, row.top, (h + 1) * half, row.bottom}, rows[r].ground);
                ASSERT_FALSE(lines.empty());
                EXPECT_GT(lines.front().first, row.top) << "the top line is cut";
                EXPECT_LT(lines.back().second, row.bottom - 1) << "the bottom line is cut";
                EXPECT_GE(lines.size(), h == 0 ? t.small : t.large);
                EXPECT_LE(lines.size(), h == 0 ? 3u : 2u);
                for (int q = 0; q < 4; ++q) {
                    const int left = h * half + q * half / 4;
                    EXPECT_GT(c->Count({left, row.top, left + half / 4, row.bottom}, rows[r].text[q]), 5) << "quarter " << q;
                }
            }
        }
        // Grey smoothing only: white text on black gives greys, never a colour.
        EXPECT_EQ(CountWhere(*c, ChromaTextRow(&rc, 4), [](COLORREF p) { return !IsGrey(p); }), 0);
    }
    g_lang = 0;
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

// Colour fringing of a sample: the spread between the strongest and weakest channel of every three
// neighbouring pixels of a row added together (a stem and the pixels beside it, as the eye merges
// them), per unit of their light.
double FringePerLight(const std::vector<COLORREF>& sample, int width) {
    double colour = 0, light = 0;
    for (size_t row = 0; row + width <= sample.size(); row += width) {
        for (int x = 0; x + 3 <= width; ++x) {
            int sum[3] = {};
            for (int k = 0; k < 3; ++k) {
                const COLORREF p = sample[row + x + k];
                sum[0] += GetRValue(p);
                sum[1] += GetGValue(p);
                sum[2] += GetBValue(p);
            }
            colour += *std::max_element(sum, sum + 3) - *std::min_element(sum, sum + 3);
            light += (sum[0] + sum[1] + sum[2]) / 3.0;
        }
    }
    return colour / light;
}

// Over the runs of lit pixels along the rows of a sample `width` wide (those touching its sides left
// out): the sum of sign(blue - red) of their first pixels and of sign(red - blue) of their last.
std::pair<int, int> RunEdgeLeanings(const std::vector<COLORREF>& pixels, int width) {
    const auto sign = [](int v) { return (v > 0) - (v < 0); };
    std::pair<int, int> leanings = {0, 0};
    for (size_t row = 0; row + width <= pixels.size(); row += width) {
        const COLORREF* p = &pixels[row];
        for (int x = 1, last = 1; x < width - 1; x = last + 1) {
            for (last = x; p[x] != 0 && last + 1 < width && p[last + 1] != 0;) ++last;
            if (p[x] == 0 || p[x - 1] != 0 || last == width - 1) continue;
            leanings.first += sign(GetBValue(p[x]) - GetRValue(p[x]));
            leanings.second += sign(GetRValue(p[last]) - GetBValue(p[last]));
        }
    }
    return leanings;
}

// Height of the ink of the first letter in `area` on black: its first columns with ink.
int FirstLetterHeight(const Canvas& c, const RECT& area) {
    const auto inkIn = [&](int x) { return CountOther(c, {x, area.top, x + 1, area.bottom}, RGB(0, 0, 0)) > 0; };
    int left = area.left;
    while (left < area.right && !inkIn(left)) ++left;
    int right = left;
    while (right < area.right && inkIn(right)) ++right;
    const auto ink = InkRuns(c, {left, area.top, right, area.bottom}, RGB(0, 0, 0));
    return ink.empty() ? 0 : ink.back().second - ink.front().first + 1;
}

TEST(SubpixelScreen, SamplesAreFilteredLightStemsInTheirOwnOrderAndLabelsReadFromASofa) {
    g_lang = 0;
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{3840, 2160}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        auto c = PaintScreen(DrawSubpixelOrder, size.cx, size.cy);
        const RECT rc = c->Rect();
        SubpixelLayout layout;
        LayOutSubpixel(&rc, &layout);
        const Samples s = ReadSamples(*c, layout);
        const int width = layout.sample[0].right - layout.sample[0].left;
        // Each third of a pixel given straight to its channel, unfiltered, left 0.47 here; filtered 0.29.
        EXPECT_LT(FringePerLight(s.pixels[0], width), 0.38);
        // A stem's left edge lights the right-hand subpixels of its first pixel and its right edge the
        // left-hand ones of its last: blue then red on an RGB panel, red then blue on a BGR one.
        const auto rgb = RunEdgeLeanings(s.pixels[0], width);
        const auto bgr = RunEdgeLeanings(s.pixels[1], width);
        EXPECT_GT(rgb.first, 1000);
        EXPECT_GT(rgb.second, 1000);
        EXPECT_LT(bgr.first, -1000);
        EXPECT_LT(bgr.second, -1000);
        // The labels' capitals at least 1.5 % of the screen's height.
        for (const RECT& label : layout.label) EXPECT_GE(FirstLetterHeight(*c, label), (size.cy * 15 + 999) / 1000);
    }
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

constexpr COLORREF kCyan = RGB(0, 255, 255);

// Smoothed text in the ruler's cyan.
bool Cyanish(COLORREF c) { return GetRValue(c) < 100 && GetGValue(c) > 100 && GetBValue(c) > 100; }
bool Lit(COLORREF c) { return c != RGB(0, 0, 0); }

// Pixels from the edge of the tick at `halves` half per cents of a side `length` long, the nearest
// pixel, counted here apart from the program.
int TickDistance(int length, int halves) { return static_cast<int>(std::floor(length * halves / 200.0 + 0.5)); }

// Rows of the first run of rows in `box` with a pixel for which `ink` holds: the height of a line
// of text, ascenders to descenders.
template <typename Ink>
int FirstInkRun(const Canvas& c, const RECT& box, Ink ink) {
    int first = -1;
    for (int y = box.top; y < box.bottom; ++y) {
        const bool inked = CountWhere(c, {box.left, y, box.right, y + 1}, ink) > 0;
        if (inked && first < 0) first = y;
        if (!inked && first >= 0) return y - first;
    }
    return first < 0 ? 0 : box.bottom - first;
}

TEST(EdgeScreen, FramesOfTheirOwnColoursAndRulerTicksAtTheirExactDistances) {
    // From the edge in: 0 px white, 2 red, 4 green, 6 blue, 8 yellow, black between and inside.
    const COLORREF frames[10] = {RGB(255, 255, 255), 0, kRed, 0, kGreen, 0, kBlue, 0, kYellow, 0};
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{1366, 768}, SIZE{1365, 767}, SIZE{3840, 2160}, SIZE{641, 479}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        const int w = size.cx;
        const int h = size.cy;
        auto c = PaintScreen(DrawEdges, w, h, RGB(1, 2, 3));
        for (int d = 0; d < 10; ++d) {  // an eighth along each side, clear of the rulers
            for (int along : {w / 8, w - 1 - w / 8}) {
                ASSERT_TRUE(PixelIs(*c, along, d, frames[d])) << "top, distance " << d;
                ASSERT_TRUE(PixelIs(*c, along, h - 1 - d, frames[d])) << "bottom, distance " << d;
            }
            for (int along : {h / 8, h - 1 - h / 8}) {
                ASSERT_TRUE(PixelIs(*c, d, along, frames[d])) << "left, distance " << d;
                ASSERT_TRUE(PixelIs(*c, w - 1 - d, along, frames[d])) << "right, distance " << d;
            }
            if (d % 2 == 0) {
                EXPECT_PIXEL(*c, w - 1 - d, h - 1 - d, frames[d]);
            }
        }
        const RECT rc = c->Rect();
        for (int side = 0; side < 4; ++side) {
            const bool across = side % 2 == 0;  // left and right count in the width
            int shortest = 1 << 30;
            for (int tick = 0; tick < kRulerTicks; ++tick) {
                const int d = TickDistance(across ? w : h, tick + 1);
                const int at = side < 2 ? d : (across ? w : h) - 1 - d;
                const RECT r = RulerTick(&rc, side, tick);
                const int length = across ? r.bottom - r.top : r.right - r.left;
                ASSERT_EQ(across ? r.left : r.top, at) << "side " << side << ", tick " << tick;
                ASSERT_EQ(across ? r.right - r.left : r.bottom - r.top, 1);
                EXPECT_EQ(c->Count(r, kCyan), length) << "side " << side << ", tick " << tick;
                const int mid = across ? (r.top + r.bottom) / 2 : (r.left + r.right) / 2;
                for (int beside : {at - 1, at + 1}) {  // one pixel wide at exactly its distance
                    EXPECT_NE(across ? c->At(beside, mid) : c->At(mid, beside), kCyan)
                        << "side " << side << ", tick " << tick;
                }
                if (tick % 2 == 0) shortest = std::min(shortest, length);
                if (tick % 2 == 1) {
                    EXPECT_GT(length, shortest);  // a whole per cent's tick is longer and numbered
                    EXPECT_GT(CountWhere(*c, RulerLabel(&rc, side, (tick + 1) / 2), Cyanish), 10)
                        << "label " << (tick + 1) / 2 << " % of side " << side;
                }
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

// Labels and texts are read from a sofa: the ink of a line of each stands at least 1.5 % of the
// screen's height at 1080p and 4K (ink is what the eye sees, smaller than the font's em).
TEST(EdgeAndOneToOneScreens, LabelsAndTextsGrowWithTheScreen) {
    SetDisplayFacts({1, 1920, 1080, 1, 150, 1, 3840, 2160});
    for (const SIZE size : {SIZE{1920, 1080}, SIZE{3840, 2160}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        const int least = static_cast<int>(std::ceil(size.cy * 0.015));
        auto edges = PaintScreen(DrawEdges, size.cx, size.cy);
        const RECT rc = edges->Rect();
        for (int side = 0; side < 4; ++side) {
            for (int percent = 1; percent <= 5; ++percent) {
                EXPECT_GE(FirstInkRun(*edges, RulerLabel(&rc, side, percent), Cyanish), least)
                    << "label " << percent << " % of side " << side;
            }
        }
        const RECT middle = {size.cx / 4, 0, 3 * size.cx / 4, size.cy};
        const RECT text = {middle.left, size.cy / 4, middle.right, 3 * size.cy / 4};
        EXPECT_GE(FirstInkRun(*edges, text, Lit), least) << "the text in the middle";
        auto one = PaintScreen(DrawOneToOne, size.cx, size.cy);
        for (int width = 1; width <= 2; ++width) {
            EXPECT_GE(FirstInkRun(*one, LinePairLabel(&rc, width), Lit), least) << width << " px";
        }
        EXPECT_GE(FirstInkRun(*one, FactsBox(&rc), Lit), least) << "the facts";
    }
    SetDisplayFacts({});
}

// The facts under the checkerboard: one line for each known one, and where both modes are known
// a last line that says whether the picture is scaled, in yellow where it is; nothing where
// nothing is known. The checkerboard itself stays as it is.
TEST(OneToOneScreen, SaysWhatIsKnownOfTheModesAndWhetherThePictureIsScaled) {
    const struct {
        DisplayFacts facts;
        int lines;
        bool yellow;
    } cases[] = {
        {{}, 0, false},
        {{1, 1920, 1080, 0, 0, 0, 0, 0}, 1, false},
        {{0, 0, 0, 1, 150, 0, 0, 0}, 1, false},
        {{1, 1920, 1080, 1, 150, 1, 3840, 2160}, 4, true},
        {{1, 3840, 2160, 1, 100, 1, 3840, 2160}, 4, false},
        {{1, 1920, 1080, 0, 0, 1, 1920, 1200}, 3, true},
        {{1, 1920, 1080, 1, 100, 1, 0, 2160}, 2, false},  // a native mode of no width is no mode
    };
    const COLORREF white = RGB(255, 255, 255);
    for (const auto& t : cases) {
        SCOPED_TRACE(testing::Message() << "desktop " << t.facts.desktopKnown << ", scale " << t.facts.scaleKnown
                                        << ", native " << t.facts.nativeKnown << "/" << t.facts.nativeWidth);
        SetDisplayFacts(t.facts);
        auto c = PaintScreen(DrawOneToOne, 1366, 768);
        const RECT rc = c->Rect();
        const RECT box = FactsBox(&rc);
        int lines = 0;
        for (int y = box.top, inked = 0; y < box.bottom; ++y) {
            const int now = CountWhere(*c, {box.left, y, box.right, y + 1}, Lit) > 0;
            lines += now && !inked;
            inked = now;
        }
        EXPECT_EQ(lines, t.lines);
        EXPECT_EQ(CountWhere(*c, box, Yellowish) > 20, t.yellow);
        const RECT board = CheckerRect(&rc);
        EXPECT_EQ(c->Count(board, white), kCheckerSide * kCheckerSide / 2);
        EXPECT_EQ(CountOther(*c, {0, board.bottom, rc.right, box.top}, RGB(0, 0, 0)), 0);
    }
    SetDisplayFacts({});
}

}  // namespace
