// The pacer's loop: compositor waits judged by the compositor's own refresh count, a timer whose
// deadline moves on after every wake, and pauses told from drops.
#include "testrun/pacer_loop.h"

#include <math.h>

namespace {

// Where the loop stands between two frames.
struct LoopState {
    long long lastFrame;               // the clock at the last frame
    double deadline;                   // the timer's next wake, kept in fractions of a tick
    unsigned long long lastRefresh;    // the compositor's count at the last frame
    bool haveRefresh;
    int quickReturns;
};

// One frame of `periods` refreshes: the animation moves on, the refreshes without a frame are counted.
int Frame(const PacerSeam* seam, long long periods, PacerCounts* counts) {
    if (periods == 0) {  // after a pause the animation goes on where it was
        ++counts->pauses;
        periods = 1;
    } else {
        counts->dropped += periods - 1;
    }
    counts->frames += periods;
    return seam->frame(seam->context, periods);
}

// A compositor wait of `waited` ticks returned at `now`: the refreshes since the last frame, by the
// compositor's count where it gives one; 0 when it did not wait for a refresh at all.
long long CompositorPeriods(const PacerSeam* seam, LoopState* s, long long now, long long waited,
                            double ticksPerPeriod, long long ticksPerSecond) {
    unsigned long long refresh = 0;
    const bool counted = seam->refreshCount != nullptr && seam->refreshCount(seam->context, &refresh);
    const long long gap = now - s->lastFrame;
    if (counted && s->haveRefresh) {
        if (refresh == s->lastRefresh) return 0;  // no refresh since the last frame: it did not wait
        const long long refreshes = static_cast<long long>(refresh - s->lastRefresh);
        s->lastRefresh = refresh;
        return gap > ticksPerSecond ? -1 : refreshes;  // -1: a pause
    }
    s->haveRefresh = counted;
    s->lastRefresh = refresh;
    // Without a count, the clock judges: a wait that returned at once, before a whole period since
    // the last frame, waited for nothing (a long paint leaves a short wait, but never none).
    if (waited < ticksPerPeriod / 100 && gap < ticksPerPeriod * 0.9) return 0;
    const long long periods = PeriodsInGap(gap, ticksPerPeriod, ticksPerSecond);
    return periods == 0 ? -1 : periods;
}

}  // namespace

long long PeriodsInGap(long long gap, double ticksPerPeriod, long long ticksPerSecond) {
    if (gap > ticksPerSecond) return 0;
    const long long periods = llround(gap / ticksPerPeriod);
    return periods < 1 ? 1 : periods;
}

void RunPacerLoop(const PacerSeam* seam, double ticksPerPeriod, long long ticksPerSecond, PacerCounts* counts) {
    *counts = PacerCounts{};
    counts->onTimer = seam->flush == nullptr;
    LoopState s = {};
    s.lastFrame = seam->now(seam->context);
    s.deadline = s.lastFrame + ticksPerPeriod;
    unsigned long long refresh = 0;
    s.haveRefresh = seam->refreshCount != nullptr && seam->refreshCount(seam->context, &refresh);
    s.lastRefresh = refresh;
    for (;;) {
        long long periods = 0;
        if (!counts->onTimer) {
            const long long before = seam->now(seam->context);
            const int flushed = seam->flush(seam->context);
            const long long now = seam->now(seam->context);
            periods = flushed ? CompositorPeriods(seam, &s, now, now - before, ticksPerPeriod, ticksPerSecond) : 0;
            if (periods != 0) {
                s.quickReturns = 0;
                s.lastFrame = now;
                s.deadline = now + ticksPerPeriod;
                if (!Frame(seam, periods < 0 ? 0 : periods, counts)) return;
                continue;
            }
            if (++s.quickReturns >= kQuickReturnsToGiveUp) counts->onTimer = 1;
        }
        // The timer: wait for the deadline, then move it on by a period whatever the wake, so that
        // an early wake never lets two frames out in one period.
        if (!seam->waitUntil(seam->context, llround(s.deadline))) return;
        const long long now = seam->now(seam->context);
        periods = PeriodsInGap(now - s.lastFrame, ticksPerPeriod, ticksPerSecond);
        s.lastFrame = now;
        unsigned long long count = 0;  // the compositor's refreshes are this frame's too
        if (seam->refreshCount != nullptr && seam->refreshCount(seam->context, &count)) {
            s.lastRefresh = count;
            s.haveRefresh = true;
        }
        s.deadline += ticksPerPeriod;
        while (s.deadline <= now) s.deadline += ticksPerPeriod;  // late: back on the grid
        if (!Frame(seam, periods, counts)) return;
    }
}
