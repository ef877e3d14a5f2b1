// What the EDID claims of the monitor's colours, luminance and refresh range: the base block's
// chromaticities, CTA-861's HDR static metadata, colorimetry and HDR dynamic metadata blocks,
// DisplayID 2.0's display parameters, and the variable-refresh range; and how much of the sRGB,
// DCI-P3 and BT.2020 gamuts a set of primaries covers. Plain standard C++ (no Windows headers).
#pragma once

struct Chromaticity {
    double x, y;  // CIE 1931 xy; from the EDID's 10-bit values, value / 1024
};

struct ColourPrimaries {
    Chromaticity red, green, blue, white;
};

// Transfer functions of CTA-861's HDR static metadata block (its byte 3, bit for bit).
enum : unsigned {
    kEotfTraditionalSdr = 1u << 0,
    kEotfTraditionalHdr = 1u << 1,
    kEotfSmpteSt2084 = 1u << 2,
    kEotfHlg = 1u << 3,
};

// CTA-861's colorimetry data block: its byte 3 in bits 0-7, its byte 4 in bits 8-15.
enum : unsigned {
    kColorimetryXvYcc601 = 1u << 0,
    kColorimetryXvYcc709 = 1u << 1,
    kColorimetrySYcc601 = 1u << 2,
    kColorimetryOpYcc601 = 1u << 3,
    kColorimetryOpRgb = 1u << 4,
    kColorimetryBt2020CYcc = 1u << 5,
    kColorimetryBt2020Ycc = 1u << 6,
    kColorimetryBt2020Rgb = 1u << 7,
    kColorimetryIctCp = 1u << 14,
    kColorimetryDciP3 = 1u << 15,
};

struct HdrStaticMetadata {
    int present;                 // the block is there and whole
    unsigned transferFunctions;  // kEotf… bits
    unsigned metadataTypes;      // bit 0: static metadata type 1
    int hasMax, hasFrameAverage, hasMin;  // which of the three luminances the block gives
    double maxLuminance;         // desired content maximum, cd/m²: 50 · 2^(CV/32)
    double maxFrameAverage;      // desired content maximum frame-average, cd/m²
    double minLuminance;         // desired content minimum, cd/m²: max · (CV/255)² / 100
};

struct DisplayIdParameters {
    int present;  // DisplayID 2.0's display parameters block is there and whole
    ColourPrimaries primaries;
    double maxFullFrame;  // cd/m²; 0 where the block leaves it out
    double max10Percent;  // cd/m²; 0 where left out
    double minLuminance;  // cd/m²; 0 where left out
    int colourDepth;      // native bits per primary; 0 where not given
};

struct RefreshRange {
    int present;
    double minHz, maxHz;
};

struct MonitorClaims {
    int hasChromaticities;
    ColourPrimaries chromaticities;  // the base block's
    HdrStaticMetadata hdr;
    int hasColorimetry;
    unsigned colorimetry;  // kColorimetry… bits
    int hdr10Plus;         // an HDR dynamic metadata block names HDR10+ (type 4), or an HDR10+ video block is there
    DisplayIdParameters displayId;
    RefreshRange rangeLimits;  // the range limits descriptor's vertical rates
    RefreshRange amdVrr;       // the AMD vendor-specific block's minimum and maximum refresh
    RefreshRange hdmiVrr;      // the HDMI Forum block's VRRmin and VRRmax
};

// Reads every claim from the `length` bytes of `edid`, never past them. A block that is short, has
// a bad checksum or whose lengths run past it leaves its claims unknown. Returns 0 (and a cleared
// `claims`) where there is no base block.
int DecodeMonitorClaims(const unsigned char* edid, unsigned long length, MonitorClaims* claims);

// The peak luminance the monitor claims: the HDR block's desired content maximum, else DisplayID's
// 10 % maximum; 0 where neither says.
double ClaimedPeakLuminance(const MonitorClaims& claims);

// The variable-refresh range the monitor claims: the HDMI Forum block's, else the AMD block's,
// else none (present 0). The range limits descriptor alone is not taken for one, continuous
// frequencies or not: fixed-rate monitors give 56-76 Hz there as often as adaptive ones give
// their range, and whether a DisplayPort monitor adapts is told by the link, not the EDID.
RefreshRange ClaimedVrrRange(const MonitorClaims& claims);

// The primaries the gamut figures are computed from: DisplayID's where given, else the base
// block's. Returns 0 where the EDID gives none.
int ClaimedPrimaries(const MonitorClaims& claims, ColourPrimaries* primaries);

enum GamutReference { kGamutSrgb, kGamutDciP3, kGamutBt2020, kGamutReferences };

struct GamutCoverage {
    double coverXy[kGamutReferences];  // share of the reference's triangle the primaries' covers, 0..1
    double coverUv[kGamutReferences];  // the same in CIE 1976 u'v'
    double areaXy[kGamutReferences];   // the primaries' triangle's area over the reference's
    double areaUv[kGamutReferences];
};

void ComputeGamutCoverage(const ColourPrimaries& primaries, GamutCoverage* coverage);
