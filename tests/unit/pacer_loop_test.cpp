// The motion pacer's loop on a stand-in clock and compositor: every drop counted, none made up.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <set>
#include <vector>

#include "testrun/pacer_loop.h"

namespace {

constexpr long long kTicksPerSecond = 10000000;  // as Windows' performance counter mostly runs

// A monitor refreshing every `period` ticks, a compositor that waits for it (or not), a timer whose
// wakes come `late` periods after the deadline asked for (wake by wake, round and round; negative:
// early; a wait asked again for the same deadline wakes on it), and a window whose paints take the
// times in `paints`.
struct World {
    double period;
    bool compositor;        // there is a compositor to wait on
    bool waits;             // ... and it waits for the next refresh (Wine's returns at once)
    bool counts;            // ... and it gives its refresh count
    std::vector<double> late;    // in periods, wake by wake
    std::vector<double> paints;  // in periods, frame by frame; the last one repeats
    int framesToRun;
    int waitingFrames;      // the compositor stops waiting after this many frames (0: never)
    long long now;
    std::vector<long long> frameTimes;
    std::vector<long long> advances;
    size_t wakes;
    long long lastDeadline;
};

long long Now(void* c) {
    return static_cast<World*>(c)->now;
}

int Flush(void* c) {
    World* w = static_cast<World*>(c);
    const bool waiting = w->waits && (w->waitingFrames == 0 || static_cast<int>(w->frameTimes.size()) < w->waitingFrames);
    if (waiting) {
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
    double late = w->late.empty() ? 0 : w->late[w->wakes++ % w->late.size()];
    if (deadline == w->lastDeadline && late < 0) late = 0;
    w->lastDeadline = deadline;
    const long long wake = deadline + static_cast<long long>(late * w->period);
    if (wake > w->now) w->now = wake;
    return 1;
}

int Frame(void* c, long long advance) {
    World* w = static_cast<World*>(c);
    w->frameTimes.push_back(w->now);
    w->advances.push_back(advance);
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

// A world that starts at 0 on the clock, with nothing paced yet.
World MakeWorld(double period, bool compositor, bool waits, bool counts, std::vector<double> late,
                std::vector<double> paints, int frames, int waitingFrames = 0) {
    return {period, compositor, waits, counts, late, paints, frames, waitingFrames, 0, {}, {}, 0, -1};
}

World OnTimer(double period, std::vector<double> late, std::vector<double> paints, int frames) {
    return MakeWorld(period, false, false, false, late, paints, frames);
}

std::vector<double> PaintsWith(int at, double paint, double usual = 0.3) {
    std::vector<double> paints(static_cast<size_t>(at) + 2, usual);
    paints[static_cast<size_t>(at)] = paint;
    return paints;
}

// Wakes on time but for wake `at`, `late` periods late (for runs of under a thousand wakes).
std::vector<double> LateOnce(int at, double late) {
    std::vector<double> wakes(1000, 0.0);
    wakes[static_cast<size_t>(at)] = late;
    return wakes;
}

// The refresh periods a clock reading falls in, counted from the world's start.
long long PeriodOf(const World& w, long long t) {
    return static_cast<long long>(t / w.period);
}

TEST(PacerLoop, CountsEveryDropAndNoneMadeUp) {
    const double p60 = kTicksPerSecond / 60.0;
    const double p144 = kTicksPerSecond / 143.856;
    const double p360 = kTicksPerSecond / 360.0;
    const double late360 = 0.0015 * 360;  // 1.5 ms at 360 Hz, in periods
    const struct {
        const char* name;
        World world;
        long long dropped, pauses;
        int onTimer;
    } table[] = {
        // Wine's compositor returns at once: the timer takes over, and paces without a drop.
        {"quick returns", MakeWorld(p60, true, false, false, {}, {0.3}, 300), 0, 0, 1},
        // Painting takes most of the period, so the compositor's wait returns soon: it still paced.
        {"slow paint, counted", MakeWorld(p144, true, true, true, {}, {0.9}, 300), 0, 0, 0},
        {"slow paint, not counted", MakeWorld(p144, true, true, false, {}, {0.9}, 300), 0, 0, 0},
        // A paint of 1.6 periods misses one refresh. On the timer a frame belongs to the period its
        // wake falls in: a paint of 3.2 periods leaves two periods without one.
        {"a real drop, counted", MakeWorld(p60, true, true, true, {}, PaintsWith(10, 1.6), 300), 1, 0, 0},
        {"a real drop, on the timer", OnTimer(p60, {}, PaintsWith(10, 3.2), 300), 2, 0, 1},
        {"one skipped period, on the timer", OnTimer(p144, LateOnce(5, 1.3), {0.2}, 300), 1, 0, 1},
        // A second and a half away (the machine locked, a debugger) is a pause, not 90 drops.
        {"a pause, counted", MakeWorld(p60, true, true, true, {}, PaintsWith(20, 90), 300), 0, 1, 0},
        {"a pause, on the timer", OnTimer(p60, {}, PaintsWith(20, 90), 300), 0, 1, 1},
        // The timer wakes a fifth of a period early every time: still one frame per period.
        {"early timer wakes", OnTimer(p144, {-0.2}, {0.1}, 1440), 0, 0, 1},
        // Late wakes inside their period are no drops: every period still has its frame.
        {"every other wake 0.6 late", OnTimer(p144, {0, 0.6}, {0.2}, 1440), 0, 0, 1},
        {"every fourth wake 1.5 ms late", OnTimer(p360, {0, 0, 0, late360}, {0.2}, 3600), 0, 0, 1},
        // The compositor stops waiting (a lock screen): the timer goes on from its last frame.
        {"late wakes after the compositor", MakeWorld(p144, true, true, true, {0, 0.6}, {0.2}, 1440, 100), 0, 0, 1},
    };
    for (const auto& row : table) {
        World w = row.world;
        const PacerCounts c = Pace(&w);
        EXPECT_EQ(c.dropped, row.dropped) << row.name;
        EXPECT_EQ(c.pauses, row.pauses) << row.name;
        EXPECT_EQ(c.onTimer, row.onTimer) << row.name;
        EXPECT_EQ(c.frames, static_cast<long long>(w.frameTimes.size()) + c.dropped) << row.name;
        // One frame per refresh period, neither more nor fewer, pauses aside.
        if (row.pauses == 0) {
            EXPECT_EQ(c.frames, PeriodOf(w, w.frameTimes.back())) << row.name;
        }
    }
}

// Over thousands of generated timers, rates and paints: the animation moves on by exactly the
// periods that passed, and a drop is a period in which no frame was painted.
TEST(PacerLoop, FramesAreThePeriodsThatPassedOverGeneratedWorlds) {
    std::mt19937 random(20261210);
    for (int k = 0; k < 4000; ++k) {
        std::uniform_real_distribution<double> hz(23.976, 500), jitter(-0.5, 0.5), wild(-0.5, 1.8), paint(0, 1.5);
        const bool calm = k % 2 == 0;  // wake jitter under half a period and short paints: never a drop
        World w = OnTimer(kTicksPerSecond / hz(random), {}, {}, 200);
        for (int f = 0; f < 400; ++f) w.late.push_back(calm ? jitter(random) : wild(random));
        for (int f = 0; f < 200; ++f) w.paints.push_back(calm ? paint(random) / 4 : paint(random));
        const PacerCounts c = Pace(&w);
        std::set<long long> painted;
        for (long long t : w.frameTimes) painted.insert(PeriodOf(w, t));
        const long long elapsed = PeriodOf(w, w.frameTimes.back());
        ASSERT_EQ(painted.size(), w.frameTimes.size()) << "two frames in one period, case " << k;
        ASSERT_EQ(c.frames, elapsed) << "case " << k;
        ASSERT_EQ(std::accumulate(w.advances.begin(), w.advances.end(), 0LL), elapsed) << "case " << k;
        ASSERT_EQ(c.dropped, elapsed - static_cast<long long>(painted.size())) << "case " << k;
        if (calm) {
            ASSERT_EQ(c.dropped, 0) << "case " << k;
        }
        ASSERT_EQ(c.pauses, 0) << "case " << k;
    }
}

// At 143.856 Hz the frames come 6951.4 us apart, not at 144 Hz's 6944.4.
TEST(PacerLoop, PacesAtTheMonitorsOwnFractionalRate) {
    World w = OnTimer(kTicksPerSecond / 143.856, {}, {0.2}, 1439);
    const PacerCounts c = Pace(&w);
    EXPECT_EQ(c.dropped, 0);
    const double seconds = static_cast<double>(w.frameTimes.back() - w.frameTimes.front()) / kTicksPerSecond;
    EXPECT_NEAR(1438 / seconds, 143.856, 0.001);
    EXPECT_EQ(PeriodsInGap(2 * kTicksPerSecond, w.period, kTicksPerSecond), 0);
    EXPECT_EQ(PeriodsInGap(1, w.period, kTicksPerSecond), 1);
    EXPECT_EQ(PeriodsInGap(static_cast<long long>(2.6 * w.period), w.period, kTicksPerSecond), 3);
}

}  // namespace
