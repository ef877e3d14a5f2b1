// Packs bytes into the LZ form of app/lz_unpack.h, choosing literals and copies for the fewest bits.
#include "tools/texts/lz_pack.h"

#include "app/lz_unpack.h"

namespace {

struct Match {
    size_t length = 0;  // 0: none of at least kLzMinCopy bytes
    size_t distance = 0;
};

// How many earlier positions with the same first bytes are tried: enough for the longest match in
// the texts (more finds nothing longer there), few enough for long runs of one byte to stay fast.
constexpr int kMaxTries = 256;

// The longest match of each position with earlier bytes within the window (the nearest of equal
// ones), from chains of the positions that begin with the same three bytes.
std::vector<Match> LongestMatches(const unsigned char* data, size_t size) {
    std::vector<Match> matches(size);
    std::vector<long> head(1 << 12, -1);
    std::vector<long> previous(size, -1);
    for (size_t i = 0; i + kLzMinCopy <= size; ++i) {
        const unsigned key = (data[i] << 4 ^ data[i + 1] << 2 ^ data[i + 2] ^ data[i] >> 4) & 0xFFF;
        previous[i] = head[key];
        head[key] = static_cast<long>(i);
        const size_t limit = size - i < kLzMaxCopy ? size - i : kLzMaxCopy;
        int tries = kMaxTries;
        for (long j = previous[i]; j >= 0 && i - j <= kLzWindow && tries-- > 0; j = previous[j]) {
            // Only a longer match counts: one that differs at the byte past the best so far is none.
            const size_t best = matches[i].length;
            if (best > 0 && data[j + best] != data[i + best]) continue;
            size_t length = 0;
            while (length < limit && data[j + length] == data[i + length]) ++length;
            if (length > matches[i].length) matches[i] = {length, i - j};
            if (length == limit) break;
        }
        if (matches[i].length < kLzMinCopy) matches[i] = Match{};
    }
    return matches;
}

size_t CopyBits(size_t length) {
    return length > kLzMaxShortCopy ? 25 : 17;
}

}  // namespace

std::vector<unsigned char> LzPack(const unsigned char* data, size_t size) {
    const std::vector<Match> matches = LongestMatches(data, size);
    // cost[i]: the fewest bits for the bytes from i on; step[i]: how many bytes the best item at i
    // takes (1: a literal).
    std::vector<size_t> cost(size + 1, 0);
    std::vector<size_t> step(size, 1);
    for (size_t i = size; i-- > 0;) {
        cost[i] = 9 + cost[i + 1];
        for (size_t length = kLzMinCopy; length <= matches[i].length; ++length) {
            const size_t bits = CopyBits(length) + cost[i + length];
            if (bits < cost[i]) {
                cost[i] = bits;
                step[i] = length;
            }
        }
    }
    std::vector<unsigned char> packed;
    size_t flagAt = 0;
    int items = 8;
    for (size_t i = 0; i < size; i += step[i]) {
        if (items == 8) {
            flagAt = packed.size();
            packed.push_back(0);
            items = 0;
        }
        if (step[i] == 1) {
            packed.push_back(data[i]);
        } else {
            packed[flagAt] = static_cast<unsigned char>(packed[flagAt] | 1u << items);
            const size_t distance = matches[i].distance - 1;
            const size_t code = step[i] > kLzMaxShortCopy ? 7 : step[i] - kLzMinCopy;
            packed.push_back(static_cast<unsigned char>((distance >> 8) << 3 | code));
            packed.push_back(static_cast<unsigned char>(distance & 0xFF));
            if (code == 7) packed.push_back(static_cast<unsigned char>(step[i] - kLzMaxShortCopy - 1));
        }
        ++items;
    }
    return packed;
}
