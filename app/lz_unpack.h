// Unpacks the byte-oriented LZ form in which tavro.exe carries its largest text tables. Plain
// standard C++ (no Windows headers).
#pragma once
#include <stddef.h>

// The packed form, as tools/texts/lz_pack.cpp writes it: groups of a flag byte and up to eight
// items, the flag's lowest bit telling the first item. A clear bit is one literal byte; a set bit a
// copy of earlier output: two bytes, the distance back (1 to 8192) in the upper 13 bits less one,
// the length in the lowest three: 0 to 6 for 3 to 9 bytes, 7 for a third byte holding the length
// less 10 (10 to 265 bytes). The stream ends where the output is full.
constexpr size_t kLzWindow = 8192;
constexpr size_t kLzMinCopy = 3;
constexpr size_t kLzMaxShortCopy = 9;
constexpr size_t kLzMaxCopy = 265;

// Where one block of text sits in a packed table: its bytes and its size unpacked.
struct PackedBlock {
    unsigned offset;        // first byte of the block in the table
    unsigned packedSize;    // bytes in the table
    unsigned unpackedSize;  // bytes it unpacks to
};

// Unpacks `packedSize` bytes into exactly `outSize` bytes at `out`. True only when the stream
// fills the output exactly and is used up doing so; false for a stream cut short, a copy from
// before the start or one running past the end, or bytes left over. Never reads or writes outside
// the two buffers, whatever the input.
bool LzUnpack(const unsigned char* packed, size_t packedSize, unsigned char* out, size_t outSize);
