// What the native-mode rule reads in an EDID: detailed timings, DisplayID and CTA-861 blocks.
// Plain standard C++ (no Windows headers).
#pragma once

#include "monitor/native_mode.h"

// The base block's four 18-byte descriptor slots.
constexpr unsigned long kBaseSlotsStart = 54;
constexpr unsigned long kBaseSlotSize = 18;
constexpr unsigned long kBaseSlotCount = 4;

// Whether the block starts with the EDID header 00 FF FF FF FF FF FF 00.
int HasEdidHeader(const unsigned char* edid);

// The frame size of an 18-byte detailed timing (a base-block slot or one in a CTA-861 block).
// Returns 0 for a display descriptor, filler, or a zero width or height; writes width and height
// only on success.
int DetailedTimingSize(const unsigned char* slot, NativeMode* mode);

// The first timing flagged as preferred in a 128-byte DisplayID extension block whose block
// checksum is already known to be right. Writes width and height only on success.
int DisplayIdPreferredTiming(const unsigned char* block, NativeMode* mode);

// The first-listed video format of a 128-byte CTA-861 extension block whose block checksum is
// already known to be right: the first known code of its video data block, or else the first
// detailed timing the block calls native. Writes width and height only on success.
int CtaFirstFormat(const unsigned char* block, NativeMode* mode);
