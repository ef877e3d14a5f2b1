// The frame number each variable-refresh frame carries in its top-left pixels, and its reading
// back, so a test (or a camera) can tell a frame shown twice or skipped. Plain standard C++.
#pragma once

#include <stdint.h>

// 32 pixels of row 0, from x = 0: the number's bits, highest first, white (1) or black (0).
constexpr int kFrameNumberPixels = 32;
constexpr uint32_t kFrameNumberWhite = 0xFFFFFFFFu;  // B8G8R8A8 as a little-endian 32-bit word
constexpr uint32_t kFrameNumberBlack = 0xFF000000u;

// Writes `number` into `pixels` (kFrameNumberPixels B8G8R8A8 words).
void EncodeFrameNumber(uint32_t number, uint32_t* pixels);

// Reads the number back from kFrameNumberPixels words; 0 where any of them is neither exactly
// white nor exactly black in its colour channels (alpha is not looked at).
int DecodeFrameNumber(const uint32_t* pixels, uint32_t* number);
