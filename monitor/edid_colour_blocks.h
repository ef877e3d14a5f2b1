// How the claims decoder shares its work between files: the CTA-861 data blocks, which come in a
// CTA-861 extension or inside a DisplayID block, and the DisplayID sections. Plain standard C++.
#pragma once

struct MonitorClaims;  // monitor/edid_colour.h

// Reads the claims of the CTA-861 data blocks packed back to back in the `length` bytes at
// `blocks`, never past them. A claim already known is kept: the first block that makes it wins.
// A data block whose length runs past the end stops the walk there.
void ReadCtaDataBlocks(const unsigned char* blocks, unsigned long length, MonitorClaims* claims);

// The claims of one 128-byte CTA-861 extension block whose block checksum is already known to be
// right.
void ReadCtaExtension(const unsigned char* block, MonitorClaims* claims);

// The claims of one 128-byte DisplayID extension block whose block checksum is already known to
// be right: its display parameters and any CTA-861 data blocks it carries.
void ReadDisplayIdExtension(const unsigned char* block, MonitorClaims* claims);

// An IEEE 754 half-precision value as DisplayID keeps luminances; 0 for "not given" (0x8000) or
// any negative value.
double HalfToDouble(unsigned bits);
