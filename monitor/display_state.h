// What Windows reports of the tested monitor's colours: the colour mode (SDR, WCG, HDR), the
// signal's bits and encoding, the SDR white level, and DXGI's description of the output.
// Plain standard C++ (no Windows headers); monitor/display_state_query.* asks Windows.
#pragma once

#include "monitor/edid_colour.h"

enum ColourMode { kColourModeUnknown = 0, kColourModeSdr, kColourModeWcg, kColourModeHdr };

// The signal's colour encoding (DISPLAYCONFIG_COLOR_ENCODING).
enum SignalEncoding {
    kSignalUnknown = 0,
    kSignalRgb,
    kSignalYcbcr444,
    kSignalYcbcr422,
    kSignalYcbcr420,
    kSignalIntensity,
};

// The figures of DisplayState, each with the reason it is unknown in DisplayState::gaps.
enum DisplayFigure {
    kFigureMode,
    kFigureHdrSupported,
    kFigureHdrUserEnabled,
    kFigureAdvancedColour,  // advancedColourSupported and advancedColourEnabled
    kFigureBits,
    kFigureEncoding,
    kFigureSdrWhite,
    kFigureOutput,
    kFigureOutputColourSpace,
    kFigureOutputBits,
    kFigureOutputPrimaries,
    kFigureOutputMinLuminance,
    kFigureOutputMaxLuminance,
    kFigureOutputMaxFullFrame,
    kDisplayFigures,
};

enum FigureGap {
    kGapKnown = 0,
    kGapNotAsked,   // nobody asked Windows (the state as UnknownDisplayState gives it)
    kGapNoMonitor,  // Windows lists no display path or DXGI output for the tested monitor
    kGapNotOffered, // this Windows lacks the call (DXGI 1.6 before Windows 10 1803, say)
    kGapFailed,     // Windows refused the call
    kGapNotSaid,    // the call answered but does not tell this figure
    kGapNonsense,   // the answer is out of range
};

// Every figure is unknown (-1 for the yes/no ones, 0 for the others) where Windows did not answer
// or answered nonsense.
struct DisplayState {
    ColourMode mode;             // from the advanced colour info 2 where it answers, else from type 9
    int modeFromInfo2;           // nonzero where `mode` came from the advanced colour info 2
    int hdrSupported;            // -1, 0, 1
    int hdrUserEnabled;          // -1, 0, 1: the user switched HDR on
    int advancedColourSupported; // -1, 0, 1 (type 9)
    int advancedColourEnabled;   // -1, 0, 1 (type 9; also on in SDR with automatic colour management)
    int bitsPerChannel;          // 0 unknown
    SignalEncoding encoding;
    double sdrWhiteNits;         // the SDR content brightness, cd/m²; 0 unknown
    int hasOutput;               // DXGI described the tested monitor's output
    int outputColourSpace;       // DXGI_COLOR_SPACE_TYPE; -1 unknown
    int outputBits;              // 0 unknown
    int hasOutputPrimaries;
    ColourPrimaries outputPrimaries;
    double outputMinLuminance;   // cd/m²; -1 unknown (0 may be true)
    double outputMaxLuminance;   // cd/m²; 0 unknown
    double outputMaxFullFrame;   // cd/m²; 0 unknown
    unsigned char gaps[kDisplayFigures];  // FigureGap by DisplayFigure: why each figure is unknown
};

// A state with every figure unknown.
DisplayState UnknownDisplayState();

// The reasons, a short ASCII key each ("failed", "nonsense", ...) for the saved reports.
const char* FigureGapKey(FigureGap gap);

// Windows' answers as they come, before any judgement: the fields of the DisplayConfig packets
// (advanced colour info 2 is type 15, advanced colour info type 9, SDR white level type 11) and of
// DXGI's output description. `answered` is zero where the call failed or was not made.
struct ColourInfo2Answer {
    int answered;
    unsigned flags;           // kInfo2… bits
    unsigned encoding;        // DISPLAYCONFIG_COLOR_ENCODING
    unsigned bitsPerChannel;
    unsigned activeMode;      // DISPLAYCONFIG_ADVANCED_COLOR_MODE: 0 SDR, 1 WCG, 2 HDR
};

struct ColourInfoAnswer {
    int answered;
    unsigned flags;  // kInfo… bits
    unsigned encoding;
    unsigned bitsPerChannel;
};

struct SdrWhiteAnswer {
    int answered;
    unsigned long level;  // 1000 is 80 cd/m²
};

struct OutputAnswer {
    int answered;
    unsigned bitsPerColour;
    unsigned colourSpace;   // DXGI_COLOR_SPACE_TYPE
    float primaries[8];     // red x y, green x y, blue x y, white x y
    float minLuminance, maxLuminance, maxFullFrame;
};

// The flag bits of the advanced colour info 2 (type 15), bit for bit.
enum : unsigned {
    kInfo2AdvancedColourSupported = 1u << 0,
    kInfo2AdvancedColourActive = 1u << 1,
    kInfo2LimitedByPolicy = 1u << 3,
    kInfo2HdrSupported = 1u << 4,
    kInfo2HdrUserEnabled = 1u << 5,
    kInfo2WideColourSupported = 1u << 6,
    kInfo2WideColourUserEnabled = 1u << 7,
};

// The flag bits of the advanced colour info (type 9), bit for bit.
enum : unsigned {
    kInfoAdvancedColourSupported = 1u << 0,
    kInfoAdvancedColourEnabled = 1u << 1,
    kInfoWideColourEnforced = 1u << 2,
    kInfoAdvancedColourForceDisabled = 1u << 3,
};

struct DisplayAnswers {
    FigureGap configGap;  // kGapKnown where the display path was found and the three calls made
    ColourInfo2Answer info2;
    ColourInfoAnswer info;
    SdrWhiteAnswer sdrWhite;
    FigureGap outputGap;  // kGapKnown where DXGI's output was found and described
    OutputAnswer output;
};

// Judges Windows' answers: every figure known and in range, or unknown with its reason in `gaps`.
// The mode: type 15's active mode where it answers, whatever type 9 says (type 9's "enabled" is on
// in SDR with automatic colour management too). Where only type 9 answers: advanced colour
// supported, enabled and not forced off is HDR, or WCG where Windows enforces wide colour (automatic
// colour management before type 15); anything else is SDR. Bits and encoding: type 15's, else type
// 9's. In range: 6 to 16 bits, luminances and the SDR white above 0 and up to 10 000 cd/m², a
// minimum luminance below a known maximum, chromaticities inside the xy triangle.
void InterpretDisplayAnswers(const DisplayAnswers& answers, DisplayState* state);
