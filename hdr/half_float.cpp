// Conversions between floats and IEEE 754 binary16 values, by their bits.
#include "hdr/half_float.h"

#include <cstring>

namespace {

constexpr uint32_t kFloatExponentMask = 0x7F800000u;
constexpr uint32_t kFloatMagnitudeMask = 0x7FFFFFFFu;
// Float bits of 65 520: halfway between the largest half (65 504) and the next step, which ties
// to "even", i.e. up to infinity.
constexpr uint32_t kFirstOverflow = 0x477FF000u;
// Float bits of 2^-14, the smallest normal half, and 2^-25, half the smallest subnormal.
constexpr uint32_t kSmallestNormal = 0x38800000u;
constexpr uint32_t kHalfSmallestSubnormal = 0x33000000u;
constexpr uint16_t kHalfInfinity = 0x7C00u;
constexpr uint16_t kHalfQuietBit = 0x0200u;
// The difference of the exponent biases (127 - 15), placed at the float's exponent.
constexpr uint32_t kRebias = 112u << 23;

uint32_t FloatBits(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

float BitsFloat(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

// `mantissa` shifted right by `shift` bits, rounded to nearest with ties to even.
uint32_t ShiftRoundEven(uint32_t mantissa, unsigned shift) {
    const uint32_t kept = mantissa >> shift;
    const uint32_t rest = mantissa & ((1u << shift) - 1u);
    const uint32_t half = 1u << (shift - 1u);
    return kept + (rest > half || (rest == half && (kept & 1u)));
}

}  // namespace

uint16_t FloatToHalf(float value) {
    const uint32_t bits = FloatBits(value);
    const uint16_t sign = static_cast<uint16_t>((bits >> 16) & 0x8000u);
    const uint32_t magnitude = bits & kFloatMagnitudeMask;
    if (magnitude > kFloatExponentMask) {
        // A NaN keeps the top ten bits of its payload; one whose top bits are all zero is made
        // quiet, since those bits alone would read as infinity.
        const uint16_t payload = static_cast<uint16_t>((magnitude >> 13) & 0x3FFu);
        return static_cast<uint16_t>(sign | kHalfInfinity | (payload ? payload : kHalfQuietBit));
    }
    if (magnitude >= kFirstOverflow) return static_cast<uint16_t>(sign | kHalfInfinity);
    if (magnitude >= kSmallestNormal) {
        // The carry of the rounding may run into the exponent, which is the right next value.
        const uint32_t rebased = magnitude - kRebias;
        return static_cast<uint16_t>(sign | ShiftRoundEven(rebased, 13));
    }
    if (magnitude < kHalfSmallestSubnormal) return sign;
    // A subnormal half counts units of 2^-24: the float's full mantissa, shifted by how far its
    // exponent lies below 2^-14. A value rounding up to 2^-14 comes out as the smallest normal.
    const uint32_t exponent = magnitude >> 23;
    const uint32_t mantissa = (magnitude & 0x7FFFFFu) | 0x800000u;
    return static_cast<uint16_t>(sign | ShiftRoundEven(mantissa, 126u - exponent));
}

float HalfToFloat(uint16_t bits) {
    const uint32_t sign = static_cast<uint32_t>(bits & 0x8000u) << 16;
    const uint32_t exponent = (bits >> 10) & 0x1Fu;
    const uint32_t mantissa = bits & 0x3FFu;
    if (exponent == 0x1Fu) return BitsFloat(sign | kFloatExponentMask | (mantissa << 13));
    if (exponent != 0) return BitsFloat(sign | ((((exponent << 10) | mantissa) << 13) + kRebias));
    // Zero or a subnormal: exactly mantissa * 2^-24.
    const float magnitude = static_cast<float>(mantissa) * BitsFloat(0x33800000u);
    return sign ? -magnitude : magnitude;
}
