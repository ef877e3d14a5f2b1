// The record of a run's findings and its class verdict.
#include "record/findings.h"

#include <math.h>
#include <stdint.h>
#include <string.h>

#include "app/bounded_format.h"
#include "testrun/edid.h"

const int g_isoLimits[kIsoClasses][3] = {
    {0, 0, 0},      // class I
    {2, 2, 5},      // class II
    {5, 15, 50},    // class III
    {50, 150, 500}, // class IV
};

const int g_isoClusterLimits[kIsoClasses][2] = {
    {0, 0},   // class I
    {0, 2},   // class II
    {0, 5},   // class III
    {5, 50},  // class IV
};

void ClearFindings(Findings* findings, int width, int height) {
    memset(findings->seen, 0, sizeof(findings->seen));
    memset(findings->noted, 0, sizeof(findings->noted));
    memset(findings->motion, 0, sizeof(findings->motion));
    findings->markCount = 0;
    findings->width = width;
    findings->height = height;
}

int FindingsRecorded(const Findings* findings) {
    if (findings->markCount > 0) return 1;
    for (const MotionFigures& m : findings->motion) {
        if (m.dropped > 0) return 1;
    }
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

int AddMark(Findings* findings, const Mark& mark, int* previousType) {
    *previousType = 0;
    if (ModeCategory(mark.mode) < 0) return kNoScreen;
    for (int k = 0; k < findings->markCount; ++k) {
        Mark& old = findings->marks[k];
        if (old.x != mark.x || old.y != mark.y) continue;
        *previousType = old.type;
        old = mark;
        return k;
    }
    if (findings->markCount >= kMaxMarks) return kMarksFull;
    findings->marks[findings->markCount] = mark;
    return findings->markCount++;
}

void AddMotionFigures(Findings* findings, int mode, double hz, long long frames, long long dropped) {
    const int k = mode - kMovingBlocksMode;
    if (k < 0 || k >= kMotionScreens || frames <= 0) return;
    MotionFigures& m = findings->motion[k];
    m.hz = hz;
    m.frames += frames;
    m.dropped += dropped;
}

void RefreshRateText(double hz, char* out, int size) {
    if (size <= 0) return;
    const long long thousandths = hz > 0 && hz < 1e6 ? llround(hz * 1000) : 0;
    const int n = FormatUtf8(out, size, "%lld", thousandths / 1000);
    int fraction = static_cast<int>(thousandths % 1000);
    if (fraction == 0) return;
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    FormatUtf8(out + n, size - n, ".%0*d", digits, fraction);
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

namespace {

// Which cluster kind a defect type belongs to: 0 always lit or dark, 1 stuck subpixel, -1 none.
int ClusterKind(int type) {
    if (type == kDefectLit || type == kDefectDark) return 0;
    return type == kDefectSubpixel ? 1 : -1;
}

// Two faults lie in one 5 x 5 block when they are at most 4 pixels apart either way.
bool ShareABlock(const Mark& a, const Mark& b) {
    const int dx = a.x > b.x ? a.x - b.x : b.x - a.x;
    const int dy = a.y > b.y ? a.y - b.y : b.y - a.y;
    return dx < kClusterBlock && dy < kClusterBlock;
}

int Root(int* parent, int k) {
    while (parent[k] != k) k = parent[k] = parent[parent[k]];
    return k;
}

// Clusters: groups of two or more faults of one kind, each within a 5 x 5 block of another of the
// group, so that a run of faults close together counts once.
void CountClusters(const Findings* f, int clusters[2]) {
    int parent[kMaxMarks];
    int size[kMaxMarks];
    const int n = f->markCount;
    for (int k = 0; k < n; ++k) {
        parent[k] = k;
        size[k] = 1;
    }
    for (int a = 0; a < n; ++a) {
        const int kind = ClusterKind(f->marks[a].type);
        if (kind < 0) continue;
        for (int b = a + 1; b < n; ++b) {
            if (ClusterKind(f->marks[b].type) != kind || !ShareABlock(f->marks[a], f->marks[b])) continue;
            const int ra = Root(parent, a);
            const int rb = Root(parent, b);
            if (ra == rb) continue;
            parent[rb] = ra;
            size[ra] += size[rb];
        }
    }
    clusters[0] = clusters[1] = 0;
    for (int k = 0; k < n; ++k) {
        const int kind = ClusterKind(f->marks[k].type);
        if (kind >= 0 && Root(parent, k) == k && size[k] >= 2) ++clusters[kind];
    }
}

// count per million pixels <= limit, in whole numbers: count * 10^6 <= limit * pixels.
bool WithinLimit(int count, int limit, int64_t pixels) {
    return static_cast<int64_t>(count) * 1000000 <= static_cast<int64_t>(limit) * pixels;
}

}  // namespace

ClassVerdict JudgePixelFaults(const Findings* findings, int nativeWidth, int nativeHeight) {
    ClassVerdict verdict = {};
    for (int k = 0; k < findings->markCount; ++k) {
        const int type = findings->marks[k].type;
        if (type >= kDefectLit && type <= kDefectSubpixel) ++verdict.counts[type - 1];
    }
    verdict.anyLit = verdict.counts[kDefectLit - 1] > 0;
    CountClusters(findings, verdict.clusters);
    verdict.onNative = nativeWidth > 0 && nativeHeight > 0;
    verdict.pixelsWide = verdict.onNative ? nativeWidth : findings->width;
    verdict.pixelsHigh = verdict.onNative ? nativeHeight : findings->height;
    const int64_t pixels = static_cast<int64_t>(verdict.pixelsWide > 0 ? verdict.pixelsWide : 0) *
                           (verdict.pixelsHigh > 0 ? verdict.pixelsHigh : 0);
    for (int t = 0; t < 3; ++t) verdict.perMillion[t] = pixels > 0 ? verdict.counts[t] * 1e6 / pixels : 0;
    if (pixels == 0) return verdict;  // no screen to judge on: no class
    for (int c = 0; c < kIsoClasses && verdict.isoClass == 0; ++c) {
        bool meets = true;
        for (int t = 0; t < 3; ++t) meets = meets && WithinLimit(verdict.counts[t], g_isoLimits[c][t], pixels);
        for (int k = 0; k < 2; ++k) meets = meets && WithinLimit(verdict.clusters[k], g_isoClusterLimits[c][k], pixels);
        if (meets) verdict.isoClass = c + 1;
    }
    return verdict;
}

ClassVerdict JudgeRecordedFaults(const Findings* findings, const unsigned char* edid, unsigned long edidLength) {
    NativeMode native;
    if (edid != nullptr && DecodeNativeMode(edid, edidLength, &native) && native.width > 0 && native.height > 0 &&
        native.width <= 65535 && native.height <= 65535) {
        return JudgePixelFaults(findings, static_cast<int>(native.width), static_cast<int>(native.height));
    }
    return JudgePixelFaults(findings, 0, 0);
}
