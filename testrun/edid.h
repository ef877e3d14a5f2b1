// Decoding a monitor's native resolution from its EDID base block.
// Plain standard C++ (no Windows headers).
#pragma once

constexpr unsigned long kEdidBaseBlockSize = 128;  // base block; extension blocks follow it
constexpr unsigned long kEdidBufferSize = 256;     // base block plus at most one extension

// Reads the first detailed timing with a nonzero size from the base block's four descriptor slots.
// `edid` must hold at least kEdidBaseBlockSize readable bytes. Returns nonzero and writes both
// outputs on success; returns 0 and leaves them untouched otherwise.
int GetNativeResolutionFromEDID(const unsigned char* edid, unsigned long* width, unsigned long* height);
