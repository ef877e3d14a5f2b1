// The HDR screens' texts in 13 languages.
#include "hdr/hdr_texts.h"

#include "app/texts.h"

static_assert(kLanguageCount == 13, "one row per language");

// "cd/m²" and the numbers are the same in every language; the numbers use a no-break space
// between thousands.
const wchar_t* const g_hdrTexts[13][HT_COUNT] = {
    {
        // 0 English
        L"White window of %ls of the screen's area at %ls cd/m\x00B2",
        L"Compare the windows: a small one that looks brighter than the full field (100 %) shows the "
        L"monitor's brightness limiter at work.",
        L"Boxes on 5 cd/m\x00B2: those that look the same as the brightest are clipped; the monitor's tone "
        L"mapping ends there.",
        L"Framed: the step at the peak this monitor claims, %ls cd/m\x00B2.",
        L"Boxes on true black (0 cd/m\x00B2): every box you can tell from the black is detail the monitor "
        L"keeps.",
        L"Single pixels at %ls cd/m\x00B2",
        L"3 \x00D7 3 dots at %ls cd/m\x00B2",
        L"A box of 1 %% of the area at %ls cd/m\x00B2",
        L"White text at %ls cd/m\x00B2",
        L"Halos around bright things on black show the local dimming zones.",
        L"10 bits: every PQ code from 0 to 100 cd/m\x00B2 (521 steps)",
        L"8 bits: every fourth code (131 steps). Where both halves look alike, the monitor is not showing "
        L"10 bits.",
        L"Red, green and blue of sRGB, DCI-P3 and BT.2020 at equal luminance: on an sRGB-only monitor "
        L"each row's three patches look the same.",
        L"HDR is off for this monitor, so everything above SDR white is clipped; turn on \x201CUse HDR\x201D "
        L"in Windows' display settings.",
        L"HDR screens cannot be shown on this computer: %ls",
        L"Direct3D 11 (d3d11.dll) is missing.",
        L"DXGI (dxgi.dll) is missing.",
        L"no Direct3D 11 device could be made, not even in software (WARP).",
        L"this Windows has no flip-model swap chains (Windows 8 or later is needed).",
        L"the graphics driver gives no 16-bit floating-point swap chain.",
        L"the graphics driver stopped showing the frames.",
    },
    {},  // 1 Chinese
    {},  // 2 German
    {},  // 3 French
    {},  // 4 Spanish
    {},  // 5 Portuguese
    {},  // 6 Dutch
    {},  // 7 Swedish
    {},  // 8 Russian
    {},  // 9 Polish
    {},  // 10 Japanese
    {},  // 11 Korean
    {},  // 12 Italian
};

const wchar_t* HdrTextIn(int lang, HdrTextKey key) {
    if (key < 0 || key >= HT_COUNT) return L"";
    if (lang < 0 || lang >= kLanguageCount) lang = 0;
    const wchar_t* text = g_hdrTexts[lang][key];
    return text != nullptr && text[0] != L'\0' ? text : g_hdrTexts[0][key];
}

const wchar_t* HdrText(HdrTextKey key) { return HdrTextIn(g_lang, key); }
