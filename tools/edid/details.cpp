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

void PrintBasePoints(FILE* out, const ColourPrimaries& p) {
    fprintf(out, "  Red  : %.4f, %.4f\n", p.red.x, p.red.y);
    fprintf(out, "  Green: %.4f, %.4f\n", p.green.x, p.green.y);
    fprintf(out, "  Blue : %.4f, %.4f\n", p.blue.x, p.blue.y);
    fprintf(out, "  White: %.4f, %.4f\n", p.white.x, p.white.y);
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
    const Chromaticity* points[] = {&d.primaries.red, &d.primaries.green, &d.primaries.blue, &d.primaries.white};
    const char* names[] = {"Primary #1", "Primary #2", "Primary #3", "White Point"};
    for (int i = 0; i < 4; ++i) fprintf(out, "  DisplayID %s: (%.6f, %.6f)\n", names[i], points[i]->x, points[i]->y);
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
