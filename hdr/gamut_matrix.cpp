// The RGB-to-XYZ matrices of the gamuts from their primaries, and the conversions between gamuts.
#include "hdr/gamut_matrix.h"

namespace {

// Indexed by GamutReference. P3 here is the DCI-P3 primaries with D65 white, as monitors have it.
const ColourPrimaries kPrimaries[kGamutReferences] = {
    {{0.640, 0.330}, {0.300, 0.600}, {0.150, 0.060}, {0.3127, 0.3290}},  // sRGB / BT.709
    {{0.680, 0.320}, {0.265, 0.690}, {0.150, 0.060}, {0.3127, 0.3290}},  // DCI-P3
    {{0.708, 0.292}, {0.170, 0.797}, {0.131, 0.046}, {0.3127, 0.3290}},  // BT.2020
};

// XYZ of a chromaticity at luminance Y = 1.
Vector3 XyzOf(Chromaticity c) { return {{c.x / c.y, 1.0, (1.0 - c.x - c.y) / c.y}}; }

double Determinant(const Matrix3& a) {
    const auto& m = a.m;
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

}  // namespace

const ColourPrimaries& PrimariesOf(GamutReference gamut) { return kPrimaries[gamut]; }

Matrix3 Multiply(const Matrix3& a, const Matrix3& b) {
    Matrix3 product = {};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            for (int k = 0; k < 3; ++k) product.m[row][column] += a.m[row][k] * b.m[k][column];
        }
    }
    return product;
}

Vector3 Multiply(const Matrix3& a, const Vector3& b) {
    Vector3 product = {};
    for (int row = 0; row < 3; ++row) {
        for (int k = 0; k < 3; ++k) product.v[row] += a.m[row][k] * b.v[k];
    }
    return product;
}

Matrix3 Inverse(const Matrix3& a) {
    // The adjugate over the determinant: cofactors taken with cyclic indices carry their signs.
    const double determinant = Determinant(a);
    Matrix3 inverse = {};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int r1 = (column + 1) % 3, r2 = (column + 2) % 3;
            const int c1 = (row + 1) % 3, c2 = (row + 2) % 3;
            inverse.m[row][column] = (a.m[r1][c1] * a.m[r2][c2] - a.m[r1][c2] * a.m[r2][c1]) / determinant;
        }
    }
    return inverse;
}

Matrix3 RgbToXyz(const ColourPrimaries& primaries) {
    const Vector3 columns[3] = {XyzOf(primaries.red), XyzOf(primaries.green), XyzOf(primaries.blue)};
    Matrix3 unscaled = {};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) unscaled.m[row][column] = columns[column].v[row];
    }
    // Each primary is scaled so that equal RGB of 1 add up to the white point of luminance 1.
    const Vector3 scale = Multiply(Inverse(unscaled), XyzOf(primaries.white));
    Matrix3 scaled = unscaled;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) scaled.m[row][column] *= scale.v[column];
    }
    return scaled;
}

Matrix3 GamutToGamut(GamutReference from, GamutReference to) {
    return Multiply(Inverse(RgbToXyz(PrimariesOf(to))), RgbToXyz(PrimariesOf(from)));
}
