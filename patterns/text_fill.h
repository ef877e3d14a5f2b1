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

// Whole copies of `sample`, back to back, until at least `target` code units; the capacity is
// reserved once so the appends never reallocate. An empty sample gives an empty text.
std::wstring RepeatSample(const std::wstring& sample, unsigned target);
