// Unpacks the LZ form of the packed text tables (see app/lz_unpack.h for the format).
#include "app/lz_unpack.h"

bool LzUnpack(const unsigned char* packed, size_t packedSize, unsigned char* out, size_t outSize) {
    const unsigned char* in = packed;
    const unsigned char* const inEnd = packed + packedSize;
    size_t done = 0;
    unsigned flags = 0;
    int itemsLeft = 0;
    while (done < outSize) {
        if (itemsLeft == 0) {
            if (in == inEnd) return false;
            flags = *in++;
            itemsLeft = 8;
        }
        const bool copy = (flags & 1) != 0;
        flags >>= 1;
        --itemsLeft;
        if (!copy) {
            if (in == inEnd) return false;
            out[done++] = *in++;
            continue;
        }
        if (inEnd - in < 2) return false;
        const size_t distance = ((static_cast<size_t>(in[0]) >> 3) << 8 | in[1]) + 1;
        size_t length = (in[0] & 7u) + kLzMinCopy;
        in += 2;
        if (length > kLzMaxShortCopy) {
            if (in == inEnd) return false;
            length = kLzMaxShortCopy + 1 + *in++;
        }
        if (distance > done || length > outSize - done) return false;
        // Byte by byte: a copy may overlap the bytes it is writing (a run repeats).
        const unsigned char* from = out + done - distance;
        for (size_t i = 0; i < length; ++i) out[done + i] = from[i];
        done += length;
    }
    // The last group's unused flag bits must be clear, and no bytes may follow.
    return in == inEnd && flags == 0;
}
