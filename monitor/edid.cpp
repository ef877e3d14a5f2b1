// The native-mode rule over a whole EDID: header and version, the base block's timing, and which
// extension block may speak over it.
#include "monitor/edid.h"

#include <string.h>

#include "monitor/edid_blocks.h"

namespace {

constexpr unsigned char kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr unsigned long kVersionByte = 18;
constexpr unsigned long kFirstSlot = kBaseSlotsStart;
constexpr unsigned long kSlotSize = kBaseSlotSize;
constexpr unsigned long kSlotCount = kBaseSlotCount;
constexpr unsigned char kCtaTag = 0x02;
constexpr unsigned char kDisplayIdTag = 0x70;
// A detailed timing keeps 12 bits per side; a larger format can only come from an extension.
constexpr unsigned long kLargestTimingSide = 4095;

constexpr const char* kSourceNames[] = {"none", "base", "cta", "displayid"};

int BlockChecksumOk(const unsigned char* block) {
    unsigned sum = 0;
    for (unsigned long i = 0; i < kEdidBlockSize; ++i) sum += block[i];
    return (sum & 0xFF) == 0;
}

// The first usable detailed timing among the base block's four descriptor slots.
int BaseBlockTiming(const unsigned char* edid, NativeMode* mode) {
    for (unsigned long k = 0; k < kSlotCount; ++k) {
        if (DetailedTimingSize(edid + kFirstSlot + kSlotSize * k, mode)) return 1;
    }
    return 0;
}

// The first whole extension block tagged `tag`, with a right checksum, that `decode` finds a mode
// in. Every block present is looked at, whatever the base block says their count is.
int FromExtensions(const unsigned char* edid, unsigned long length, unsigned char tag,
                   int (*decode)(const unsigned char*, NativeMode*), NativeMode* mode) {
    for (unsigned long at = kEdidBlockSize; length - at >= kEdidBlockSize; at += kEdidBlockSize) {
        const unsigned char* block = edid + at;
        if (block[0] == tag && BlockChecksumOk(block) && decode(block, mode)) return 1;
    }
    return 0;
}

int Found(NativeMode found, int source, NativeMode* mode) {
    found.source = source;
    *mode = found;
    return 1;
}

}  // namespace

int HasEdidHeader(const unsigned char* edid) {
    return memcmp(edid, kHeader, sizeof(kHeader)) == 0;
}

int DecodeNativeMode(const unsigned char* edid, unsigned long length, NativeMode* mode) {
    if (edid == nullptr || mode == nullptr || length < kEdidBlockSize) return 0;
    if (!HasEdidHeader(edid) || edid[kVersionByte] == 0) return 0;
    NativeMode displayId = {};
    if (FromExtensions(edid, length, kDisplayIdTag, DisplayIdPreferredTiming, &displayId)) {
        return Found(displayId, kNativeModeFromDisplayId, mode);
    }
    NativeMode base = {};
    const int hasBase = BaseBlockTiming(edid, &base);
    // A CTA-861 block lists broadcast formats first on many monitors; it only speaks where the
    // base block is silent or cannot hold its format.
    NativeMode cta = {};
    if (FromExtensions(edid, length, kCtaTag, CtaFirstFormat, &cta) &&
        (!hasBase || cta.width > kLargestTimingSide || cta.height > kLargestTimingSide)) {
        return Found(cta, kNativeModeFromCta, mode);
    }
    return hasBase ? Found(base, kNativeModeFromBase, mode) : 0;
}

int GetNativeResolutionFromEDID(const unsigned char* edid, unsigned long length, unsigned long* width,
                                unsigned long* height) {
    NativeMode mode = {};
    if (width == nullptr || height == nullptr || !DecodeNativeMode(edid, length, &mode)) return 0;
    *width = mode.width;
    *height = mode.height;
    return 1;
}

const char* NativeModeSourceName(int source) {
    if (source < kNativeModeFromBase || source > kNativeModeFromDisplayId) return kSourceNames[0];
    return kSourceNames[source];
}
