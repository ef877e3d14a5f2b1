// The record of a run's findings and its class verdict.
#include "testrun/findings.h"

#include <string.h>

const double g_isoLimits[kIsoClasses][3] = {
    {0, 0, 0},      // class I
    {2, 2, 5},      // class II
    {5, 15, 50},    // class III
    {50, 150, 500}, // class IV
};

void ClearFindings(Findings* findings, int width, int height) {
    memset(findings->seen, 0, sizeof(findings->seen));
    memset(findings->noted, 0, sizeof(findings->noted));
    findings->markCount = 0;
    findings->width = width;
    findings->height = height;
}

int FindingsRecorded(const Findings* findings) {
    if (findings->markCount > 0) return 1;
    for (unsigned char noted : findings->noted) {
        if (noted) return 1;
    }
    return 0;
}

int ToggleNote(Findings* findings, int mode) {
    if (ModeCategory(mode) < 0) return 0;
    findings->noted[mode] = !findings->noted[mode];
    return findings->noted[mode];
}

int AddMark(Findings* findings, const Mark& mark) {
    if (findings->markCount >= kMaxMarks || ModeCategory(mark.mode) < 0) return -1;
    findings->marks[findings->markCount] = mark;
    return findings->markCount++;
}

int MarksOnScreen(const Findings* findings, int mode) {
    int count = 0;
    for (int k = 0; k < findings->markCount; ++k) count += findings->marks[k].mode == mode;
    return count;
}

int DefaultDefectType(int mode) {
    switch (mode) {
        case 1:  // black: a pixel that stays lit
            return kDefectLit;
        case 0:  // white: a pixel that stays dark
            return kDefectDark;
        case 2:
        case 3:
        case 4:  // red, green, blue: a subpixel stuck on or off
            return kDefectSubpixel;
        default:
            return kDefectOther;
    }
}

ClassVerdict JudgePixelFaults(const Findings* findings) {
    ClassVerdict verdict = {};
    for (int k = 0; k < findings->markCount; ++k) {
        const int type = findings->marks[k].type;
        if (type >= kDefectLit && type <= kDefectSubpixel) ++verdict.counts[type - 1];
    }
    const double megapixels = static_cast<double>(findings->width) * findings->height / 1e6;
    for (int t = 0; t < 3; ++t) verdict.perMillion[t] = megapixels > 0 ? verdict.counts[t] / megapixels : 0;
    for (int c = 0; c < kIsoClasses && verdict.isoClass == 0; ++c) {
        bool meets = true;
        for (int t = 0; t < 3; ++t) meets = meets && verdict.perMillion[t] <= g_isoLimits[c][t];
        if (meets) verdict.isoClass = c + 1;
    }
    return verdict;
}
