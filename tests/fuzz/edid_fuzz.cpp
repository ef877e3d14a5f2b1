// Fuzzes the EDID decoder with whatever bytes a registry "EDID" value could hold.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "testrun/edid.h"

namespace {

constexpr unsigned long kUntouched = 0xDEADBEEFul;
// A detailed timing keeps 12 bits per direction.
constexpr unsigned long kLargestSize = 4095;

void Check(bool ok) {
    if (!ok) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The decoder reads exactly one base block; the registry reader turns shorter values away
    // before decoding, so short input is padded with zeros and longer input keeps its first block.
    // A heap block of exactly that size lets AddressSanitizer catch a read past its end.
    std::vector<unsigned char> block(data, data + (size < kEdidBaseBlockSize ? size : kEdidBaseBlockSize));
    block.resize(kEdidBaseBlockSize, 0);
    unsigned char* edid = static_cast<unsigned char*>(malloc(kEdidBaseBlockSize));
    memcpy(edid, block.data(), kEdidBaseBlockSize);

    unsigned long width = kUntouched;
    unsigned long height = kUntouched;
    const int found = GetNativeResolutionFromEDID(edid, &width, &height);
    if (found) {
        Check(width >= 1 && width <= kLargestSize && height >= 1 && height <= kLargestSize);
        // Only an EDID header can yield a size.
        Check(edid[0] == 0x00 && edid[1] == 0xFF && edid[7] == 0x00);
    } else {
        Check(width == kUntouched && height == kUntouched);
    }
    // The decoder only reads.
    Check(memcmp(edid, block.data(), kEdidBaseBlockSize) == 0);
    // A missing output is refused, never written through.
    Check(GetNativeResolutionFromEDID(edid, nullptr, &height) == 0);
    Check(GetNativeResolutionFromEDID(edid, &width, nullptr) == 0);
    free(edid);
    return 0;
}
