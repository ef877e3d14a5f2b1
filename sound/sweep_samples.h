// The samples of one left-to-right pass of the 440 Hz sweep: pure arithmetic, no Windows.
#pragma once

constexpr int kSweepRate = 44100;                            // frames per second
constexpr int kSweepFrames = 220500;                         // one 5-second pass
constexpr int kSweepChannels = 2;                            // left, then right, in every frame
constexpr int kSweepBytes = kSweepFrames * kSweepChannels * 2;  // 16-bit samples: 882 000 bytes

// Writes the whole pass into samples, which holds kSweepFrames * kSweepChannels values:
// frame i is samples[2 * i] (left) and samples[2 * i + 1] (right).
void FillSweepSamples(short* samples);
