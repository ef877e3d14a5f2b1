// The texts of the findings: the keys that record them, the loupe, the results window, the saved
// report and the command line's usage, in the 13 languages. UTF-8, as the
// guidance panel's texts are. Plain standard C++ (no Windows headers).
#pragma once

#include <array>

#include "app/texts.h"

// The keys of the texts. Each language's table names the key beside its text, so no text can slip
// into another's place.
enum ReportText : int {
    RT_TITLE,  // "TAVRO test report"
    RT_RESULTS_TITLE,  // "TAVRO - Results"
    RT_SAVE_REPORT,  // "Save report..."
    RT_CLOSE,  // "Close"
    RT_CREATED,  // "Created"
    RT_PROGRAM,  // "Program"
    RT_SYSTEM,  // "Windows"
    RT_MONITOR,  // "Monitor"
    RT_MANUFACTURER,  // "Manufacturer"
    RT_MODEL,  // "Model"
    RT_SERIAL,  // "Serial number"
    RT_MADE,  // "Made"
    RT_MADE_FORMAT,  // "week %d of %d"
    RT_MODEL_YEAR,  // "model year %d"
    RT_EDID_VERSION,  // "EDID version"
    RT_NATIVE_MODE,  // "Native mode"
    RT_FROM_BLOCK,  // "from the %s block"
    RT_SIZE,  // "Image size"
    RT_SIZE_FORMAT,  // "%d x %d cm"
    RT_NO_EDID,  // "The monitor gives no EDID."
    RT_MODE_TESTED,  // "Mode tested"
    RT_IS_NATIVE,  // "the native mode"
    RT_NOT_NATIVE,  // "not the native mode"
    RT_REFRESH,  // "Refresh rate"
    RT_SCREENS_SEEN,  // "Screens seen"
    RT_LOOKS_RIGHT,  // "no fault noted"
    RT_FAULT_NOTED,  // "fault noted"
    RT_DEFECTS,  // "Marked defects"
    RT_NO_DEFECTS,  // "No defect was marked."
    RT_POSITION,  // "Position"
    RT_TYPE,  // "Type"
    RT_SCREEN,  // "Screen"
    RT_TYPE_LIT,  // the defect types in DefectType order: "always lit", "always dark", "stuck subpixel", "fault"
    RT_TYPE_DARK,
    RT_TYPE_SUBPIXEL,
    RT_TYPE_OTHER,
    RT_MAP,  // "Where the defects are"
    RT_VERDICT,  // "Verdict"
    RT_PER_MILLION,  // "per million pixels"
    RT_CLASS_FORMAT,  // "Meets ISO 13406-2 class %s"
    RT_NO_CLASS,  // "Meets no ISO 13406-2 class"
    RT_RAW_EDID,  // "Raw EDID"
    RT_SAVE_FAILED,  // "The report could not be saved to %s: %s"
    RT_FAULTS_NOTED,  // "Faults noted"
    RT_NONE,  // "none"
    RT_LOUPE_HINT,  // "1 always lit · 2 always dark · 3 stuck subpixel · arrows move · Enter marks · Esc cancels"
    RT_GUIDE_KEYS,  // "M marks a defect at the pointer · N notes a fault of this screen"
    RT_NOTE_ADDED,  // "Fault noted on this screen"
    RT_NOTE_REMOVED,  // "Note removed"
    RT_USAGE_TITLE,  // "TAVRO - command line"
    RT_USAGE,  // the usage text, lines separated by \n
    RT_BAD_ARGUMENT,  // "Not understood: %s"
    RT_MARKS_FULL,  // "The list is full: %d marks, this one was not kept"
    RT_MARKED_AGAIN,  // "Marked again: now %s"
    RT_CLUSTERS,  // "Clusters (two or more within 5 x 5 pixels)"
    RT_CLUSTERS_FORMAT,  // "%d of always lit or dark pixels, %d of stuck subpixels"
    RT_ANY_LIT,  // "Always-lit pixel marked"
    RT_YES,  // "yes"
    RT_NO,  // "no"
    RT_RESTS_ON,  // "The class rests on ... per million of the %d x %d pixels of %s."
    RT_TESTED_BASIS,  // "the mode tested (the EDID names no native mode)"
    RT_LIST_CUT,  // "(The list is cut here: the saved report holds all of it.)"
    RT_REASON_MISSING,  // "%s needs a value after it"
    RT_REASON_UNKNOWN,  // "%s is not one of the options"
    RT_REASON_TWO_STARTS,  // "only one of /auto and /start may be given"
    RT_REASON_CARDS,  // "/cards takes card numbers from 1 to %d, separated by commas, once"
    RT_REASON_MONITOR,  // "/monitor takes one monitor number from 1 to %d"
    RT_REASON_REPORT,  // "/report takes one path of 1 to %d characters"
    RT_CONSOLE_SAVED,  // "%s. Report: %s"
    RT_MOTION_HEADING,  // "Motion screens"
    RT_MOTION_DROPPED,  // "%s at %s Hz: dropped %s of %s frames"
    RT_MOTION_STEADY,  // "%s at %s Hz: no frame dropped in %s"
    RT_UNKNOWN,  // "unknown": a figure no source gave
    RT_NOT_AT_NATIVE,  // "This run was not at the monitor's native mode (%d x %d): the verdict is on the %d x %d pixels tested."
    RT_HDR_SCREENS,  // "HDR screens": the row of what they were shown with
    RT_HDR_ON,  // "shown in HDR"
    RT_HDR_OFF,  // "HDR was off in Windows: everything above SDR white was clipped"
    RT_HDR_SWITCHED,  // "HDR was switched on or off while they were shown"
    RT_HDR_STATE_UNKNOWN,  // "Windows did not say whether HDR was on"
    RT_HDR_NOT_PRESENTED,  // "not shown through Direct3D 11 on this computer: standard range only"
    RT_HDR_LEVELS,  // "SDR white %s, claimed peak %s": luminances with their unit, or "unknown"
    RT_VRR_FIGURES,  // "%s: rates asked %s–%s Hz, presented %s–%s Hz, %s frames"
    RT_VRR_UNUSABLE,  // "variable refresh could not be used on this computer"
    RT_COUNT
};

// One language's texts, indexed by key; a missing text is null.
using ReportTexts = std::array<const char*, RT_COUNT>;

extern const ReportTexts g_reportTexts[kLanguageCount];

// The texts in language `lang` (English for a language out of range).
const ReportTexts* ReportTextsOf(int lang);

// The text of `key` in language `lang`, the English one where that language has none; never null.
const char* ReportText(int lang, int key);
