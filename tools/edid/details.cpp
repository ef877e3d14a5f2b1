// tavro-edid --details: the EDID's claims of colour, luminance, gamut and variable refresh, each
// on a line of its own, worded and rounded as edid-decode prints them so the two can be compared.
#include "tools/edid/details.h"

#include "monitor/edid_colour.h"

namespace {

struct Named {
    unsigned bit;
    const char* name;
};

constexpr Named kTransferFunctions[] = {
    {kEotfTraditionalSdr, "Traditional gamma - SDR luminance range"},
    {kEotfTraditionalHdr, "Traditional gamma - HDR luminance range"},
    {kEotfSmpteSt2084, "SMPTE ST2084"},
    {kEotfHlg, "Hybrid Log-Gamma"},
};

constexpr Named kColorimetries[] = {
    {kColorimetryXvYcc601, "xvYCC601"}, {kColorimetryXvYcc709, "xvYCC709"},   {kColorimetrySYcc601, "sYCC601"},
    {kColorimetryOpYcc601, "opYCC601"}, {kColorimetryOpRgb, "opRGB"},         {kColorimetryBt2020CYcc, "BT2020cYCC"},
    {kColorimetryBt2020Ycc, "BT2020YCC"}, {kColorimetryBt2020Rgb, "BT2020RGB"}, {kColorimetryDciP3, "DCI-P3"},
    {kColorimetryIctCp, "ICtCp"},
};

constexpr const char* kGamutNames[kGamutReferences] = {"sRGB", "DCI-P3", "BT.2020"};

// The base block's 10-bit coordinates as edid-decode shows them: four decimals, cut, not rounded.
void PrintTenBitPoint(FILE* out, const char* name, Chromaticity point) {
    const unsigned long x = static_cast<unsigned long>(point.x * 1024 + 0.5) * 10000 / 1024;
    const unsigned long y = static_cast<unsigned long>(point.y * 1024 + 0.5) * 10000 / 1024;
    fprintf(out, "  %s: %lu.%04lu, %lu.%04lu\n", name, x / 10000, x % 10000, y / 10000, y % 10000);
}

void PrintBasePoints(FILE* out, const ColourPrimaries& p) {
    PrintTenBitPoint(out, "Red  ", p.red);
    PrintTenBitPoint(out, "Green", p.green);
    PrintTenBitPoint(out, "Blue ", p.blue);
    PrintTenBitPoint(out, "White", p.white);
}

// DisplayID's 12-bit coordinate with six decimals, rounded half to even in whole numbers, so
// every C library prints the same digits.
unsigned long SixDecimals(double coordinate) {
    const unsigned long long scaled = static_cast<unsigned long long>(coordinate * 4096 + 0.5) * 1000000;
    unsigned long long whole = scaled / 4096;
    const unsigned long long rest = scaled % 4096;
    if (2 * rest > 4096 || (2 * rest == 4096 && whole % 2 == 1)) ++whole;
    return static_cast<unsigned long>(whole);
}

void PrintTwelveBitPoint(FILE* out, const char* name, Chromaticity point) {
    const unsigned long x = SixDecimals(point.x);
    const unsigned long y = SixDecimals(point.y);
    fprintf(out, "  DisplayID %s: (%lu.%06lu, %lu.%06lu)\n", name, x / 1000000, x % 1000000, y / 1000000, y % 1000000);
}

void PrintRange(FILE* out, const char* name, const RefreshRange& range) {
    if (range.present) fprintf(out, "  %s: %.0f-%.0f Hz\n", name, range.minHz, range.maxHz);
}

void PrintHdr(FILE* out, const HdrStaticMetadata& hdr) {
    if (!hdr.present) return;
    for (const Named& f : kTransferFunctions) {
        if (hdr.transferFunctions & f.bit) fprintf(out, "  Transfer function: %s\n", f.name);
    }
    for (int type = 0; type < 8; ++type) {
        if (hdr.metadataTypes & (1u << type)) fprintf(out, "  Static metadata type %d\n", type + 1);
    }
    if (hdr.hasMax) fprintf(out, "  Desired content max luminance: %.3f cd/m^2\n", hdr.maxLuminance);
    if (hdr.hasFrameAverage) {
        fprintf(out, "  Desired content max frame-average luminance: %.3f cd/m^2\n", hdr.maxFrameAverage);
    }
    if (hdr.hasMin) fprintf(out, "  Desired content min luminance: %.3f cd/m^2\n", hdr.minLuminance);
}

void PrintColorimetry(FILE* out, const MonitorClaims& claims) {
    if (!claims.hasColorimetry) return;
    for (const Named& c : kColorimetries) {
        if (claims.colorimetry & c.bit) fprintf(out, "  Colorimetry: %s\n", c.name);
    }
}

void PrintLuminance(FILE* out, const char* name, double value) {
    if (value > 0) fprintf(out, "  %s: %f cd/m^2\n", name, value);
}

void PrintDisplayId(FILE* out, const DisplayIdParameters& d) {
    if (!d.present) return;
    PrintTwelveBitPoint(out, "Primary #1", d.primaries.red);
    PrintTwelveBitPoint(out, "Primary #2", d.primaries.green);
    PrintTwelveBitPoint(out, "Primary #3", d.primaries.blue);
    PrintTwelveBitPoint(out, "White Point", d.primaries.white);
    PrintLuminance(out, "Native Maximum Luminance (Full Coverage)", d.maxFullFrame);
    PrintLuminance(out, "Native Maximum Luminance (10% Rectangular Coverage)", d.max10Percent);
    PrintLuminance(out, "Native Minimum Luminance", d.minLuminance);
    if (d.colourDepth != 0) fprintf(out, "  Native Color Depth: %d bpc\n", d.colourDepth);
}

void PrintVrr(FILE* out, const MonitorClaims& claims) {
    if (claims.amdVrr.present) {
        fprintf(out, "  AMD Minimum Refresh Rate: %.0f Hz\n", claims.amdVrr.minHz);
        fprintf(out, "  AMD Maximum Refresh Rate: %.0f Hz\n", claims.amdVrr.maxHz);
    }
    // Either may be left out (0) on its own.
    if (claims.hdmiVrr.minHz > 0) fprintf(out, "  VRRmin: %.0f Hz\n", claims.hdmiVrr.minHz);
    if (claims.hdmiVrr.maxHz > 0) fprintf(out, "  VRRmax: %.0f Hz\n", claims.hdmiVrr.maxHz);
}

// What a test run takes from all of the above.
void PrintClaimed(FILE* out, const MonitorClaims& claims) {
    const double peak = ClaimedPeakLuminance(claims);
    if (peak > 0) fprintf(out, "  peak luminance %.1f cd/m^2\n", peak);
    PrintRange(out, "variable refresh", ClaimedVrrRange(claims));
    ColourPrimaries primaries;
    if (!ClaimedPrimaries(claims, &primaries)) return;
    GamutCoverage coverage;
    ComputeGamutCoverage(primaries, &coverage);
    for (int g = 0; g < kGamutReferences; ++g) {
        fprintf(out, "  gamut %s xy %.1f %% uv %.1f %%, area xy %.1f %% uv %.1f %%\n", kGamutNames[g],
                100 * coverage.coverXy[g], 100 * coverage.coverUv[g], 100 * coverage.areaXy[g], 100 * coverage.areaUv[g]);
    }
}

}  // namespace

void PrintClaimDetails(FILE* out, const unsigned char* edid, unsigned long length) {
    MonitorClaims claims;
    if (!DecodeMonitorClaims(edid, length, &claims)) return;
    if (claims.hasChromaticities) PrintBasePoints(out, claims.chromaticities);
    PrintRange(out, "Monitor ranges", claims.rangeLimits);
    PrintHdr(out, claims.hdr);
    PrintColorimetry(out, claims);
    if (claims.hdr10Plus) fprintf(out, "  HDR10+\n");
    PrintDisplayId(out, claims.displayId);
    PrintVrr(out, claims);
    PrintClaimed(out, claims);
}
