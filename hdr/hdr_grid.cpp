// The grid of labelled boxes shared by the clipping, near-black and wide-gamut screens.
#include "hdr/hdr_grid.h"

#include <algorithm>

#include "hdr/hdr_screens.h"

namespace {

// The boxes fill this share of what their cell leaves beside the label, so neighbours stay apart.
constexpr double kBoxShareOfCell = 0.75;

}  // namespace

int HdrLabelHeight(int height) { return std::max(16, height / 36); }

std::vector<HdrPatch> GridPatches(int width, int height, const GridEntry* entries, int count, int columns) {
    std::vector<HdrPatch> patches;
    if (count <= 0 || columns <= 0) return patches;
    const int label = HdrLabelHeight(height);
    const int gap = label / 4;
    const int rows = (count + columns - 1) / columns;
    const int cellWidth = std::max(0, width - 2 * label) / columns;
    const int cellHeight = std::max(0, height - 2 * label) / rows;
    const int side = static_cast<int>(std::max(0, std::min(cellWidth, cellHeight - label - gap)) * kBoxShareOfCell);
    for (int k = 0; k < count; ++k) {
        const int row = k / columns, column = k % columns;
        const int inRow = std::min(columns, count - row * columns);
        const int cellLeft = label + column * cellWidth + (columns - inRow) * cellWidth / 2;
        const int cellTop = label + row * cellHeight;
        const int left = cellLeft + (cellWidth - side) / 2;
        const int top = cellTop + (cellHeight - side - gap - label) / 2;
        const HdrRect box = {left, top, left + side, top + side};
        const HdrRect caption = {cellLeft, box.bottom + gap, cellLeft + cellWidth, box.bottom + gap + label};
        patches.push_back({box, entries[k].colour, entries[k].nits, caption});
    }
    return patches;
}
