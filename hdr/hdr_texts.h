// The texts of the HDR screens and of the HDR card, in the 13 languages of the text catalogue.
// Plain standard C++ (no Windows headers).
#pragma once

enum HdrTextKey : int {
    HT_PEAK_AREA_FMT,       // a peak window's label: its share of the area ("1 %"), then its luminance ("10 000")
    HT_PEAK_COMPARE,        // above it: what to compare
    HT_CLIPPING_CAPTION,    // the clipping steps' line at the top
    HT_CLAIMED_PEAK_FMT,    // the line under them where the claimed peak is known: its luminance
    HT_NEAR_BLACK_CAPTION,  // the near-black boxes' line at the top
    HT_BLOOM_PIXELS_FMT,    // the blooming screen's captions, each with the luminance
    HT_BLOOM_DOTS_FMT,
    HT_BLOOM_BOX_FMT,
    HT_BLOOM_TEXT_FMT,
    HT_BLOOM_TEXT_LINE,     // the line of text drawn at the full signal
    HT_STEPS_TEN_BIT,       // the 10-bit steps screen's captions above and below the band
    HT_STEPS_EIGHT_BIT,
    HT_GAMUT_CAPTION,       // the wide-gamut screen's line at the top
    HT_HDR_OFF,             // on every HDR screen and on the card while Windows has HDR off
    HT_CANNOT_RUN_FMT,      // the frames cannot be shown: the reason, one of the texts below
    HT_NO_D3D11,
    HT_NO_DXGI,
    HT_NO_DEVICE,
    HT_NO_FLIP_MODEL,
    HT_NO_SWAP_CHAIN,
    HT_SHOW_FAILED,
    HT_COUNT
};

// Row per language, column per key; an empty entry means "not translated, use English".
extern const wchar_t* const g_hdrTexts[13][HT_COUNT];

// `key` in the current language (English where that entry is empty); never null.
const wchar_t* HdrText(HdrTextKey key);
// The same in language `lang` (English for an index outside the languages).
const wchar_t* HdrTextIn(int lang, HdrTextKey key);
