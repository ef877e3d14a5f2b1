// What is known of the tested monitor's colours, put in words: the EDID's claims and what Windows
// reports, as the selection window's second monitor line and the report's rows show them.
// Plain standard C++ (no Windows headers).
#pragma once

#include "monitor/display_state.h"
#include "monitor/edid_colour.h"

// Nonzero where Windows reported anything at all of the monitor's colours.
int DisplayStateKnown(const DisplayState& state);

// "YCbCr 4:2:2": the encoding's name; null where it is unknown or one not named (intensity only).
const char* SignalEncodingName(SignalEncoding encoding);

// The share of DCI-P3's xy triangle the claimed primaries cover, in whole percent; -1 where the
// EDID gives no primaries.
int ClaimedDciP3Percent(const MonitorClaims& claims);

// What Windows reports in language `lang`, UTF-8, the known parts joined by " · ": the colour mode,
// the signal's bits and encoding ("HDR · 10-bit RGB") and, with `withWhite`, the SDR white level.
// Returns the bytes written; 0 (and "") where Windows reported none of them.
int WindowsStateText(int lang, const DisplayState& state, int withWhite, char* out, int size);

// What the EDID claims, the same way: the peak luminance followed by `peakSuffix`, the DCI-P3
// coverage, the variable-refresh range and, with `withTransfer`, the HDR transfer functions.
int ClaimsText(int lang, const MonitorClaims& claims, const char* peakSuffix, int withTransfer, char* out, int size);

// The selection window's second monitor line: what Windows reports, then what the EDID claims
// (`claims` null where the monitor gives no EDID). Returns 0 (and "") where nothing is known.
int ColourSummaryLine(int lang, const MonitorClaims* claims, const DisplayState& state, char* out, int size);
