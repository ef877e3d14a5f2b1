// The wide-gamut screen: the red, green and blue primaries of sRGB, P3 and BT.2020 at equal
// luminance per row, in scRGB (negative channels where a primary lies outside sRGB).
#include "hdr/gamut_matrix.h"
#include "hdr/hdr_grid.h"
#include "hdr/hdr_screens.h"

HdrColour GamutPrimaryColour(int gamut, int primary) {
    if (gamut < 0 || gamut >= kGamutReferences || primary < 0 || primary > 2) return Grey(0.0);
    const Matrix3 toScrgb = GamutToGamut(static_cast<GamutReference>(gamut), kGamutSrgb);
    Vector3 unit = {};
    unit.v[primary] = 1.0;
    const Vector3 scrgb = Multiply(toScrgb, unit);
    // Luminance is the Y row of the sRGB matrix, for the patch and for the row's sRGB primary.
    const Matrix3 toXyz = RgbToXyz(PrimariesOf(kGamutSrgb));
    double luminance = 0.0;
    for (int k = 0; k < 3; ++k) luminance += toXyz.m[1][k] * scrgb.v[k];
    const double scale = kGamutWhiteNits * toXyz.m[1][primary] / luminance;
    return {scrgb.v[0] * scale, scrgb.v[1] * scale, scrgb.v[2] * scale};
}

HdrScreen WideGamutScreen(int width, int height) {
    HdrScreen screen = {width, height, Grey(0.0), {}, {}};
    GridEntry entries[3 * kGamutReferences];
    for (int primary = 0; primary < 3; ++primary) {
        for (int gamut = 0; gamut < kGamutReferences; ++gamut) {
            const Matrix3 toXyz = RgbToXyz(PrimariesOf(kGamutSrgb));
            entries[primary * kGamutReferences + gamut] = {GamutPrimaryColour(gamut, primary),
                                                      kGamutWhiteNits * toXyz.m[1][primary]};
        }
    }
    screen.patches = GridPatches(width, height, entries, 3 * kGamutReferences, kGamutReferences);
    return screen;
}
