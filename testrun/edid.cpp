// EDID base-block decoding: header, version and the four descriptor slots.
#include "testrun/edid.h"

#include <string.h>

namespace {

constexpr unsigned long kVersionByte = 18;
constexpr unsigned long kFirstSlot = 54;
constexpr unsigned long kSlotSize = 18;
constexpr unsigned long kSlotCount = 4;

// A slot keeps 12 bits per direction: the low byte and the upper nibble of a shared byte.
unsigned long SlotSize(const unsigned char* slot, int lowByte, int highNibbleByte) {
    return slot[lowByte] + 256ul * (slot[highNibbleByte] >> 4);
}

}  // namespace

int GetNativeResolutionFromEDID(const unsigned char* edid, unsigned long* width, unsigned long* height) {
    static const unsigned char expectedHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    if (edid == nullptr || width == nullptr || height == nullptr) return 0;
    if (memcmp(edid, expectedHeader, sizeof(expectedHeader)) != 0) return 0;
    if (edid[kVersionByte] == 0) return 0;
    for (unsigned long k = 0; k < kSlotCount; ++k) {
        const unsigned long d = kFirstSlot + kSlotSize * k;
        if (d + kSlotSize > kEdidBaseBlockSize) break;
        // A display descriptor has zeros where a timing keeps its width, so it is passed over.
        const unsigned long horizontal = SlotSize(edid + d, 2, 4);
        const unsigned long vertical = SlotSize(edid + d, 5, 7);
        if (horizontal > 0 && vertical > 0) {
            *width = horizontal;
            *height = vertical;
            return 1;
        }
    }
    return 0;
}
