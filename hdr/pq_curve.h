// The perceptual quantiser curve of HDR10 signals (SMPTE ST 2084): signal level and luminance.
// Plain standard C++ (no Windows headers).
#pragma once

// The curve's top: a full signal is 10 000 cd/m².
constexpr double kPqPeakNits = 10000.0;
// The largest code of a 10-bit signal, full range (0 to 1023).
constexpr int kPqCodeMax10 = 1023;

// Luminance in cd/m² of a signal level from 0 to 1 (levels outside are held at the ends).
double PqSignalToNits(double signal);

// Signal level from 0 to 1 of a luminance in cd/m² (held at 0 and 10 000 cd/m²; NaN gives 0).
double PqNitsToSignal(double nits);

// The full-range 10-bit code of a luminance: round(1023 · signal). 100 cd/m² is code 520.
int PqCode10(double nits);

// The luminance a full-range 10-bit code stands for (codes outside 0 to 1023 are held at the ends).
double PqCode10ToNits(int code);
