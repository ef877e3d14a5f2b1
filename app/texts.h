// The user-interface text catalogue: 83 keys in 13 languages, English as the fallback.
// Plain standard C++ (no Windows headers), so it also builds natively for sanitizers and fuzzing.
#pragma once

// A fixed underlying type makes every int a valid Str, so tr() can range-check a stray value
// instead of the value itself being undefined (the enum's own range would end at 127).
enum Str : int {
    STR_WINDOW_TITLE = 0,
    STR_CAT_SOLID = 1,
    STR_CAT_BRIGHTNESS = 2,
    STR_CAT_GEOMETRY = 3,
    STR_CAT_CONVERGENCE = 4,
    STR_CAT_FOCUS = 5,
    STR_CAT_MOIRE = 6,
    STR_CAT_READABILITY = 7,
    STR_CAT_RESOLUTION = 8,
    STR_CAT_COLORS = 9,
    STR_CAT_SOUND = 10,
    STR_WHITE = 11,
    STR_BLACK = 12,
    STR_RED = 13,
    STR_GREEN = 14,
    STR_BLUE = 15,
    STR_START = 16,
    STR_AUTO = 17,
    STR_DISPLAY_SETTINGS = 18,
    STR_ABOUT = 19,
    STR_LANGUAGE = 20,
    STR_SELECT_ONE = 21,
    STR_HINT1 = 22,
    STR_HINT2 = 23,
    STR_PRODUCT = 24,
    STR_SOUND_HELP = 25,
    STR_SETTINGS_FAILED = 26,
    STR_TEST_TITLE_FMT = 27,
    STR_AUTO_SUFFIX = 28,
    STR_PANGRAM = 29,
    STR_ABOUT_TEXT = 30,
    STR_HEADER_TITLE = 31,
    STR_HEADER_SUB = 32,
    STR_MONITOR_NATIVE_FMT = 33,
    STR_MONITOR_NO_EDID_FMT = 34,
    STR_SWITCH_REFUSED_FMT = 35,
    STR_MONITOR_ITEM_FMT = 36,
    STR_MONITOR_ITEM_NO_EDID_FMT = 37,
    STR_CAT_LEVELS = 38,          // the categories after Sound, in card order
    STR_CAT_MOTION = 39,
    STR_NEAR_BLACK = 40,          // the names of their screens, in mode order
    STR_NEAR_WHITE = 41,
    STR_GAMMA = 42,
    STR_UNIFORMITY_5 = 43,
    STR_UNIFORMITY_10 = 44,
    STR_UNIFORMITY_25 = 45,
    STR_UNIFORMITY_50 = 46,
    STR_FLICKER = 47,
    STR_MOVING_BLOCKS = 48,
    STR_FRAME_CHECK = 49,
    STR_MOTION_SPEED_FMT = 50,    // a motion lane's corner line: refresh rate, step, speed
    STR_MOTION_STEADY = 51,       // the motion screens' status while no frame was late
    STR_MOTION_DROPPED_FMT = 52,  // ... and for a second after one was
    STR_CAT_CHROMA = 53,          // the categories after Motion, in card order
    STR_CAT_EDGES = 54,
    STR_CHROMA = 55,              // the names of their screens, in mode order
    STR_SUBPIXEL_ORDER = 56,
    STR_EDGES = 57,
    STR_ONE_TO_ONE = 58,
    STR_SUBPIXEL_RGB = 59,        // the subpixel screen's labels of its three samples
    STR_SUBPIXEL_BGR = 60,
    STR_SUBPIXEL_GREY = 61,
    STR_EDGES_EXPLAINED = 62,     // the edges screen's text in the middle
    STR_EDGE_MARK_1 = 63,         // the labels of its marks 1 %, 2.5 % and 5 % in from each edge
    STR_EDGE_MARK_2_5 = 64,
    STR_EDGE_MARK_5 = 65,
    STR_EDGE_MARK_2 = 66,         // the ruler's other whole per cents (STR_EDGE_MARK_2_5 is no longer shown)
    STR_EDGE_MARK_3 = 67,
    STR_EDGE_MARK_4 = 68,
    STR_FACT_DESKTOP_FMT = 69,    // the one-to-one screen's facts: the mode Windows sends, "%d × %d"
    STR_FACT_SCALE_FMT = 70,      // Windows' display scale of the monitor, "%d %%"
    STR_FACT_NATIVE_FMT = 71,     // the native mode from the EDID, "%d × %d"
    STR_FACT_SCALED_FMT = 72,     // the two modes differ: desktop width, height, native width, height
    STR_FACT_NOT_SCALED = 73,     // they are the same
    STR_CAT_HDR = 74,             // the HDR card
    STR_HDR_PEAK_WINDOW = 75,     // the names of its screens: the seven peak windows share one
    STR_HDR_CLIPPING = 76,        // then one name each, in mode order
    STR_HDR_NEAR_BLACK = 77,
    STR_HDR_BLOOMING = 78,
    STR_HDR_TEN_BIT_STEPS = 79,
    STR_HDR_WIDE_GAMUT = 80,
    STR_VRR_SWEEP = 81,           // the Motion card's variable-refresh screens, in mode order
    STR_VRR_FLICKER = 82,
    STR_COUNT = 83
};

constexpr int kLanguageCount = 13;

// Index of the current UI language, always 0..12 (0 = English).
extern int g_lang;

// Language names as the combo box lists them, in index order.
extern const wchar_t* const g_langNames[kLanguageCount];

// Row per language, column per key; an empty entry means "not translated, use English".
extern const wchar_t* const g_texts[kLanguageCount][STR_COUNT];

// Text of `key` in the current language, or the English text where that entry is empty.
// Never null, never empty; the pointer stays valid for the life of the process.
const wchar_t* tr(Str key);
// The same in language `lang` (English for an index outside the languages).
const wchar_t* TextIn(int lang, Str key);

// Language index for a Windows UI language identifier; only the primary language
// (the low ten bits) counts, and anything not in the catalogue is English.
int LanguageFromLangId(unsigned langId);
