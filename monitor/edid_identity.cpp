// Who made the monitor, when, and how large its image is: the base block's vendor and product
// fields, its version and its basic display parameters.
#include "monitor/edid.h"

#include "monitor/edid_blocks.h"

namespace {

unsigned Word(const unsigned char* p) {
    return p[0] | (p[1] << 8);
}

// One letter of the PNP ID: 1 is 'A', 26 is 'Z'.
char PnpLetter(unsigned code) {
    return code >= 1 && code <= 26 ? static_cast<char>('A' + code - 1) : '?';
}

}  // namespace

int DecodeEdidIdentity(const unsigned char* edid, unsigned long length, EdidIdentity* identity) {
    if (edid == nullptr || length < kEdidBlockSize || !HasEdidHeader(edid)) return 0;
    const unsigned vendor = (edid[8] << 8) | edid[9];  // big-endian, three 5-bit letters
    identity->manufacturer[0] = PnpLetter((vendor >> 10) & 0x1F);
    identity->manufacturer[1] = PnpLetter((vendor >> 5) & 0x1F);
    identity->manufacturer[2] = PnpLetter(vendor & 0x1F);
    identity->manufacturer[3] = '\0';
    identity->productCode = Word(edid + 10);
    identity->serialNumber = static_cast<unsigned long>(Word(edid + 12)) | (static_cast<unsigned long>(Word(edid + 14)) << 16);
    identity->week = edid[16];
    identity->year = 1990 + edid[17];
    identity->versionMajor = edid[18];
    identity->versionMinor = edid[19];
    // Both sizes given, or neither: one alone is an aspect ratio (EDID 1.4), not a size.
    const bool sized = edid[21] != 0 && edid[22] != 0;
    identity->widthCm = sized ? edid[21] : 0;
    identity->heightCm = sized ? edid[22] : 0;
    return 1;
}
