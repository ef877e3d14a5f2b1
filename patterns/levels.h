// The geometry of the level, gamma and flicker screens, shared by their drawing and their tests.
#pragma once
#include <windows.h>

// The level charts (near black, near white): four rows of 32 patches, each with its label below.
struct LevelChartLayout {
    int left, top;     // the chart's top left corner
    int cellWidth;     // a patch and the gap beside it
    int gap;           // background between neighbouring patches
    int rowPitch;      // a row of patches and its labels
    int patchHeight;
};
void LayOutLevelChart(const RECT* rect, LevelChartLayout* layout);
RECT LevelPatch(const LevelChartLayout& layout, int row, int column);
RECT LevelLabelBox(const LevelChartLayout& layout, int row, int column);

// The gamma screen: four bands (grey, red, green, blue) of 1-pixel lines, five patches on each,
// their labels on a black strip below the lines.
constexpr int kGammaBands = 4;
constexpr int kGammaPatches = 5;
struct GammaPatch {
    const wchar_t* label;  // the gamma
    int level;             // the level a monitor of that gamma shows as half the light: 255 * 0.5^(1/gamma)
};
extern const GammaPatch g_gammaPatches[kGammaPatches];

struct GammaBandLayout {
    RECT lines;    // alternate lines, lit on the screen's even rows
    RECT labels;   // black strip with the labels
    int patchTop, patchBottom;
    int patchWidth;
    int slotWidth;  // each patch is centred in a slot of this width
};
void LayOutGamma(const RECT* rect, int band, GammaBandLayout* layout);
RECT GammaPatchRect(const RECT* rect, const GammaBandLayout& layout, int k);
