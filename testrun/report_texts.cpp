// The results window's and the report's texts, per language.
#include "testrun/report_texts.h"

namespace {

const ReportTexts kEnglish = {
    u8"TAVRO test report",
    u8"TAVRO - Results",
    u8"Save report\u2026",
    u8"Close",
    u8"Created",
    u8"Program",
    u8"Windows",
    u8"Monitor",
    u8"Manufacturer",
    u8"Model",
    u8"Serial number",
    u8"Made",
    u8"week %d of %d",
    u8"model year %d",
    u8"EDID version",
    u8"Native mode",
    u8"from the %s block",
    u8"Image size",
    u8"%d \u00D7 %d cm",
    u8"The monitor gives no EDID.",
    u8"Mode tested",
    u8"the native mode",
    u8"not the native mode",
    u8"Refresh rate",
    u8"Screens seen",
    u8"no fault noted",
    u8"fault noted",
    u8"Marked defects",
    u8"No defect was marked.",
    u8"Position",
    u8"Type",
    u8"Screen",
    {u8"always lit", u8"always dark", u8"stuck subpixel", u8"fault"},
    u8"Where the defects are",
    u8"Verdict",
    u8"per million pixels",
    u8"Meets ISO 13406-2 class %s",
    u8"Meets no ISO 13406-2 class",
    u8"Raw EDID",
    u8"The report could not be saved to %s: %s",
    u8"Faults noted",
    u8"none",
    u8"1 always lit \u00B7 2 always dark \u00B7 3 stuck subpixel \u00B7 arrows move \u00B7 Enter marks \u00B7 Esc cancels",
    u8"M marks a defect at the pointer \u00B7 N notes a fault of this screen",
    u8"Fault noted on this screen",
    u8"Note removed",
    u8"TAVRO - command line",
    u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
    u8"/auto, /start: begin a run at once, timed or stepped by hand\n"
    u8"/cards: the cards to tick, numbered from 1 as on screen (1-12)\n"
    u8"/monitor: the monitor, numbered from 1 as in the monitor box\n"
    u8"/report: save the report there when the run ends, without asking",
    u8"Not understood: %s",
};

}  // namespace

const ReportTexts g_reportTexts[kLanguageCount] = {
    kEnglish, kEnglish, kEnglish, kEnglish, kEnglish, kEnglish, kEnglish,
    kEnglish, kEnglish, kEnglish, kEnglish, kEnglish, kEnglish,
};

const ReportTexts* ReportTextsOf(int lang) {
    return &g_reportTexts[lang >= 0 && lang < kLanguageCount ? lang : 0];
}
