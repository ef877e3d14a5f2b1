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
