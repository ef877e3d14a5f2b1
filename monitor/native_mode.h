// The EDID's block sizes and the native mode found in it: what the decoder's parts (monitor/edid.h,
// monitor/edid_blocks.h) share. Plain standard C++ (no Windows headers).
#pragma once

constexpr unsigned long kEdidBlockSize = 128;          // the base block; extension blocks follow it
constexpr unsigned long kEdidLargestSize = 256 * 128;  // a base block and at most 255 extensions

// Where a native mode was found.
enum NativeModeSource {
    kNativeModeFromBase = 1,       // the base block's first detailed timing
    kNativeModeFromCta = 2,        // a CTA-861 extension's first-listed format
    kNativeModeFromDisplayId = 3,  // a DisplayID extension's preferred timing
};

struct NativeMode {
    unsigned long width;
    unsigned long height;
    int source;  // a NativeModeSource
};
