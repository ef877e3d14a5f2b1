// IEEE 754 binary16 ("half") values: the pixels of a 16-bit floating-point swap chain.
// Plain standard C++ (no Windows headers).
#pragma once
#include <cstdint>

// The half nearest to `value`, ties to the even one, as R16G16B16A16_FLOAT stores it: values from
// 65 520 up become infinity, values below 2^-24 become the subnormals or a signed zero, and a NaN
// stays a NaN with the top of its payload kept (never turning into infinity).
uint16_t FloatToHalf(float value);

// The float that the half `bits` stands for; every half, subnormals and NaNs included, is exact.
float HalfToFloat(uint16_t bits);
