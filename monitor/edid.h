// Decoding a monitor's native mode from its whole EDID: the base block and every extension block.
// Plain standard C++ (no Windows headers).
#pragma once

#include "monitor/native_mode.h"

// Finds the native mode in the `length` bytes of `edid` (never reading past them):
//  1. the first preferred detailed timing of a DisplayID extension;
//  2. otherwise the base block's first detailed timing;
//  3. a CTA-861 extension's first-listed format only where the base block has no timing or that
//     format is wider or taller than 4095 pixels, which a base-block timing cannot hold.
// Interlaced timings give their frame size. Extension blocks with a wrong checksum, or whose
// lengths point outside the block, are passed over; the extension count in the base block is not
// trusted, every whole block present is looked at. Returns nonzero and writes `mode` on success;
// returns 0 and leaves it untouched otherwise (no header, version 0, shorter than a base block,
// or no usable timing anywhere).
int DecodeNativeMode(const unsigned char* edid, unsigned long length, NativeMode* mode);

// DecodeNativeMode's size alone. Returns nonzero and writes both outputs on success; returns 0
// and leaves them untouched otherwise.
int GetNativeResolutionFromEDID(const unsigned char* edid, unsigned long length, unsigned long* width,
                                unsigned long* height);

// "base", "cta" or "displayid"; "none" for anything else.
const char* NativeModeSourceName(int source);

constexpr int kMonitorNameChars = 14;  // a monitor-name descriptor holds at most 13 characters

// The model name from the base block's monitor-name descriptor (tag 0xFC), as the monitor's
// maker wrote it: up to 13 characters, ended by a line feed, trailing spaces dropped, anything
// but printable ASCII shown as '?'. Returns nonzero and writes `name` when the block has a
// non-empty one; otherwise returns 0 and leaves `name` as an empty string.
int DecodeMonitorName(const unsigned char* edid, unsigned long length, wchar_t name[kMonitorNameChars]);

// The serial number as text, from the serial-number descriptor (tag 0xFF), read as the name is.
int DecodeSerialText(const unsigned char* edid, unsigned long length, wchar_t serial[kMonitorNameChars]);

// What the base block says of the monitor itself.
struct EdidIdentity {
    char manufacturer[4];        // the three-letter PNP ID, "DEL"; "???" where a letter is out of range
    unsigned productCode;        // bytes 10-11, little-endian
    unsigned long serialNumber;  // bytes 12-15, little-endian; 0 where the maker gives none
    int week;                    // 1-54; 0 where not given; 255 when the year is the model year
    int year;                    // of manufacture (or the model year), 1990 + byte 17
    int versionMajor;            // EDID structure version and revision, 1.3 or 1.4
    int versionMinor;
    int widthCm;                 // the image size; 0 where it is not given (a projector, or a ratio only)
    int heightCm;
};

// Reads the identity from the base block. Returns 0 (and leaves `identity`) for no EDID header or
// fewer than 128 bytes.
int DecodeEdidIdentity(const unsigned char* edid, unsigned long length, EdidIdentity* identity);
