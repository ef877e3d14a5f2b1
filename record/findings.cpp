// The record of a run's findings and its class verdict.
#include "record/findings.h"

#include <math.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "app/bounded_format.h"
#include "monitor/edid.h"

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
    memset(findings->vrr, 0, sizeof(findings->vrr));
    findings->hdr = HdrFigures{0, kHdrStateUnknown, 0, 0.0, 0.0};
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

int AddMark(Findings* findings, const Mark& mark, int* previousType, int typeOrigin) {
    *previousType = 0;
    if (ModeCategory(mark.mode) < 0) return kNoScreen;
    for (int k = 0; k < findings->markCount; ++k) {
        Mark& old = findings->marks[k];
        if (old.x != mark.x || old.y != mark.y) continue;
        *previousType = old.type;
        const bool counted = old.type >= kDefectLit && old.type <= kDefectSubpixel;
        if (!counted || typeOrigin == kTypePicked) old = mark;
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

namespace {

// Widens [*low, *high] to take in `lowHz` .. `highHz`; zeros are no rate.
void Widen(double* low, double* high, double lowHz, double highHz) {
    if (!(lowHz > 0) || !(highHz > 0)) return;
    if (*low <= 0 || lowHz < *low) *low = lowHz;
    if (highHz > *high) *high = highHz;
}

}  // namespace

void AddVrrFigures(Findings* findings, int mode, int variableRefresh, long long frames, long long late,
                   double sweptLowHz, double sweptHighHz, double presentedLowHz, double presentedHighHz) {
    const int k = mode - kVrrSweepMode;
    if (k < 0 || k >= kVrrScreens) return;
    VrrFigures& v = findings->vrr[k];
    v.variableRefresh = (v.visits == 0 || v.variableRefresh) && variableRefresh;
    ++v.visits;
    if (frames > 0) v.frames += frames;
    if (late > 0) v.late += late;
    Widen(&v.sweptLowHz, &v.sweptHighHz, sweptLowHz, sweptHighHz);
    Widen(&v.presentedLowHz, &v.presentedHighHz, presentedLowHz, presentedHighHz);
}

void AddHdrVisit(Findings* findings, int visit, int windowsState, double sdrWhiteNits, double claimedPeakNits) {
    HdrFigures& h = findings->hdr;
    if (h.shown == 0 && !visit) return;
    const bool known = windowsState == kHdrStateOff || windowsState == kHdrStateOn;
    if (h.shown == 0 || h.windowsState == kHdrStateUnknown) {
        h.windowsState = known ? windowsState : kHdrStateUnknown;
    } else if (known && h.windowsState != windowsState) {
        h.windowsState = kHdrStateSwitched;
    }
    h.sdrWhiteNits = sdrWhiteNits;
    h.claimedPeakNits = claimedPeakNits;
    if (visit) ++h.shown;
}

void AddHdrFailure(Findings* findings, int failure) {
    if (findings->hdr.presenterFailure == 0) findings->hdr.presenterFailure = failure;
}

bool RefreshRateKnown(double hz) {
    return hz >= 0.001 && hz < 1e6;  // false for NaN too
}

int RefreshRateText(double hz, char* out, int size) {
    if (size <= 0) return 0;
    out[0] = '\0';
    if (!RefreshRateKnown(hz)) return 0;
    const long long thousandths = llround(hz * 1000);
    const int n = FormatUtf8(out, size, "%lld", thousandths / 1000);
    int fraction = static_cast<int>(thousandths % 1000);
    if (fraction == 0) return 1;
    int digits = 3;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    FormatUtf8(out + n, size - n, ".%0*d", digits, fraction);
    return 1;
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

// The fewest 5 x 5 blocks that cover a chain of faults, found by a depth-first search. Each step
// covers the leftmost (then topmost) fault not yet covered; a block that covers it can always be
// moved so that its left edge is on that fault's column and its top on the row of a fault still
// uncovered, which leaves at most five blocks to try.
struct Fault {
    int x, y;
};

// The search's step budget: a chain whose search takes longer counts one less than its faults, which
// is never fewer than its blocks. Chains marked by hand are short and finish in a few steps.
constexpr int kCoverSteps = 10000;

struct CoverSearch {
    const Fault* faults;  // the chain, by column then row
    int count;
    int* coveredAt;       // per fault: 0, or the depth of the block that covers it
    const int* columnBlocks;  // per fault: the 5-pixel-wide column spans that cover it and every fault after it
    int best;             // the fewest blocks found so far
    int floor;            // no cover has fewer: the search ends when it finds this many
    int steps;
    bool abandoned;
};

int FaultOrder(const void* a, const void* b) {
    const Fault& p = *static_cast<const Fault*>(a);
    const Fault& q = *static_cast<const Fault*>(b);
    return p.x != q.x ? (p.x < q.x ? -1 : 1) : (p.y != q.y ? (p.y < q.y ? -1 : 1) : 0);
}

// Faults that pairwise share no block each need a block of their own: how many the chain holds,
// taken greedily, bounds the cover from below.
int SeparateFaults(const Fault* faults, int count) {
    Fault picked[kMaxMarks];
    int n = 0;
    for (int k = 0; k < count; ++k) {
        bool apart = true;
        for (int j = n - 1; j >= 0 && apart && faults[k].x - picked[j].x < kClusterBlock; --j) {
            const int dy = faults[k].y - picked[j].y;
            apart = dy >= kClusterBlock || dy <= -kClusterBlock;
        }
        if (apart) picked[n++] = faults[k];
    }
    return n;
}

// The faults from `first` on in columns first.x .. first.x + 4: those a block placed there can cover.
int ColumnsEnd(const CoverSearch* s, int first) {
    int end = first;
    while (end < s->count && s->faults[end].x < s->faults[first].x + kClusterBlock) ++end;
    return end;
}

// Covers the uncovered faults of rows top .. top + 4 in the columns from `first` with a block of depth `depth`.
void PlaceBlock(CoverSearch* s, int first, int end, int top, int depth) {
    for (int k = first; k < end; ++k) {
        const int y = s->faults[k].y;
        if (s->coveredAt[k] == 0 && y >= top && y < top + kClusterBlock) s->coveredAt[k] = depth;
    }
}

void LiftBlock(CoverSearch* s, int first, int end, int depth) {
    for (int k = first; k < end; ++k) {
        if (s->coveredAt[k] == depth) s->coveredAt[k] = 0;
    }
}

// The rows a block covering fault `first` may start at, the ones covering most first; a row whose
// faults another row's block covers too is left out. Returns how many (1 to 5).
int BlockTops(const CoverSearch* s, int first, int end, int tops[kClusterBlock]) {
    int rows[kClusterBlock], low[kClusterBlock], high[kClusterBlock], gain[kClusterBlock];
    int n = 0;
    const int py = s->faults[first].y;
    for (int k = first; k < end; ++k) {
        const int y = s->faults[k].y;
        if (s->coveredAt[k] != 0 || y > py || y <= py - kClusterBlock) continue;
        bool known = false;
        for (int j = 0; j < n; ++j) known = known || rows[j] == y;
        if (!known) rows[n++] = y;
    }
    for (int j = 0; j < n; ++j) {
        low[j] = high[j] = py;
        gain[j] = 0;
        for (int k = first; k < end; ++k) {
            const int y = s->faults[k].y;
            if (s->coveredAt[k] != 0 || y < rows[j] || y >= rows[j] + kClusterBlock) continue;
            low[j] = y < low[j] ? y : low[j];
            high[j] = y > high[j] ? y : high[j];
            ++gain[j];
        }
    }
    int kept = 0;
    int keptGain[kClusterBlock];
    for (int j = 0; j < n; ++j) {
        bool dominated = false;
        for (int i = 0; i < n && !dominated; ++i) {
            const bool inside = low[j] >= rows[i] && high[j] < rows[i] + kClusterBlock;
            dominated = i != j && inside && (gain[i] > gain[j] || i < j);
        }
        if (dominated) continue;
        int at = kept++;
        for (; at > 0 && keptGain[at - 1] < gain[j]; --at) {
            tops[at] = tops[at - 1];
            keptGain[at] = keptGain[at - 1];
        }
        tops[at] = rows[j];
        keptGain[at] = gain[j];
    }
    return kept;
}

void SearchCover(CoverSearch* s, int from, int depth) {
    if (s->abandoned || s->best <= s->floor) return;
    if (++s->steps > kCoverSteps) {
        s->abandoned = true;
        return;
    }
    int first = from;
    while (first < s->count && s->coveredAt[first] != 0) ++first;
    if (first == s->count) {
        if (depth < s->best) s->best = depth;
        return;
    }
    if (depth + s->columnBlocks[first] >= s->best) return;
    const int end = ColumnsEnd(s, first);
    int tops[kClusterBlock];
    const int choices = BlockTops(s, first, end, tops);
    for (int j = 0; j < choices; ++j) {
        PlaceBlock(s, first, end, tops[j], depth + 1);
        SearchCover(s, first, depth + 1);
        LiftBlock(s, first, end, depth + 1);
    }
}

// What a chain of `count` faults of one kind adds to the clusters: nothing for a lone fault, else
// the fewest 5 x 5 blocks that cover it. No block covers faults of two chains (they would be one
// chain), so joining chains or adding a fault never lowers the sum. That holds wherever the search
// ends within its budget; where it does not, the chain counts one less than its faults, which is at
// least what its parts counted.
int ChainBlocks(Fault* faults, int count) {
    if (count < 2) return 0;
    qsort(faults, static_cast<size_t>(count), sizeof(Fault), FaultOrder);
    int coveredAt[kMaxMarks] = {};
    // When fault k is the first uncovered one, every fault right of its span is uncovered too: the
    // spans from k on, laid from the left, are as few as any cover of the rest can have.
    int columnBlocks[kMaxMarks + 1];
    columnBlocks[count] = 0;
    for (int k = count - 1, next = count; k >= 0; --k) {
        while (next > k + 1 && faults[next - 1].x >= faults[k].x + kClusterBlock) --next;
        columnBlocks[k] = 1 + columnBlocks[next];
    }
    CoverSearch s = {faults, count, coveredAt, columnBlocks, count - 1, SeparateFaults(faults, count), 0, false};
    SearchCover(&s, 0, 0);
    return s.abandoned ? count - 1 : s.best;
}

// Clusters: faults of one kind each within a 5 x 5 block of another form a chain; a chain counts
// once for each block it needs, so a long run of faults close together counts as the blocks it
// spans and a fault added anywhere never makes the count smaller.
void CountClusters(const Findings* f, int clusters[2]) {
    int parent[kMaxMarks];
    const int n = f->markCount;
    for (int k = 0; k < n; ++k) parent[k] = k;
    for (int a = 0; a < n; ++a) {
        const int kind = ClusterKind(f->marks[a].type);
        if (kind < 0) continue;
        for (int b = a + 1; b < n; ++b) {
            if (ClusterKind(f->marks[b].type) != kind || !ShareABlock(f->marks[a], f->marks[b])) continue;
            parent[Root(parent, b)] = Root(parent, a);
        }
    }
    // Each chain's faults side by side: counted by root, then placed from each root's offset.
    int start[kMaxMarks + 1] = {};
    for (int k = 0; k < n; ++k) ++start[Root(parent, k) + 1];
    for (int k = 0; k < n; ++k) start[k + 1] += start[k];
    Fault faults[kMaxMarks];
    int filled[kMaxMarks];
    for (int k = 0; k < n; ++k) filled[k] = start[k];
    for (int k = 0; k < n; ++k) faults[filled[Root(parent, k)]++] = {f->marks[k].x, f->marks[k].y};
    clusters[0] = clusters[1] = 0;
    for (int k = 0; k < n; ++k) {
        const int kind = ClusterKind(f->marks[k].type);
        if (kind >= 0 && Root(parent, k) == k) clusters[kind] += ChainBlocks(faults + start[k], start[k + 1] - start[k]);
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
    const bool nativeKnown = nativeWidth > 0 && nativeHeight > 0;
    verdict.nativeWide = nativeKnown ? nativeWidth : 0;
    verdict.nativeHigh = nativeKnown ? nativeHeight : 0;
    verdict.onNative = nativeKnown && nativeWidth == findings->width && nativeHeight == findings->height;
    // The marks' positions and the clusters are in the tested screen's pixels: the rates divide by
    // that count, whatever the panel's own.
    verdict.pixelsWide = findings->width;
    verdict.pixelsHigh = findings->height;
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
