// What the EDID claims of colour, luminance and refresh: the base block's chromaticities and range
// limits, then every whole extension block in turn, and the claims a test run starts from.
#include "monitor/edid_colour.h"

#include <string.h>

#include "monitor/edid.h"
#include "monitor/edid_blocks.h"
#include "monitor/edid_colour_blocks.h"

namespace {

constexpr unsigned long kVersionByte = 18;
constexpr unsigned long kRevisionByte = 19;
constexpr unsigned long kChromaLowBits = 25;  // two bytes of low bits, then eight high bytes
constexpr unsigned long kChromaHighBits = 27;
constexpr unsigned char kRangeLimitsTag = 0xFD;
constexpr unsigned char kCtaTag = 0x02;
constexpr unsigned char kDisplayIdTag = 0x70;
constexpr double kTenBitScale = 1024.0;

int BlockChecksumOk(const unsigned char* block) {
    unsigned sum = 0;
    for (unsigned long i = 0; i < kEdidBlockSize; ++i) sum += block[i];
    return (sum & 0xFF) == 0;
}

// Coordinate k (0 red x, 1 red y, ... 7 white y): eight high bits and two low bits, which bytes
// 25 and 26 keep two a coordinate, from the top bits down.
double TenBitCoordinate(const unsigned char* edid, int k) {
    const unsigned low = (edid[kChromaLowBits + k / 4] >> (6 - 2 * (k % 4))) & 0x03;
    return ((edid[kChromaHighBits + k] << 2) | low) / kTenBitScale;
}

void ReadChromaticities(const unsigned char* edid, MonitorClaims* claims) {
    Chromaticity* points[] = {&claims->chromaticities.red, &claims->chromaticities.green,
                              &claims->chromaticities.blue, &claims->chromaticities.white};
    for (int p = 0; p < 4; ++p) {
        points[p]->x = TenBitCoordinate(edid, 2 * p);
        points[p]->y = TenBitCoordinate(edid, 2 * p + 1);
    }
    claims->hasChromaticities = 1;
}

// The vertical rates of the first range limits descriptor. From EDID 1.4, byte 4's two low bits
// add 255 Hz to the maximum and to the minimum; earlier versions keep the byte reserved.
void ReadRangeLimits(const unsigned char* edid, MonitorClaims* claims) {
    for (unsigned long k = 0; k < kBaseSlotCount; ++k) {
        const unsigned char* slot = edid + kBaseSlotsStart + kBaseSlotSize * k;
        if (slot[0] != 0 || slot[1] != 0 || slot[3] != kRangeLimitsTag) continue;
        const int offsets = edid[kVersionByte] == 1 && edid[kRevisionByte] >= 4;
        const unsigned maxOffset = offsets && (slot[4] & 0x02) ? 255 : 0;
        const unsigned minOffset = offsets && (slot[4] & 0x03) == 0x03 ? 255 : 0;
        claims->rangeLimits.present = 1;
        claims->rangeLimits.minHz = slot[5] + minOffset;
        claims->rangeLimits.maxHz = slot[6] + maxOffset;
        return;
    }
}

// A range worth offering: a positive minimum below the maximum.
int UsableRange(const RefreshRange& range) {
    return range.present && range.minHz > 0 && range.maxHz > range.minHz;
}

}  // namespace

int DecodeMonitorClaims(const unsigned char* edid, unsigned long length, MonitorClaims* claims) {
    if (claims == nullptr) return 0;
    memset(claims, 0, sizeof(*claims));
    if (edid == nullptr || length < kEdidBlockSize) return 0;
    if (!HasEdidHeader(edid) || edid[kVersionByte] == 0) return 0;
    if (BlockChecksumOk(edid)) {
        ReadChromaticities(edid, claims);
        ReadRangeLimits(edid, claims);
    }
    // Every whole block present, whatever the base block says their count is.
    for (unsigned long at = kEdidBlockSize; length - at >= kEdidBlockSize; at += kEdidBlockSize) {
        const unsigned char* block = edid + at;
        if (!BlockChecksumOk(block)) continue;
        if (block[0] == kCtaTag) ReadCtaExtension(block, claims);
        if (block[0] == kDisplayIdTag) ReadDisplayIdExtension(block, claims);
    }
    return 1;
}

double ClaimedPeakLuminance(const MonitorClaims& claims) {
    if (claims.hdr.present && claims.hdr.hasMax) return claims.hdr.maxLuminance;
    if (claims.displayId.present && claims.displayId.max10Percent > 0) return claims.displayId.max10Percent;
    return 0;
}

RefreshRange ClaimedVrrRange(const MonitorClaims& claims) {
    if (UsableRange(claims.hdmiVrr)) return claims.hdmiVrr;
    if (UsableRange(claims.amdVrr)) return claims.amdVrr;
    RefreshRange none = {};
    return none;
}

int ClaimedPrimaries(const MonitorClaims& claims, ColourPrimaries* primaries) {
    if (primaries == nullptr) return 0;
    if (claims.displayId.present) {
        *primaries = claims.displayId.primaries;
        return 1;
    }
    if (!claims.hasChromaticities) return 0;
    *primaries = claims.chromaticities;
    return 1;
}
