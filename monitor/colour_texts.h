// The texts that say what the monitor claims of its colours and what Windows does with them: the
// selection window's second monitor line, the guidance panel's colour notes and the report's rows,
// in the 13 languages. UTF-8, as the guidance panel's texts are. Plain standard C++ (no Windows headers).
#pragma once

#include <array>

#include "app/texts.h"

// The keys of the texts; each language's table names the key beside its text.
enum ColourText : int {
    CT_BITS,           // "%d-bit": the signal's bits per colour
    CT_PEAK,           // "peak %d cd/m²"
    CT_GAMUT,          // "%d %% DCI-P3": the share of DCI-P3's xy triangle the primaries cover
    CT_VRR,            // "VRR %d–%d Hz"
    CT_SDR_WHITE,      // "SDR white %d cd/m²"
    CT_HDR_LEVELS,     // the guidance note of a levels screen under HDR, SDR white level unknown
    CT_HDR_LEVELS_AT,  // the same with the SDR white level (%d cd/m²)
    CT_CHROMA_SIGNAL,  // "Windows reports %s for this monitor."
    CT_CLAIMS_ROW,     // "Colour claims (EDID)": the report's row of the EDID's claims
    CT_WINDOWS_ROW,    // "Reported by Windows": its row of the state Windows reported
    CT_COUNT
};

using ColourTexts = std::array<const char*, CT_COUNT>;

extern const ColourTexts g_colourTexts[kLanguageCount];

// The text of `key` in language `lang`, the English one where that language has none; never null.
const char* ColourTextOf(int lang, int key);
