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
};

// A state with every figure unknown.
DisplayState UnknownDisplayState();
