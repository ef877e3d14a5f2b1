// The lines the variable-refresh screens write over their frames, in the 13 languages of the text
// catalogue. Plain standard C++ (no Windows headers).
#pragma once

enum VrrTextKey : int {
    VT_TARGET_FMT,           // the rate asked for ("57.0")
    VT_TARGET_HELD_FMT,      // the same while + or - hold it
    VT_PRESENTED_FMT,        // the rate measured from the present times
    VT_PRESENTED_MEASURING,  // before two presents were measured
    VT_RANGE_FMT,            // the EDID's range: low end, high end
    VT_RANGE_NONE_FMT,       // the EDID claims none: the low end used instead
    VT_FLICKER_FMT,          // the flicker screen's two rates: low, high
    VT_CANNOT_FMT,           // variable refresh cannot be used: one of the reasons below
    VT_NO_TEARING,
    VT_NO_D3D,
    VT_COUNT
};

// Row per language, column per key; an empty entry means "not translated, use English".
extern const wchar_t* const g_vrrTexts[13][VT_COUNT];

// `key` in the current language (English where that entry is empty); never null.
const wchar_t* VrrText(VrrTextKey key);
// The same in language `lang` (English for an index outside the languages).
const wchar_t* VrrTextIn(int lang, VrrTextKey key);
