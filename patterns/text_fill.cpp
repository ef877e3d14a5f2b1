// Sizing and building the running text of the readability screens.
#include "patterns/text_fill.h"

#include <cstdint>

namespace {

// Width assumed for a character when the sample has no measurable width.
constexpr int kFallbackCharWidth = 8;

}  // namespace

unsigned TextFillTarget(int width, int height, int lineHeight, int sampleWidth, size_t sampleLength) {
    // An inverted rectangle would otherwise turn into a negative count and wrap round to gigabytes.
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (lineHeight < 1) lineHeight = 1;
    int charWidth = kFallbackCharWidth;
    if (sampleLength > 0 && sampleWidth >= 1) {
        // Rounded to the nearest pixel in double precision.
        charWidth = static_cast<int>(static_cast<double>(sampleWidth) / static_cast<double>(sampleLength) + 0.5);
    }
    if (charWidth < 1) charWidth = 1;
    const unsigned rows = static_cast<unsigned>(height / lineHeight + 2);
    const unsigned columns = static_cast<unsigned>(width / charWidth + 2);
    return (rows * columns + static_cast<unsigned>(sampleLength)) * 3u / 2u;
}

size_t RepeatedLength(size_t sampleLength, unsigned target) {
    if (sampleLength == 0) return 0;
    const size_t copies = target / sampleLength + (target % sampleLength != 0);
    // No text rather than a wrapped-round length for a target near the top of the range.
    if (copies > SIZE_MAX / sampleLength) return 0;
    return copies * sampleLength;
}

void FillRepeated(const wchar_t* sample, size_t sampleLength, wchar_t* out, size_t length) {
    for (size_t done = 0; done < length; done += sampleLength) {
        for (size_t k = 0; k < sampleLength; ++k) out[done + k] = sample[k];
    }
}
