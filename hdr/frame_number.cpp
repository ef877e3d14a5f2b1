// The frame number as 32 black or white pixels, written and read back.
#include "hdr/frame_number.h"

namespace {

constexpr uint32_t kColourBits = 0x00FFFFFFu;

}  // namespace

void EncodeFrameNumber(uint32_t number, uint32_t* pixels) {
    for (int i = 0; i < kFrameNumberPixels; ++i) {
        const uint32_t bit = (number >> (kFrameNumberPixels - 1 - i)) & 1u;
        pixels[i] = bit ? kFrameNumberWhite : kFrameNumberBlack;
    }
}

int DecodeFrameNumber(const uint32_t* pixels, uint32_t* number) {
    uint32_t value = 0;
    for (int i = 0; i < kFrameNumberPixels; ++i) {
        const uint32_t colour = pixels[i] & kColourBits;
        if (colour != 0 && colour != kColourBits) return 0;
        value = (value << 1) | (colour != 0 ? 1u : 0u);
    }
    *number = value;
    return 1;
}
