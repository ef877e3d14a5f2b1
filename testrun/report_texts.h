// The texts of the findings: the keys that record them, the loupe, the results window, the saved
// report and the command line's usage, in the 13 languages. UTF-8, as the
// guidance panel's texts are. Plain standard C++ (no Windows headers).
#pragma once

#include "app/texts.h"

struct ReportTexts {
    const char* title;          // "TAVRO test report"
    const char* resultsTitle;   // "TAVRO - Results"
    const char* saveReport;     // "Save report..."
    const char* close;          // "Close"
    const char* created;        // "Created"
    const char* program;        // "Program"
    const char* system;         // "Windows"
    const char* monitor;        // "Monitor"
    const char* manufacturer;   // "Manufacturer"
    const char* model;          // "Model"
    const char* serial;         // "Serial number"
    const char* made;           // "Made"
    const char* madeFormat;     // "week %d of %d"
    const char* modelYear;      // "model year %d"
    const char* edidVersion;    // "EDID version"
    const char* nativeMode;     // "Native mode"
    const char* fromBlock;      // "from the %s block"
    const char* size;           // "Image size"
    const char* sizeFormat;     // "%d x %d cm"
    const char* noEdid;         // "The monitor gives no EDID."
    const char* modeTested;     // "Mode tested"
    const char* isNative;       // "the native mode"
    const char* notNative;      // "not the native mode"
    const char* refresh;        // "Refresh rate"
    const char* screensSeen;    // "Screens seen"
    const char* looksRight;     // "no fault noted"
    const char* faultNoted;     // "fault noted"
    const char* defects;        // "Marked defects"
    const char* noDefects;      // "No defect was marked."
    const char* position;       // "Position"
    const char* type;           // "Type"
    const char* screen;         // "Screen"
    const char* typeNames[4];   // "always lit", "always dark", "stuck subpixel", "fault"
    const char* map;            // "Where the defects are"
    const char* verdict;        // "Verdict"
    const char* perMillion;     // "per million pixels"
    const char* classFormat;    // "Meets ISO 13406-2 class %s"
    const char* noClass;        // "Meets no ISO 13406-2 class"
    const char* rawEdid;        // "Raw EDID"
    const char* saveFailed;     // "The report could not be saved to %s: %s"
    const char* faultsNoted;    // "Faults noted"
    const char* none;           // "none"
    const char* loupeHint;      // "1 always lit · 2 always dark · 3 stuck subpixel · arrows move · Enter marks · Esc cancels"
    const char* guideKeys;      // "M marks a defect at the pointer · N notes a fault of this screen"
    const char* noteAdded;      // "Fault noted on this screen"
    const char* noteRemoved;    // "Note removed"
    const char* usageTitle;     // "TAVRO - command line"
    const char* usage;          // the usage text, lines separated by \n
    const char* badArgument;    // "Not understood: %s"
};

extern const ReportTexts g_reportTexts[kLanguageCount];

// The texts in language `lang` (English for a language out of range).
const ReportTexts* ReportTextsOf(int lang);
