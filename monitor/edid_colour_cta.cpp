// The claims of CTA-861 data blocks: HDR static metadata, colorimetry, HDR dynamic metadata and
// HDR10+, and the refresh ranges of the AMD and HDMI Forum vendor blocks.
#include <math.h>

#include "monitor/edid_colour.h"
#include "monitor/edid_colour_blocks.h"

namespace {

constexpr unsigned long kRevisionByte = 1;
constexpr unsigned long kTimingsOffsetByte = 2;
constexpr unsigned long kFirstDataBlock = 4;
constexpr unsigned long kChecksumByte = 127;
constexpr unsigned kVendorTag = 3;
constexpr unsigned kExtendedTag = 7;
constexpr unsigned char kVendorVideoBlock = 0x01;  // extended tags
constexpr unsigned char kColorimetryBlock = 0x05;
constexpr unsigned char kHdrStaticBlock = 0x06;
constexpr unsigned char kHdrDynamicBlock = 0x07;
constexpr unsigned char kHdmiForumCapabilityBlock = 0x79;
constexpr unsigned kHdr10PlusType = 4;  // in the HDR dynamic metadata block

// Vendor OUIs as the blocks store them, low byte first.
constexpr unsigned char kOuiAmd[3] = {0x1A, 0x00, 0x00};
constexpr unsigned char kOuiHdmiForum[3] = {0xD8, 0x5D, 0xC4};
constexpr unsigned char kOuiHdr10Plus[3] = {0x8B, 0x84, 0x90};

int HasOui(const unsigned char* payload, unsigned long length, const unsigned char oui[3]) {
    return length >= 3 && payload[0] == oui[0] && payload[1] == oui[1] && payload[2] == oui[2];
}

// Luminance code values: the maximum is 50 · 2^(CV/32) cd/m², the minimum a share of the maximum.
double LuminanceFromCode(unsigned code) {
    return 50.0 * pow(2.0, code / 32.0);
}

double MinimumFromCode(double maximum, unsigned code) {
    return maximum * (code / 255.0) * (code / 255.0) / 100.0;
}

// `x` follows the extended tag: transfer functions, metadata types, then up to three luminances.
void ReadHdrStatic(const unsigned char* x, unsigned long length, HdrStaticMetadata* hdr) {
    if (hdr->present || length < 2) return;
    hdr->present = 1;
    hdr->transferFunctions = x[0] & (kEotfTraditionalSdr | kEotfTraditionalHdr | kEotfSmpteSt2084 | kEotfHlg);
    hdr->metadataTypes = x[1];
    hdr->hasMax = length >= 3;
    hdr->hasFrameAverage = length >= 4;
    hdr->hasMin = length >= 5;
    if (hdr->hasMax) hdr->maxLuminance = LuminanceFromCode(x[2]);
    if (hdr->hasFrameAverage) hdr->maxFrameAverage = LuminanceFromCode(x[3]);
    // The minimum is a share of the maximum's code value, even where the maximum is 0.
    if (hdr->hasMin) hdr->minLuminance = MinimumFromCode(LuminanceFromCode(x[2]), x[4]);
}

void ReadColorimetry(const unsigned char* x, unsigned long length, MonitorClaims* claims) {
    if (claims->hasColorimetry || length < 2) return;
    claims->hasColorimetry = 1;
    claims->colorimetry = x[0] | (x[1] & 0xC0u) << 8;
}

// A list of metadata types, each `length, type low, type high, ...`.
void ReadHdrDynamic(const unsigned char* x, unsigned long length, MonitorClaims* claims) {
    unsigned long at = 0;
    while (at + 3 <= length) {
        const unsigned type = x[at + 1] | x[at + 2] << 8;
        if (type == kHdr10PlusType) claims->hdr10Plus = 1;
        at += 1 + x[at];
    }
}

// After the OUI: version bytes, then the minimum and maximum refresh. From version 3 a longer
// block keeps the maximum in ten bits at bytes 10 and 11, for monitors faster than 255 Hz.
void ReadAmd(const unsigned char* x, unsigned long length, MonitorClaims* claims) {
    if (claims->amdVrr.present || length < 4) return;
    claims->amdVrr.present = 1;
    claims->amdVrr.minHz = x[2];
    claims->amdVrr.maxHz = x[0] >= 3 && length >= 12 ? (x[11] & 0x03) << 8 | x[10] : x[3];
}

// The HDMI Forum's capabilities, from its version byte on: VRRmin in byte 5's six low bits,
// VRRmax in byte 5's two top bits and byte 6. Zero is "not given" for either.
void ReadHdmiForum(const unsigned char* x, unsigned long length, MonitorClaims* claims) {
    if (claims->hdmiVrr.present || length < 7) return;
    const unsigned minimum = x[5] & 0x3F;
    const unsigned maximum = (x[5] & 0xC0u) << 2 | x[6];
    if (minimum == 0 && maximum == 0) return;
    claims->hdmiVrr.present = 1;
    claims->hdmiVrr.minHz = minimum;
    claims->hdmiVrr.maxHz = maximum;
}

void ReadVendorBlock(const unsigned char* x, unsigned long length, MonitorClaims* claims) {
    if (HasOui(x, length, kOuiAmd)) ReadAmd(x + 3, length - 3, claims);
    if (HasOui(x, length, kOuiHdmiForum)) ReadHdmiForum(x + 3, length - 3, claims);
}

void ReadExtendedBlock(const unsigned char* x, unsigned long length, MonitorClaims* claims) {
    if (length < 1) return;
    const unsigned char* rest = x + 1;
    const unsigned long restLength = length - 1;
    switch (x[0]) {
    case kHdrStaticBlock: ReadHdrStatic(rest, restLength, &claims->hdr); break;
    case kColorimetryBlock: ReadColorimetry(rest, restLength, claims); break;
    case kHdrDynamicBlock: ReadHdrDynamic(rest, restLength, claims); break;
    case kVendorVideoBlock:
        if (HasOui(rest, restLength, kOuiHdr10Plus)) claims->hdr10Plus = 1;
        break;
    case kHdmiForumCapabilityBlock:
        // Two reserved bytes, then the same layout as the HDMI Forum vendor block after its OUI.
        if (restLength >= 2) ReadHdmiForum(rest + 2, restLength - 2, claims);
        break;
    default: break;
    }
}

}  // namespace

void ReadCtaDataBlocks(const unsigned char* blocks, unsigned long length, MonitorClaims* claims) {
    unsigned long at = 0;
    while (at < length) {
        const unsigned tag = blocks[at] >> 5;
        const unsigned long bytes = blocks[at] & 0x1F;
        if (bytes > length - at - 1) return;  // runs past the end: nothing of it is read
        const unsigned char* payload = blocks + at + 1;
        if (tag == kVendorTag) ReadVendorBlock(payload, bytes, claims);
        if (tag == kExtendedTag) ReadExtendedBlock(payload, bytes, claims);
        at += 1 + bytes;
    }
}

void ReadCtaExtension(const unsigned char* block, MonitorClaims* claims) {
    // Data blocks exist from revision 3 and fill bytes 4 up to the first detailed timing; 0 there
    // means none at all.
    if (block[kRevisionByte] < 3) return;
    const unsigned long end = block[kTimingsOffsetByte];
    if (end <= kFirstDataBlock || end > kChecksumByte) return;
    ReadCtaDataBlocks(block + kFirstDataBlock, end - kFirstDataBlock, claims);
}
