// The claims of a DisplayID extension block: DisplayID 2.0's display parameters (primaries, white
// point, luminances, colour depth) and the CTA-861 data blocks a DisplayID block may carry.
#include <math.h>

#include "monitor/edid_colour.h"
#include "monitor/edid_colour_blocks.h"

namespace {

constexpr unsigned long kVersionByte = 1;
constexpr unsigned long kSectionBytesByte = 2;
constexpr unsigned long kFirstDataBlock = 5;
constexpr unsigned long kLastSectionChecksum = 126;  // before the block's own checksum, byte 127
constexpr unsigned long kDataBlockHeader = 3;        // tag, revision, payload bytes
constexpr unsigned char kDisplayParametersTag = 0x21;
constexpr unsigned char kCtaDataBlocksTag = 0x81;
constexpr unsigned long kDisplayParametersBytes = 29;
constexpr double kTwelveBitScale = 4096.0;

// Offsets in the display parameters' payload.
constexpr unsigned long kPrimariesAt = 9;  // red, green, blue, white: three bytes each
constexpr unsigned long kMaxFullFrameAt = 21;
constexpr unsigned long kMax10PercentAt = 23;
constexpr unsigned long kMinLuminanceAt = 25;
constexpr unsigned long kDepthAt = 27;

// Bits per primary for the colour depth's three low bits; 0 is not defined.
constexpr int kColourDepths[8] = {0, 6, 8, 10, 12, 16, 0, 0};

int SectionChecksumOk(const unsigned char* block, unsigned long checksumByte) {
    unsigned sum = 0;
    for (unsigned long i = kVersionByte; i <= checksumByte; ++i) sum += block[i];
    return (sum & 0xFF) == 0;
}

// Three bytes hold two 12-bit coordinates: x in the first byte and the low half of the second,
// y in the high half of the second and the third.
Chromaticity TwelveBitPoint(const unsigned char* p) {
    Chromaticity point;
    point.x = (p[0] | (p[1] & 0x0F) << 8) / kTwelveBitScale;
    point.y = (p[1] >> 4 | p[2] << 4) / kTwelveBitScale;
    return point;
}

double HalfAt(const unsigned char* p) {
    return HalfToDouble(p[0] | p[1] << 8);
}

void ReadDisplayParameters(const unsigned char* x, unsigned long length, DisplayIdParameters* parameters) {
    if (parameters->present || length < kDisplayParametersBytes) return;
    parameters->present = 1;
    parameters->primaries.red = TwelveBitPoint(x + kPrimariesAt);
    parameters->primaries.green = TwelveBitPoint(x + kPrimariesAt + 3);
    parameters->primaries.blue = TwelveBitPoint(x + kPrimariesAt + 6);
    parameters->primaries.white = TwelveBitPoint(x + kPrimariesAt + 9);
    parameters->maxFullFrame = HalfAt(x + kMaxFullFrameAt);
    parameters->max10Percent = HalfAt(x + kMax10PercentAt);
    parameters->minLuminance = HalfAt(x + kMinLuminanceAt);
    parameters->colourDepth = kColourDepths[x[kDepthAt] & 0x07];
}

}  // namespace

double HalfToDouble(unsigned bits) {
    if (bits & 0x8000) return 0;  // 0x8000 is "not given"; the sign bit set is reserved
    const int exponent = (bits >> 10) & 0x1F;
    const unsigned fraction = bits & 0x3FF;
    if (exponent == 0x1F) return 0;  // infinity and not-a-number are no luminance
    if (exponent == 0) return ldexp(fraction, -24);
    return ldexp(fraction | 0x400, exponent - 25);
}

void ReadDisplayIdExtension(const unsigned char* block, MonitorClaims* claims) {
    const unsigned major = block[kVersionByte] >> 4;
    const unsigned long checksumByte = kFirstDataBlock + block[kSectionBytesByte];
    if (checksumByte > kLastSectionChecksum || !SectionChecksumOk(block, checksumByte)) return;
    unsigned long at = kFirstDataBlock;
    while (at + kDataBlockHeader <= checksumByte) {
        const unsigned long bytes = block[at + 2];
        if (at + kDataBlockHeader + bytes > checksumByte) return;  // runs past the section
        const unsigned char* payload = block + at + kDataBlockHeader;
        if (major == 2 && block[at] == kDisplayParametersTag) ReadDisplayParameters(payload, bytes, &claims->displayId);
        if (block[at] == kCtaDataBlocksTag) ReadCtaDataBlocks(payload, bytes, claims);
        at += kDataBlockHeader + bytes;
    }
}
