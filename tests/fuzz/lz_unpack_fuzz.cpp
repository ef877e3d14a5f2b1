// Fuzzes the unpacker of the packed text tables on arbitrary streams. Input: two bytes, the output
// size (little-endian), then the stream. The output buffer is exactly that size and the stream has
// no byte after it, so AddressSanitizer stops any access outside them. A stream that unpacks must
// give the same bytes again when they are packed and unpacked, and the input itself must survive
// the packer's round trip.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <vector>

#include "app/lz_unpack.h"
#include "tools/texts/lz_pack.h"

namespace {

void Check(bool ok) {
    if (!ok) abort();
}

// Packs `data` and unpacks the result into a buffer of exactly its size.
void CheckRoundTrip(const unsigned char* data, size_t size) {
    const std::vector<unsigned char> packed = LzPack(data, size);
    std::unique_ptr<unsigned char[]> in(new unsigned char[packed.size()]);
    if (!packed.empty()) memcpy(in.get(), packed.data(), packed.size());
    std::unique_ptr<unsigned char[]> out(new unsigned char[size ? size : 1]);
    Check(LzUnpack(in.get(), packed.size(), out.get(), size));
    Check(size == 0 || memcmp(out.get(), data, size) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t outSize = data[0] | static_cast<size_t>(data[1]) << 8;
    const size_t streamSize = size - 2;
    std::unique_ptr<unsigned char[]> stream(new unsigned char[streamSize ? streamSize : 1]);
    if (streamSize) memcpy(stream.get(), data + 2, streamSize);
    std::unique_ptr<unsigned char[]> out(new unsigned char[outSize ? outSize : 1]);
    if (LzUnpack(stream.get(), streamSize, out.get(), outSize)) CheckRoundTrip(out.get(), outSize);
    CheckRoundTrip(data, size);
    return 0;
}
