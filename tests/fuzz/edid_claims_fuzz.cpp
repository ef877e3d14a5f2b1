// Fuzzes the decoder of what an EDID claims of colour, luminance and refresh, and the gamut
// coverage of the primaries it gives, with whatever bytes a registry "EDID" value could hold.
#include <math.h>
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "monitor/edid.h"
#include "monitor/edid_colour.h"
#include "testrun/vrr_schedule.h"

namespace {

// Just above 50 · 2^(255/32) = 12525.7 cd/m², the largest desired content luminance a code gives.
constexpr double kLargestCodeLuminance = 12526.0;
constexpr double kLargestHalf = 65504.0;

void Check(bool ok) {
    if (!ok) abort();
}

bool Between(double value, double low, double high) {
    return value >= low && value <= high;  // false for not-a-number
}

bool PointOk(const Chromaticity& c) {
    return Between(c.x, 0, 1) && Between(c.y, 0, 1);
}

bool PrimariesOk(const ColourPrimaries& p) {
    return PointOk(p.red) && PointOk(p.green) && PointOk(p.blue) && PointOk(p.white);
}

bool RangeOk(const RefreshRange& r, double largest) {
    return r.present ? Between(r.minHz, 0, largest) && Between(r.maxHz, 0, largest) : r.minHz == 0 && r.maxHz == 0;
}

void CheckClaims(const MonitorClaims& c) {
    Check(!c.hasChromaticities ? c.chromaticities.red.x == 0 : PrimariesOk(c.chromaticities));
    Check(Between(c.hdr.maxLuminance, 0, kLargestCodeLuminance) && Between(c.hdr.maxFrameAverage, 0, kLargestCodeLuminance));
    Check(Between(c.hdr.minLuminance, 0, c.hdr.hasMax ? c.hdr.maxLuminance / 100 : kLargestCodeLuminance / 100));
    Check(c.hdr.transferFunctions <= 0x0F && c.hdr.metadataTypes <= 0xFF);
    Check(c.hdr.present || (!c.hdr.hasMax && !c.hdr.hasFrameAverage && !c.hdr.hasMin));
    Check((c.colorimetry & ~0xC0FFu) == 0 && (c.hasColorimetry || c.colorimetry == 0));
    const DisplayIdParameters& d = c.displayId;
    Check(!d.present || PrimariesOk(d.primaries));
    Check(Between(d.maxFullFrame, 0, kLargestHalf) && Between(d.max10Percent, 0, kLargestHalf) &&
          Between(d.minLuminance, 0, kLargestHalf));
    Check(d.colourDepth == 0 || d.colourDepth == 6 || d.colourDepth == 8 || d.colourDepth == 10 ||
          d.colourDepth == 12 || d.colourDepth == 16);
    Check(RangeOk(c.rangeLimits, 510) && RangeOk(c.amdVrr, 1023) && RangeOk(c.hdmiVrr, 1023));
    const RefreshRange vrr = ClaimedVrrRange(c);
    Check(!vrr.present || (vrr.minHz > 0 && vrr.maxHz > vrr.minHz));
    Check(Between(ClaimedPeakLuminance(c), 0, kLargestHalf));
}

// The variable-refresh screens' range from the claimed one, at refresh rates known, unknown and
// past any monitor's: always a range the sweep and the meter can run on.
void CheckVrrRange(const MonitorClaims& c) {
    const double refreshRates[] = {0.0, 59.94, 143.856, 5000.0, -1.0, static_cast<double>(NAN)};
    for (double refresh : refreshRates) {
        const VrrRange range = VrrRangeFor(ClaimedVrrRange(c), refresh);
        Check(Between(range.lowHz, 1, range.highHz) && Between(range.highHz, 1, kVrrHighestHz));
    }
}

void CheckCoverage(const MonitorClaims& c) {
    ColourPrimaries p;
    if (!ClaimedPrimaries(c, &p)) return;
    GamutCoverage g;
    ComputeGamutCoverage(p, &g);
    for (int k = 0; k < kGamutReferences; ++k) {
        Check(Between(g.coverXy[k], 0, 1) && Between(g.coverUv[k], 0, 1));
        Check(isfinite(g.areaXy[k]) && isfinite(g.areaUv[k]) && g.coverXy[k] <= g.areaXy[k] + 1e-9);
    }
}

void Decode(const unsigned char* edid, size_t size) {
    MonitorClaims claims;
    memset(&claims, 0xA5, sizeof(claims));
    if (!DecodeMonitorClaims(edid, static_cast<unsigned long>(size), &claims)) {
        MonitorClaims cleared;
        memset(&cleared, 0, sizeof(cleared));
        Check(memcmp(&claims, &cleared, sizeof(claims)) == 0);
        return;
    }
    CheckClaims(claims);
    CheckVrrRange(claims);
    CheckCoverage(claims);
}

// Sets every whole block's checksum right, so the decoder gets past it into the block.
void FixChecksums(unsigned char* edid, size_t size) {
    for (size_t at = 0; at + kEdidBlockSize <= size; at += kEdidBlockSize) {
        unsigned sum = 0;
        for (size_t i = 0; i + 1 < kEdidBlockSize; ++i) sum += edid[at + i];
        edid[at + kEdidBlockSize - 1] = static_cast<unsigned char>(0x100 - (sum & 0xFF));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A heap block of exactly the input's size, so AddressSanitizer catches any read past it.
    unsigned char* edid = static_cast<unsigned char*>(malloc(size == 0 ? 1 : size));
    if (size != 0) memcpy(edid, data, size);
    Decode(edid, size);
    Check(size == 0 || memcmp(edid, data, size) == 0);  // the decoder only reads
    // The same bytes with a header and right checksums, so the fuzzer reaches every block.
    if (size >= kEdidBlockSize) {
        static const unsigned char kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
        memcpy(edid, kHeader, sizeof(kHeader));
        if (edid[18] == 0) edid[18] = 1;
        FixChecksums(edid, size);
        Decode(edid, size);
    }
    free(edid);
    return 0;
}
