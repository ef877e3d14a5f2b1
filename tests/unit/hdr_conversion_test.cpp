// Half floats and the PQ curve of the HDR screens, against values worked out here independently.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

#include "hdr/half_float.h"
#include "hdr/pq_curve.h"

namespace {

// The value of a half from its fields, by the IEEE 754 definition, in double precision.
double HalfValue(uint16_t bits) {
    const int exponent = (bits >> 10) & 0x1F, mantissa = bits & 0x3FF;
    const double magnitude = exponent == 0 ? std::ldexp(mantissa, -24) : std::ldexp(1024 + mantissa, exponent - 25);
    return bits & 0x8000 ? -magnitude : magnitude;
}

float FromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

TEST(HalfFloat, EveryHalfSurvivesTheRoundTrip) {
    for (uint32_t bits = 0; bits <= 0xFFFF; ++bits) {
        const uint16_t half = static_cast<uint16_t>(bits);
        const float value = HalfToFloat(half);
        if ((half & 0x7C00) == 0x7C00 && (half & 0x3FF)) {
            ASSERT_TRUE(std::isnan(value)) << std::hex << bits;
            ASSERT_TRUE(std::isnan(HalfToFloat(FloatToHalf(value)))) << std::hex << bits;
            continue;
        }
        if ((half & 0x7C00) != 0x7C00) {
            ASSERT_EQ(value, HalfValue(half)) << std::hex << bits;
        }
        ASSERT_EQ(FloatToHalf(value), half) << std::hex << bits;
    }
}

TEST(HalfFloat, RoundsToNearestWithTiesToEven) {
    const struct {
        float value;
        uint16_t half;
    } table[] = {
        {1.0f, 0x3C00},
        {1.0f + 1.0f / 2048, 0x3C00},              // halfway to the next half: tie to the even 1.0
        {1.0f + 3.0f / 2048, 0x3C02},              // halfway above an odd mantissa: up to even
        {1.0f + 1.0f / 2048 + 1.0f / 65536, 0x3C01},  // just past halfway
        {125.0f, 0x57D0},                          // the full signal in scRGB
        {12.5f, 0x4A40},
        {-0.1f, 0xAE66},
        {65504.0f, 0x7BFF},                        // the largest half
        {65519.0f, 0x7BFF},
        {65520.0f, 0x7C00},                        // tie between the largest half and infinity
        {1e9f, 0x7C00},
        {-1e9f, 0xFC00},
        {std::ldexp(1.0f, -14), 0x0400},           // the smallest normal
        {std::ldexp(1023.5f, -24), 0x0400},        // a subnormal tie rounding up into the normals
        {std::ldexp(1.0f, -24), 0x0001},           // the smallest subnormal
        {std::ldexp(1.0f, -25), 0x0000},           // tie to the even zero
        {std::ldexp(1.5f, -25) , 0x0001},
        {std::ldexp(3.0f, -25), 0x0002},           // 1.5 units: tie to the even 2
        {std::ldexp(5.0f, -25), 0x0002},           // 2.5 units: tie to the even 2
        {-std::ldexp(1.0f, -30), 0x8000},          // underflow keeps the sign
        {FromBits(0x7F800000), 0x7C00},
        {FromBits(0xFF800000), 0xFC00},
        {FromBits(0x7F800001), 0x7E00},            // a NaN whose payload does not reach the half
        {FromBits(0x7FC00000), 0x7E00},
    };
    for (const auto& row : table) EXPECT_EQ(FloatToHalf(row.value), row.half) << row.value;
}

// Over generated floats of every magnitude the half is the nearest one (ties to the even one),
// and the conversion never runs backwards.
TEST(HalfFloat, NearestAndMonotonicOverGeneratedFloats) {
    std::mt19937 random(2084);
    std::uniform_real_distribution<double> exponent(-28, 17);
    for (int k = 0; k < 200000; ++k) {
        const float value = static_cast<float>(std::exp2(exponent(random)));
        const uint16_t half = FloatToHalf(value);
        if (half == 0x7C00) {
            ASSERT_GE(value, 65520.0f);
            continue;
        }
        const double error = std::fabs(HalfValue(half) - value);
        for (const uint16_t neighbour : {static_cast<uint16_t>(half - 1), static_cast<uint16_t>(half + 1)}) {
            if (half == 0 && neighbour == 0xFFFF) continue;
            const double other = std::fabs(HalfValue(neighbour) - value);
            ASSERT_TRUE(error < other || (error == other && (half & 1) == 0)) << value;
        }
        const float higher = std::nextafter(value, 1e30f) * (1.0f + (k % 7) * 1e-4f);
        ASSERT_GE(FloatToHalf(higher), half) << value;
        ASSERT_EQ(FloatToHalf(-value), half | 0x8000) << value;
    }
}

// The PQ inverse curve from the published constants, worked out here.
double ReferenceSignal(double nits) {
    const double m1 = 2610.0 / 16384, m2 = 2523.0 / 4096 * 128;
    const double c1 = 3424.0 / 4096, c2 = 2413.0 / 4096 * 32, c3 = 2392.0 / 4096 * 32;
    const double y = std::pow(nits / 10000, m1);
    return std::pow((c1 + c2 * y) / (1 + c3 * y), m2);
}

TEST(PqCurve, CodesOfKnownLuminances) {
    const struct {
        double nits;
        int code;
    } table[] = {{0, 0}, {0.05, 47}, {100, 520}, {203, 594}, {1000, 769}, {10000, 1023}, {20000, 1023}, {-1, 0}};
    for (const auto& row : table) {
        EXPECT_EQ(PqCode10(row.nits), row.code) << row.nits;
        if (row.nits > 0 && row.nits <= 10000) {
            EXPECT_EQ(std::lround(1023 * ReferenceSignal(row.nits)), row.code);
        }
    }
}

// Every code's luminance leads back to the code through the reference curve; over generated
// luminances a brighter one never gets a lower code or a lower signal, nor a lower half.
TEST(PqCurve, CodesRoundTripAndLuminancesStayInOrder) {
    for (int code = 1; code <= 1023; ++code) {
        ASSERT_NEAR(ReferenceSignal(PqCode10ToNits(code)) * 1023, code, 1e-6) << code;
    }
    std::mt19937 random(10000);
    std::uniform_real_distribution<double> exponent(-4, 4.1);
    for (int k = 0; k < 20000; ++k) {
        const double nits = std::pow(10.0, exponent(random)), brighter = nits * (1 + (k % 5) * 1e-3);
        ASSERT_GE(PqCode10(brighter), PqCode10(nits)) << nits;
        ASSERT_GE(PqNitsToSignal(brighter), PqNitsToSignal(nits)) << nits;
        ASSERT_GE(FloatToHalf(static_cast<float>(brighter / 80)), FloatToHalf(static_cast<float>(nits / 80))) << nits;
        if (nits <= 10000) {
            ASSERT_NEAR(PqSignalToNits(PqNitsToSignal(nits)), nits, nits * 1e-9) << nits;
        }
    }
}

}  // namespace
