// The motion pacer's loop on a stand-in clock and compositor: every drop counted, none made up.
#include <gtest/gtest.h>

#include <vector>

#include "testrun/pacer_loop.h"

namespace {

constexpr long long kTicksPerSecond = 10000000;  // as Windows' performance counter mostly runs

// A monitor refreshing every `period` ticks, a compositor that waits for it (or not), a timer that
// wakes `timerEarly` ticks early, and a window whose paints take the times in `paints`.
struct World {
    double period;
    bool compositor;        // there is a compositor to wait on
    bool waits;             // ... and it waits for the next refresh (Wine's returns at once)
    bool counts;            // ... and it gives its refresh count
    long long timerEarly;
    std::vector<double> paints;  // in periods, frame by frame; the last one repeats
    int framesToRun;
    long long now;
    std::vector<long long> frameTimes;
};

long long Now(void* c) {
    return static_cast<World*>(c)->now;
}

int Flush(void* c) {
    World* w = static_cast<World*>(c);
    if (w->waits) {
        const long long refresh = static_cast<long long>(w->now / w->period) + 1;
        w->now = static_cast<long long>(refresh * w->period) + 50;  // just after the refresh
    } else {
        w->now += 20;
    }
    return 1;
}

int RefreshCount(void* c, unsigned long long* count) {
    World* w = static_cast<World*>(c);
    if (!w->counts) return 0;
    *count = static_cast<unsigned long long>(w->now / w->period);
    return 1;
}

int WaitUntil(void* c, long long deadline) {
    World* w = static_cast<World*>(c);
    const long long wake = deadline - w->timerEarly;
    if (wake > w->now) w->now = wake;
    return 1;
}

int Frame(void* c, long long) {
    World* w = static_cast<World*>(c);
    w->frameTimes.push_back(w->now);
    const size_t k = w->frameTimes.size() - 1;
    const double paint = w->paints[k < w->paints.size() ? k : w->paints.size() - 1];
    w->now += static_cast<long long>(paint * w->period);
    return static_cast<int>(w->frameTimes.size()) < w->framesToRun;
}

PacerCounts Pace(World* w) {
    const PacerSeam seam = {w, Now, w->compositor ? Flush : nullptr, RefreshCount, WaitUntil, Frame};
    PacerCounts counts;
    RunPacerLoop(&seam, w->period, kTicksPerSecond, &counts);
    return counts;
}

std::vector<double> PaintsWith(int at, double paint, double usual = 0.3) {
    std::vector<double> paints(static_cast<size_t>(at) + 2, usual);
    paints[static_cast<size_t>(at)] = paint;
    return paints;
}

TEST(PacerLoop, CountsEveryDropAndNoneMadeUp) {
    const double p60 = kTicksPerSecond / 60.0;
    const double p144 = kTicksPerSecond / 143.856;
    const struct {
        const char* name;
        World world;
        long long dropped, pauses;
        int onTimer;
    } table[] = {
        // Wine's compositor returns at once: the timer takes over, and paces without a drop.
        {"quick returns", {p60, true, false, false, 0, {0.3}, 300, 0, {}}, 0, 0, 1},
        // Painting takes most of the period, so the compositor's wait returns soon: it still paced.
        {"slow paint, counted", {p144, true, true, true, 0, {0.9}, 300, 0, {}}, 0, 0, 0},
        {"slow paint, not counted", {p144, true, true, false, 0, {0.9}, 300, 0, {}}, 0, 0, 0},
        // A paint of 1.6 periods misses one refresh, of 2.6 periods two.
        {"a real drop, counted", {p60, true, true, true, 0, PaintsWith(10, 1.6), 300, 0, {}}, 1, 0, 0},
        {"a real drop, on the timer", {p60, false, false, false, 0, PaintsWith(10, 2.6), 300, 0, {}}, 2, 0, 1},
        // A second and a half away (the machine locked, a debugger) is a pause, not 90 drops.
        {"a pause, counted", {p60, true, true, true, 0, PaintsWith(20, 90), 300, 0, {}}, 0, 1, 0},
        {"a pause, on the timer", {p60, false, false, false, 0, PaintsWith(20, 90), 300, 0, {}}, 0, 1, 1},
        // The timer wakes a fifth of a period early every time: still one frame per period.
        {"early timer wakes", {p144, false, false, false, static_cast<long long>(p144 / 5), {0.1}, 1440, 0, {}}, 0, 0,
         1},
    };
    for (const auto& row : table) {
        World w = row.world;
        const PacerCounts c = Pace(&w);
        EXPECT_EQ(c.dropped, row.dropped) << row.name;
        EXPECT_EQ(c.pauses, row.pauses) << row.name;
        EXPECT_EQ(c.onTimer, row.onTimer) << row.name;
        EXPECT_EQ(c.frames, static_cast<long long>(w.frameTimes.size()) + c.dropped) << row.name;
        // One frame per refresh period, neither more nor fewer, pauses aside.
        const double periods = (w.frameTimes.back() - w.frameTimes.front()) / w.period;
        if (row.pauses == 0) {
            EXPECT_NEAR(static_cast<double>(c.frames - 1), periods, 1.0) << row.name;
        }
    }
}

// At 143.856 Hz the frames come 6951.4 us apart, not at 144 Hz's 6944.4.
TEST(PacerLoop, PacesAtTheMonitorsOwnFractionalRate) {
    World w = {kTicksPerSecond / 143.856, false, false, false, 0, {0.2}, 1439, 0, {}};
    const PacerCounts c = Pace(&w);
    EXPECT_EQ(c.dropped, 0);
    const double seconds = static_cast<double>(w.frameTimes.back() - w.frameTimes.front()) / kTicksPerSecond;
    EXPECT_NEAR(1438 / seconds, 143.856, 0.001);
    EXPECT_EQ(PeriodsInGap(2 * kTicksPerSecond, w.period, kTicksPerSecond), 0);
    EXPECT_EQ(PeriodsInGap(1, w.period, kTicksPerSecond), 1);
    EXPECT_EQ(PeriodsInGap(static_cast<long long>(2.6 * w.period), w.period, kTicksPerSecond), 3);
}

}  // namespace
