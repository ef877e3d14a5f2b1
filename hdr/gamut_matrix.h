// Colour gamuts by their primaries, and the 3 x 3 matrices between their linear RGB values,
// computed from the CIE xy chromaticities and the D65 white point.
// Plain standard C++ (no Windows headers).
#pragma once

struct Chromaticity {
    double x, y;
};

// A gamut's red, green and blue primaries, with D65 white.
struct GamutPrimaries {
    Chromaticity red, green, blue;
};

struct Matrix3 {
    double m[3][3];
};

struct Vector3 {
    double v[3];
};

// The gamuts of the wide-gamut screen, in its column order.
enum GamutId { kGamutSrgb, kGamutP3, kGamutBt2020, kGamutCount };

extern const Chromaticity kWhiteD65;
const GamutPrimaries& PrimariesOf(GamutId gamut);

// Linear RGB of the gamut (1, 1, 1 = D65 white of luminance 1) to CIE XYZ.
Matrix3 RgbToXyz(const GamutPrimaries& primaries, Chromaticity white);

// Linear RGB of `from` to linear RGB of `to`, both with D65 white: BT.709/sRGB primaries are the
// scRGB colour space, where colours outside sRGB take negative values.
Matrix3 GamutToGamut(GamutId from, GamutId to);

Matrix3 Multiply(const Matrix3& a, const Matrix3& b);
Vector3 Multiply(const Matrix3& a, const Vector3& b);
// The inverse of an invertible matrix (every gamut's RGB-to-XYZ matrix is one).
Matrix3 Inverse(const Matrix3& a);
