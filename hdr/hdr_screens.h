// The HDR screens as backgrounds and patches in cd/m², laid out for a given frame size: peak
// windows, clipping steps, near black, blooming, 10-bit steps and wide gamut.
// Plain standard C++ (no Windows headers).
#pragma once
#include "hdr/hdr_frame.h"

// The full signal: the top of the PQ curve, scRGB 125.0.
constexpr double kFullSignalNits = 10000.0;

// Peak windows: a centred window at the full signal on black, of these shares of the screen's area.
constexpr int kPeakWindowCount = 7;
extern const double kPeakWindowShares[kPeakWindowCount];  // 0.01 ... 1.0

// Clipping steps: boxes at these luminances on kClippingBackgroundNits, row by row.
constexpr int kClippingStepCount = 17;
extern const double kClippingStepNits[kClippingStepCount];  // 400 ... 10 000
constexpr double kClippingBackgroundNits = 5.0;

// Near black: boxes at these luminances on true black, row by row.
constexpr int kNearBlackCount = 9;
extern const double kNearBlackNits[kNearBlackCount];  // 0.005 ... 2

// Ramp luminances of the 10-bit steps screen: PQ codes 0 to 520 (0 to 100 cd/m²).
constexpr int kStepsTopCode = 520;

// Wide gamut: each row's patches have the luminance of that sRGB primary in a white of this
// luminance, so red is 21.3, green 71.5 and blue 7.2 cd/m², and no channel of any patch passes
// 140 cd/m², within every HDR monitor's range.
constexpr double kGamutWhiteNits = 100.0;

// The height of one label line for a frame `height` pixels high.
int HdrLabelHeight(int height);

// The window holding `share` of a width x height screen's area in whole pixels, centred: the
// screen's aspect ratio as far as an area within 0.1 % of the share allows.
HdrRect PeakWindowRect(int width, int height, double share);

// Screen `index` of the peak windows (0 to kPeakWindowCount - 1): one patch, the window, whose
// label (bottom left, over the window when that covers the whole screen) names its luminance and
// share.
HdrScreen PeakWindowScreen(int width, int height, int index);

// The clipping step marked for a monitor claiming `claimedPeakNits`: the brightest step at or
// below the claim, or -1 when the claim is unknown (0) or below every step.
int MarkedClippingStep(double claimedPeakNits);

// The clipping steps, each box labelled beneath; the marked step gets a thin standard-range white
// frame around it, outside the box, as four more patches after the steps.
HdrScreen ClippingScreen(int width, int height, double claimedPeakNits);

// The near-black boxes, each labelled beneath.
HdrScreen NearBlackScreen(int width, int height);

// The blooming screen's captions, by index into HdrScreen::captions.
enum BloomingCaption { kBloomPixelsCaption, kBloomDotsCaption, kBloomBoxCaption, kBloomTextCaption, kBloomTextLine };

// Blooming on black at the full signal: nine single pixels (top left quarter), nine 3 x 3 dots
// (top right), a box of 1 % of the screen's area (bottom left) and, bottom right, the rectangle
// kBloomTextLine for a line of text at the full signal, whose coverage the Windows side renders
// and hands to PaintCoverage. Every group has a caption above it. Patches: the nine pixels, the
// nine dots, then the box.
HdrScreen BloomingScreen(int width, int height);

// The 10-bit steps screen's captions: above and below the band between the halves.
enum StepsCaption { kStepsTenBitCaption, kStepsEightBitCaption };

// The PQ code of step `step` of `stepCount` steps from code 0 to kStepsTopCode.
int StepCode(int step, int stepCount);

// The grey ramp from 0 to 100 cd/m²: on the top half every 10-bit PQ code (521 steps), on the
// bottom half every fourth, as an 8-bit signal has them (131 steps), each step at the luminance
// of its code, in columns whose widths differ by at most one pixel. A black band of two label
// lines between the halves holds the captions. Patches: the top steps, then the bottom ones.
HdrScreen TenBitStepsScreen(int width, int height);

// The colour of `primary` (0 red, 1 green, 2 blue) of gamut `gamut` in scRGB cd/m², at the
// luminance of its row.
HdrColour GamutPrimaryColour(int gamut, int primary);

// Wide gamut: rows red, green, blue; columns sRGB, P3, BT.2020; each patch labelled beneath.
// Patches row by row.
HdrScreen WideGamutScreen(int width, int height);
