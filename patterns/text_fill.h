// How much running text fills an area: the sample sentence repeated whole until every line is covered.
// Plain standard C++ (no Windows headers).
#pragma once
#include <cstddef>
#include <string>

// Number of code units the fill text needs for an area of width x height pixels, with lines
// `lineHeight` pixels apart and a sample of `sampleLength` code units that measures `sampleWidth`
// pixels: two spare lines and columns, plus half again, so word wrapping never runs short.
// Negative sizes count as empty areas.
unsigned TextFillTarget(int width, int height, int lineHeight, int sampleWidth, size_t sampleLength);

// Code units in the whole copies of a `sampleLength`-unit sample, back to back, that first reach
// `target`: 0 for an empty sample or target, otherwise target rounded up to a whole copy.
size_t RepeatedLength(size_t sampleLength, unsigned target);

// Writes `length` code units of `sample` copies, back to back, to `out`; `length` is a whole
// number of copies (from RepeatedLength). No allocation, so the screens need no C++ library.
void FillRepeated(const wchar_t* sample, size_t sampleLength, wchar_t* out, size_t length);

// Whole copies of `sample`, back to back, until at least `target` code units; the capacity is
// reserved once so the appends never reallocate. An empty sample gives an empty text.
inline std::wstring RepeatSample(const std::wstring& sample, unsigned target) {
    std::wstring text;
    if (sample.empty()) return text;
    // The last copy may overshoot the target by less than one sample.
    text.reserve(static_cast<size_t>(target) + sample.size());
    text.resize(RepeatedLength(sample.size(), target));
    if (!text.empty()) FillRepeated(sample.data(), sample.size(), &text[0], text.size());
    return text;
}
