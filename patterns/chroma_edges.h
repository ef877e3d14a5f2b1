// The geometry of the chroma, subpixel-order, edge and one-to-one screens, shared by their drawing
// and their tests. Every parity on these screens counts from the screen's own pixel (0, 0).
#pragma once
#include <windows.h>

#include "patterns/toolkit.h"

// The chroma screen: across the top two fifths four bands of one-pixel stripes, each ending on the
// right in a solid patch of the colour its two colours average to; below them seven rows of the
// sample sentence, the small lines (11, 13, 16 px) in each row's left half and the large ones (24,
// 32 px) in its right half. The last two rows show red, green, blue and magenta text on black and on
// mid-grey, a quarter of each half in each colour.
constexpr int kChromaBands = 4;
constexpr int kChromaTextRows = 7;
constexpr int kChromaTextSizes = 5;
constexpr int kChromaSegments = 4;
extern const TileColour g_chromaBands[kChromaBands];     // red/blue columns, rows, magenta/green, yellow/blue
extern const COLORREF g_chromaPatch[kChromaBands];       // each band's two colours averaged, halves rounded up
extern const COLORREF g_chromaText[kChromaTextRows][kChromaSegments];  // text colour of each quarter of a row's halves
extern const COLORREF g_chromaGround[kChromaTextRows];   // the row's background
extern const int g_chromaTextSizes[kChromaTextSizes];    // em heights of a row's lines, smallest first
RECT ChromaBandRect(const RECT* rect, int band);   // the stripes of band `band`, left of its patch
RECT ChromaPatchRect(const RECT* rect, int band);
RECT ChromaTextRow(const RECT* rect, int row);

// The subpixel-order screen: three samples of the same words (smoothed for RGB stripes, for BGR
// stripes, in grey), each a label above a block of three lines, then two bands of stripes. The
// labels grow with the screen's height; the words and stripes stay the same pixel sizes.
constexpr int kSubpixelSamples = 3;
constexpr int kSubpixelLines = 3;
extern const int g_subpixelLineSizes[kSubpixelLines];
struct SubpixelLayout {
    RECT label[kSubpixelSamples];
    RECT sample[kSubpixelSamples];  // the blocks of words, all of one size
    RECT whiteLines;                // 1-px white columns on black, white where x is even
    RECT rgbColumns;                // 1-px red, green and blue columns, red where x % 3 == 0
};
void LayOutSubpixel(const RECT* rect, SubpixelLayout* layout);

// The edge screen: 1-px frames kEdgeFrameStep apart from the very edge in, each of its own colour
// (white, red, green, blue, yellow from the edge in), so that the outermost colour left on a side
// says how many pixels are cut off there; and on each side a ruler of 1-px ticks parallel to it,
// one every 0.5 % of the width (left and right) or the height (top and bottom) from the edge to
// 5 %, the whole per cents longer and numbered. A tick at a frame's distance is drawn over that frame
// along its own length; the frame keeps its colour everywhere else.
constexpr int kEdgeFrames = 5;
constexpr int kEdgeFrameStep = 2;
constexpr int kRulerTicks = 10;  // 0.5 %, 1 %, ... 5 %
extern const COLORREF g_edgeFrameColours[kEdgeFrames];
int RulerTickDistance(int length, int tick);  // pixels from the edge of a side `length` long
// The 1-px tick `tick` (0 at 0.5 % ... 9 at 5 %) on side `side` (0 left, 1 top, 2 right, 3 bottom),
// and the box of the label of the whole per cent `percent` (1..5) beside its tick's inner end.
RECT RulerTick(const RECT* rect, int side, int tick);
RECT RulerLabel(const RECT* rect, int side, int percent);
// The character height (em) of the screens' labels and texts on a screen `height` px high: they are
// read from across a room, so they grow with the screen while the lines and cells never scale.
int EdgeLabelEm(int height);
int EdgeTextEm(int height);

// The one-to-one screen: a 256 x 256 checkerboard of 1-px cells in the middle, white where x + y is
// even; beside it 1-px line pairs (left) and 2-px line pairs (right), vertical and horizontal, in
// white, red, green and blue on black.
constexpr int kCheckerSide = 256;
constexpr int kPairColours = 4;
RECT CheckerRect(const RECT* rect);
// Patch of line pairs `width` px wide (1 or 2), `vertical` or horizontal, in colour `colour` (0..3).
RECT LinePairPatch(const RECT* rect, int width, bool vertical, int colour);
extern const COLORREF g_pairColours[kPairColours];
// The box of the label "1 px" or "2 px" above the line pairs `width` px wide.
RECT LinePairLabel(const RECT* rect, int width);
// The box the facts about the picture's way to the panel (patterns/display_facts.h) are written in,
// under the checkerboard.
RECT FactsBox(const RECT* rect);
