// Laying out labelled boxes of the HDR screens in a grid.
// Plain standard C++ (no Windows headers).
#pragma once
#include <vector>

#include "hdr/hdr_frame.h"

// One box of a grid: its colour and the luminance its label names.
struct GridEntry {
    HdrColour colour;
    double nits;
};

// Square boxes for `count` entries in a grid of `columns` columns over a width x height screen
// with a margin of one label line, row by row (a short last row centred), each box centred in its
// cell with its label line beneath it.
std::vector<HdrPatch> GridPatches(int width, int height, const GridEntry* entries, int count, int columns);
