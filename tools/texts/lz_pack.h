// Packs bytes into the LZ form that app/lz_unpack.cpp unpacks: for the packer of the text tables
// (a native tool) and the tests, never for tavro.exe itself.
#pragma once
#include <stddef.h>

#include <vector>

// The packed form of `size` bytes at `data`, the smallest this format allows for them: each
// position's longest earlier match within the window is found, then the cheapest sequence of
// literals and copies is chosen from the end backwards.
std::vector<unsigned char> LzPack(const unsigned char* data, size_t size);
