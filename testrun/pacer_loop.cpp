// The pacer's loop: compositor waits judged by the compositor's own refresh count, a timer that
// counts periods on a fixed grid, and pauses told from drops.
#include "testrun/pacer_loop.h"

#include <math.h>

namespace {

// Where the loop stands between two frames.
struct LoopState {
    long long lastFrame;               // the clock at the last frame
    long long origin;                  // the timer's grid: period k starts at origin + k periods
    long long lastIndex;               // the grid's period of the last frame
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

// A wake is judged on the grid to within a millionth of a period, so that a wake exactly on a
// deadline (rounded up to a whole tick) never reads as the period before.
constexpr double kGridSlack = 1e-6;

// The grid's period that the clock reading `now` falls in.
long long GridIndex(const LoopState& s, long long now, double ticksPerPeriod) {
    return static_cast<long long>(floor(static_cast<double>(now - s.origin) / ticksPerPeriod + kGridSlack));
}

// The start of the period after the last frame's, in whole ticks.
long long NextDeadline(const LoopState& s, double ticksPerPeriod) {
    return s.origin + static_cast<long long>(ceil(static_cast<double>(s.lastIndex + 1) * ticksPerPeriod));
}

// A frame that starts the timer's grid afresh: after a compositor's frame, at the start, after a pause.
void StartGrid(LoopState* s, long long now) {
    s->lastFrame = now;
    s->origin = now;
    s->lastIndex = 0;
}

// Waits on the timer for the next period of the grid: the periods the animation moves on by, the
// one a wake falls in less the last frame's, so a late wake inside its period drops nothing and two
// wakes in one period never make two frames; 0 for a pause; -1 when the loop is to end.
long long TimerPeriods(const PacerSeam* seam, LoopState* s, double ticksPerPeriod, long long ticksPerSecond) {
    for (;;) {
        if (!seam->waitUntil(seam->context, NextDeadline(*s, ticksPerPeriod))) return -1;
        const long long now = seam->now(seam->context);
        if (now - s->lastFrame > ticksPerSecond) {
            StartGrid(s, now);
            return 0;
        }
        const long long index = GridIndex(*s, now, ticksPerPeriod);
        if (index <= s->lastIndex) continue;  // woke early: this period's frame is still to come
        const long long periods = index - s->lastIndex;
        s->lastIndex = index;
        s->lastFrame = now;
        return periods;
    }
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
    StartGrid(&s, seam->now(seam->context));
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
                StartGrid(&s, now);  // the timer, should it take over, goes on from this frame
                if (!Frame(seam, periods < 0 ? 0 : periods, counts)) return;
                continue;
            }
            if (++s.quickReturns >= kQuickReturnsToGiveUp) counts->onTimer = 1;
        }
        periods = TimerPeriods(seam, &s, ticksPerPeriod, ticksPerSecond);
        if (periods < 0) return;
        unsigned long long count = 0;  // the compositor's refreshes are this frame's too
        if (seam->refreshCount != nullptr && seam->refreshCount(seam->context, &count)) {
            s.lastRefresh = count;
            s.haveRefresh = true;
        }
        if (!Frame(seam, periods, counts)) return;
    }
}
