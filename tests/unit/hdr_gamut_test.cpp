// The gamut matrices and the wide-gamut screen's patches, against published matrices and the
// primaries' own chromaticities.
#include <gtest/gtest.h>

#include <algorithm>

#include "hdr/gamut_matrix.h"
#include "hdr/hdr_screens.h"

namespace {

TEST(GamutMatrix, MatchesThePublishedConversions) {
    const struct {
        GamutReference from;
        double m[3][3];
    } table[] = {
        {kGamutSrgb, {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}},
        // BT.2020 to BT.709 as ITU-R BT.2087 gives it.
        {kGamutBt2020, {{1.6605, -0.5876, -0.0728}, {-0.1246, 1.1329, -0.0083}, {-0.0182, -0.1006, 1.1187}}},
        // P3 with D65 white (Display P3) to sRGB, as colour-management references publish it.
        {kGamutDciP3, {{1.2249, -0.2249, 0}, {-0.0421, 1.0421, 0}, {-0.0196, -0.0786, 1.0983}}},
    };
    for (const auto& row : table) {
        const Matrix3 m = GamutToGamut(row.from, kGamutSrgb);
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(m.m[i / 3][i % 3], row.m[i / 3][i % 3], 0.00006) << row.from << " " << i;
        // Equal RGB is D65 white in every gamut.
        const Vector3 white = Multiply(m, Vector3{{1, 1, 1}});
        for (double channel : white.v) EXPECT_NEAR(channel, 1.0, 1e-12);
        const Matrix3 back = Multiply(GamutToGamut(kGamutSrgb, row.from), m);
        for (int i = 0; i < 9; ++i) EXPECT_NEAR(back.m[i / 3][i % 3], i % 4 == 0, 1e-12);
    }
    // BT.709's luminance weights.
    const Matrix3 xyz = RgbToXyz(PrimariesOf(kGamutSrgb));
    const double weights[] = {0.2126, 0.7152, 0.0722};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(xyz.m[1][k], weights[k], 0.00005);
}

// Each patch has its row's luminance, lies at its gamut's primary's chromaticity, and is outside
// sRGB (a negative channel) exactly when its gamut is wider.
TEST(GamutMatrix, ScreenPatchesAreThePrimariesAtEqualLuminance) {
    const HdrScreen screen = WideGamutScreen(1920, 1080);
    ASSERT_EQ(screen.patches.size(), 9u);
    const double rowNits[] = {21.26, 71.52, 7.22};
    const Matrix3 xyz = RgbToXyz(PrimariesOf(kGamutSrgb));
    for (int k = 0; k < 9; ++k) {
        const int primary = k / 3, gamut = k % 3;
        const HdrColour c = screen.patches[k].colour;
        const Vector3 v = Multiply(xyz, Vector3{{c.red, c.green, c.blue}});
        EXPECT_NEAR(v.v[1], rowNits[primary], 0.005) << k;
        EXPECT_NEAR(screen.patches[k].nits, v.v[1], 1e-9) << k;
        const Chromaticity expected[3] = {PrimariesOf(static_cast<GamutReference>(gamut)).red,
                                          PrimariesOf(static_cast<GamutReference>(gamut)).green,
                                          PrimariesOf(static_cast<GamutReference>(gamut)).blue};
        const double sum = v.v[0] + v.v[1] + v.v[2];
        EXPECT_NEAR(v.v[0] / sum, expected[primary].x, 1e-9) << k;
        EXPECT_NEAR(v.v[1] / sum, expected[primary].y, 1e-9) << k;
        EXPECT_EQ(std::min({c.red, c.green, c.blue}) < -1e-6, gamut != kGamutSrgb && !(gamut == kGamutDciP3 && primary == 2)) << k;
        EXPECT_LT(std::max({c.red, c.green, c.blue}), 140.0) << k;
    }
}

}  // namespace
