// The motion screens' line of the record.
#include "record/motion_line.h"

#include <string.h>

#include "app/bounded_format.h"
#include "record/report_texts.h"
#include "testrun/catalogue.h"
#include "testrun/guide_texts.h"

void GroupedCount(long long count, char* out, int size) {
    char digits[24];
    const int length = FormatUtf8(digits, sizeof(digits), "%lld", count < 0 ? 0 : count);
    int n = 0;
    for (int k = 0; k < length && n + 3 < size; ++k) {
        if (k > 0 && (length - k) % 3 == 0) {
            out[n++] = '\xC2';  // U+00A0
            out[n++] = '\xA0';
        }
        out[n++] = digits[k];
    }
    if (size > 0) out[n] = '\0';
}

void MotionFiguresLine(int lang, int screen, const MotionFigures& figures, char* out, int size) {
    if (size <= 0) return;
    out[0] = '\0';
    if (screen < 0 || screen >= kMotionScreens || figures.frames <= 0) return;
    const char* name = GuideTextOf(lang, kMovingBlocksMode + screen)->name;
    char rate[24];
    char dropped[32];
    char total[32];
    RefreshRateText(figures.hz, rate, sizeof(rate));
    GroupedCount(figures.dropped, dropped, sizeof(dropped));
    GroupedCount(figures.frames, total, sizeof(total));
    if (figures.dropped > 0) {
        FormatUtf8(out, size, ReportText(lang, RT_MOTION_DROPPED), name, rate, dropped, total);
    } else {
        FormatUtf8(out, size, ReportText(lang, RT_MOTION_STEADY), name, rate, total);
    }
}
