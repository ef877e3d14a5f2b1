// Fuzzes the EDID decoder with whatever bytes a registry "EDID" value could hold, of any length.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "monitor/edid.h"

namespace {

// DisplayID keeps sizes in 16 bits minus one; nothing else gives more.
constexpr unsigned long kLargestSide = 65536;

void Check(bool ok) {
    if (!ok) abort();
}

bool SameMode(const NativeMode& a, const NativeMode& b) {
    return a.width == b.width && a.height == b.height && a.source == b.source;
}

// Sets every whole extension block's checksum right, so the decoder gets past it into the block.
void FixChecksums(unsigned char* edid, size_t size) {
    for (size_t at = kEdidBlockSize; at + kEdidBlockSize <= size; at += kEdidBlockSize) {
        unsigned sum = 0;
        for (size_t i = 0; i + 1 < kEdidBlockSize; ++i) sum += edid[at + i];
        edid[at + kEdidBlockSize - 1] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    }
}

// Decodes `size` bytes held in a heap block of exactly that size, so AddressSanitizer catches any
// read past the length, and checks what can be said of the answer without decoding.
void DecodeAndCheck(const unsigned char* edid, size_t size) {
    // The model name: printable, at most 13 characters, and only from a whole base block.
    wchar_t name[kMonitorNameChars];
    const int named = DecodeMonitorName(edid, static_cast<unsigned long>(size), name);
    const size_t nameLength = wcslen(name);
    Check(named ? nameLength >= 1 && nameLength <= 13 && size >= kEdidBlockSize : nameLength == 0);
    for (size_t i = 0; i < nameLength; ++i) Check(name[i] >= 0x20 && name[i] < 0x7F);
    const NativeMode untouched = {0xDEADBEEFul, 0xDEADBEEFul, -1};
    NativeMode mode = untouched;
    const int found = DecodeNativeMode(edid, static_cast<unsigned long>(size), &mode);
    if (!found) {
        Check(SameMode(mode, untouched));
        // Nothing in the whole EDID means nothing in its base block alone either.
        NativeMode base = untouched;
        Check(size < kEdidBlockSize || DecodeNativeMode(edid, kEdidBlockSize, &base) == 0);
        return;
    }
    Check(size >= kEdidBlockSize && edid[0] == 0x00 && edid[1] == 0xFF && edid[7] == 0x00);
    Check(mode.width >= 1 && mode.width <= kLargestSide && mode.height >= 1 && mode.height <= kLargestSide);
    Check(strcmp(NativeModeSourceName(mode.source), "none") != 0);
    // A base-block answer is what the base block alone gives.
    NativeMode base = untouched;
    const int baseFound = DecodeNativeMode(edid, kEdidBlockSize, &base);
    Check(mode.source != kNativeModeFromBase || (baseFound && SameMode(mode, base)));
    unsigned long width = 0;
    unsigned long height = 0;
    Check(GetNativeResolutionFromEDID(edid, static_cast<unsigned long>(size), &width, &height) == 1);
    Check(width == mode.width && height == mode.height);
    // A missing output is refused, never written through.
    Check(GetNativeResolutionFromEDID(edid, static_cast<unsigned long>(size), nullptr, &height) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The input as it is (any length, whatever its extension count says), then with the extension
    // checksums made right so the fuzzer reaches the DisplayID and CTA-861 decoding.
    unsigned char* edid = static_cast<unsigned char*>(malloc(size == 0 ? 1 : size));
    if (size != 0) memcpy(edid, data, size);
    DecodeAndCheck(edid, size);
    Check(size == 0 || memcmp(edid, data, size) == 0);  // the decoder only reads
    FixChecksums(edid, size);
    DecodeAndCheck(edid, size);
    free(edid);
    return 0;
}
