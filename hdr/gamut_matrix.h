// Colour gamuts by their primaries, and the 3 x 3 matrices between their linear RGB values,
// computed from the CIE xy chromaticities and the D65 white point.
// Plain standard C++ (no Windows headers).
#pragma once
#include "monitor/edid_colour.h"

struct Matrix3 {
    double m[3][3];
};

struct Vector3 {
    double v[3];
};

// The red, green and blue primaries of a reference gamut (sRGB, DCI-P3, BT.2020, the wide-gamut
// screen's column order), each with D65 white.
const ColourPrimaries& PrimariesOf(GamutReference gamut);

// Linear RGB of the primaries (1, 1, 1 = their white at luminance 1) to CIE XYZ.
Matrix3 RgbToXyz(const ColourPrimaries& primaries);

// Linear RGB of `from` to linear RGB of `to`, both with D65 white: BT.709/sRGB primaries are the
// scRGB colour space, where colours outside sRGB take negative values.
Matrix3 GamutToGamut(GamutReference from, GamutReference to);

Matrix3 Multiply(const Matrix3& a, const Matrix3& b);
Vector3 Multiply(const Matrix3& a, const Vector3& b);
// The inverse of an invertible matrix (every gamut's RGB-to-XYZ matrix is one).
Matrix3 Inverse(const Matrix3& a);
