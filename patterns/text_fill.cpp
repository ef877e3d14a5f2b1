// Sizing and building the running text of the readability screens.
#include "patterns/text_fill.h"

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

std::wstring RepeatSample(const std::wstring& sample, unsigned target) {
    std::wstring text;
    if (sample.empty()) return text;
    // The last copy may overshoot the target by less than one sample.
    text.reserve(static_cast<size_t>(target) + sample.size());
    while (text.size() < target) text += sample;
    return text;
}
