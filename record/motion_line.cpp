// The motion screens' line of the record.
#include "record/motion_line.h"

#include <string.h>

#include "app/bounded_format.h"
#include "record/report_texts.h"
#include "testrun/catalogue.h"
#include "testrun/guide_texts.h"

void MotionFiguresLine(int lang, int screen, const MotionFigures& figures, char* out, int size) {
    if (size <= 0) return;
    out[0] = '\0';
    if (screen < 0 || screen >= kMotionScreens || figures.frames <= 0) return;
    const char* name = GuideTextOf(lang, kMovingBlocksMode + screen)->name;
    char number[24];
    const char* rate = RefreshRateText(figures.hz, number, sizeof(number)) ? number : ReportText(lang, RT_UNKNOWN);
    char dropped[32];  // the longest count, 19 digits and 6 two-byte separators, fits
    char total[32];
    FormatGroupedCount(dropped, sizeof(dropped), figures.dropped);
    FormatGroupedCount(total, sizeof(total), figures.frames);
    if (figures.dropped > 0) {
        FormatUtf8(out, size, ReportText(lang, RT_MOTION_DROPPED), name, rate, dropped, total);
    } else {
        FormatUtf8(out, size, ReportText(lang, RT_MOTION_STEADY), name, rate, total);
    }
}

namespace {

// A rate of the record, or "unknown".
const char* RateOrUnknown(int lang, double hz, char* number, int size) {
    return RefreshRateKnown(hz) && RefreshRateText(hz, number, size) ? number : ReportText(lang, RT_UNKNOWN);
}

}  // namespace

void VrrFiguresLine(int lang, int screen, const VrrFigures& figures, char* out, int size) {
    if (size <= 0) return;
    out[0] = '\0';
    if (screen < 0 || screen >= kVrrScreens || figures.visits <= 0) return;
    const char* name = GuideTextOf(lang, kVrrSweepMode + screen)->name;
    char rates[4][24];
    char frames[32];
    FormatGroupedCount(frames, sizeof(frames), figures.frames);
    char figuresText[512];
    FormatUtf8(figuresText, sizeof(figuresText), ReportText(lang, RT_VRR_FIGURES), name,
               RateOrUnknown(lang, figures.sweptLowHz, rates[0], sizeof(rates[0])),
               RateOrUnknown(lang, figures.sweptHighHz, rates[1], sizeof(rates[1])),
               RateOrUnknown(lang, figures.presentedLowHz, rates[2], sizeof(rates[2])),
               RateOrUnknown(lang, figures.presentedHighHz, rates[3], sizeof(rates[3])), frames);
    if (figures.variableRefresh) {
        FormatUtf8(out, size, "%s", figuresText);
    } else {
        FormatUtf8(out, size, "%s; %s", figuresText, ReportText(lang, RT_VRR_UNUSABLE));
    }
}
