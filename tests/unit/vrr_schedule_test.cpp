// The variable-refresh screens' timing on a stand-in clock: the sweep's curve and keys, the flicker
// pattern, deadlines that never catch up, and the presented-rate meter over generated presents.
#include <gtest/gtest.h>

#include <math.h>

#include <random>
#include <vector>

#include "hdr/frame_number.h"
#include "testrun/vrr_schedule.h"

namespace {

constexpr long long kTicksPerSecond = 10000000;
constexpr double kPi = 3.14159265358979323846;

// The sweep as the screen's description puts it: low at 0 s, high at 5 s, low at 10 s (sin² is
// the raised cosine written another way).
double Expected(double low, double high, double t) {
    const double s = sin(kPi * t / 10);
    return low + (high - low) * s * s;
}

TEST(VrrSchedule, RangeFromTheEdidAndTheRefreshRate) {
    const struct {
        const char* name;
        RefreshRange claimed;
        double refresh, low, high;
    } table[] = {
        {"claimed range", {1, 40, 144}, 143.856, 40, 143.856},
        {"no range claimed", {0, 0, 0}, 144, 48, 144},
        {"refresh rate unknown", {1, 48, 120}, 0, 48, 120},
        {"nothing known", {0, 0, 0}, 0, 48, 60},
        {"a low end above the refresh rate", {1, 90, 165}, 60, 60, 60},
        {"a 30 Hz mode without a range", {0, 0, 0}, 30, 30, 30},
        // What no monitor reports.
        {"negative low end", {1, -10, 144}, 144, 48, 144},
        {"low end not a number", {1, NAN, 144}, 144, 48, 144},
        {"refresh not a number", {1, 48, 75}, NAN, 48, 75},
        {"infinite refresh", {0, 0, 0}, INFINITY, 48, 60},
        {"a refresh rate past any monitor", {1, 48, 240}, 4000, 48, kVrrHighestHz},
        {"a range that is not present", {0, 20, 300}, 100, 48, 100},
        {"a low end under 1 Hz", {1, 0.001, 144}, 0.5, 48, 144},
    };
    for (const auto& row : table) {
        const VrrRange range = VrrRangeFor(row.claimed, row.refresh);
        EXPECT_DOUBLE_EQ(range.lowHz, row.low) << row.name;
        EXPECT_DOUBLE_EQ(range.highHz, row.high) << row.name;
    }
}

TEST(VrrSchedule, SweepFollowsTheRaisedCosine) {
    const VrrRange ranges[] = {{48, 144}, {40, 59.94}, {60, 60}, {48, 360}};
    for (const VrrRange& range : ranges) {
        SweepState sweep = {};
        for (int k = 0; k <= 4000; ++k) {
            const double t = k * 0.00731;  // almost three sweeps, at no round phase
            ASSERT_NEAR(SweepRateHz(sweep, range, t), Expected(range.lowHz, range.highHz, t), 1e-9) << t;
        }
        EXPECT_DOUBLE_EQ(SweepRateHz(sweep, range, 0), range.lowHz);
        EXPECT_NEAR(SweepRateHz(sweep, range, 5), range.highHz, 1e-9);
    }
}

// + and - hold the sweep at a whole rate and move it by one within the range; Space goes on from
// the held rate the way the sweep went, without a jump.
TEST(VrrSchedule, KeysHoldStepAndResumeWithoutAJump) {
    const VrrRange range = {47.5, 144};
    const struct {
        const char* name;
        double pressedAt;  // seconds into the sweep (the curve's rate then in the comment)
        std::vector<VrrKey> keys;
        double held;
        bool rising;
    } table[] = {
        {"up from 93.9 Hz", 2.44, {kVrrKeyFaster}, 95, true},  // rounds to 94, then +1
        {"down from 93.9 Hz", 2.44, {kVrrKeySlower, kVrrKeySlower}, 92, true},
        {"on the way down", 7.5, {kVrrKeyFaster}, 97, false},           // 95.75 -> 96 -> 97
        {"past the top", 5, {kVrrKeyFaster, kVrrKeyFaster}, 144, false},
        {"past the bottom", 0.1, {kVrrKeySlower, kVrrKeySlower}, 47.5, true},
        {"up from the clamped bottom", 0, {kVrrKeySlower, kVrrKeyFaster}, 48, true},
        {"down from the top", 5, {kVrrKeyFaster, kVrrKeySlower}, 143, false},
    };
    for (const auto& row : table) {
        VrrSchedule schedule;
        StartVrrSchedule(&schedule, kVrrScreenSweep, range);
        for (VrrKey key : row.keys) SteerVrrSchedule(&schedule, key, row.pressedAt);
        EXPECT_DOUBLE_EQ(ScheduledRateHz(&schedule, row.pressedAt + 3), row.held) << row.name;
        // Resumed 20 s later, the sweep starts at the held rate and goes the same way.
        const double resumedAt = row.pressedAt + 20;
        SteerVrrSchedule(&schedule, kVrrKeySweep, resumedAt);
        EXPECT_NEAR(ScheduledRateHz(&schedule, resumedAt), row.held, 1e-6) << row.name;
        const double step = ScheduledRateHz(&schedule, resumedAt + 0.01) - row.held;
        EXPECT_LT(fabs(step), 0.5) << row.name;
        if (row.held > range.lowHz && row.held < range.highHz) {
            EXPECT_EQ(step > 0, row.rising) << row.name;
        }
    }
    // The flicker screen takes no keys.
    VrrSchedule flicker;
    StartVrrSchedule(&flicker, kVrrScreenFlicker, range);
    SteerVrrSchedule(&flicker, kVrrKeyFaster, 1);
    EXPECT_FALSE(flicker.sweep.held);
}

std::vector<double> FlickerRates(uint32_t seed, const VrrRange& range, int frames) {
    FlickerPattern pattern;
    StartFlickerPattern(&pattern, seed);
    std::vector<double> rates;
    for (int k = 0; k < frames; ++k) rates.push_back(NextFlickerRateHz(&pattern, range));
    return rates;
}

TEST(VrrSchedule, FlickerRunsAtBothEndsTheSameEachTime) {
    const VrrRange range = {48, 144};
    const std::vector<double> rates = FlickerRates(kFlickerSeed, range, 5000);
    int run = 0, longest = 0, runs = 0;
    for (size_t k = 0; k < rates.size(); ++k) {
        ASSERT_TRUE(rates[k] == range.lowHz || rates[k] == range.highHz) << k;
        run = k > 0 && rates[k] == rates[k - 1] ? run + 1 : 1;
        if (run == 1) ++runs;
        if (run > longest) longest = run;
    }
    EXPECT_EQ(rates[0], range.lowHz);
    EXPECT_EQ(longest, kFlickerLongestRun);
    EXPECT_GT(runs, 5000 / kFlickerLongestRun);  // irregular, neither one long run nor every frame
    EXPECT_EQ(rates, FlickerRates(kFlickerSeed, range, 5000));
    EXPECT_NE(rates, FlickerRates(kFlickerSeed + 1, range, 5000));
    // The first runs' lengths, fixed: another standard library or compiler must give these too.
    std::vector<int> lengths;
    for (size_t k = 0, start = 0; lengths.size() < 6; ++k) {
        if (rates[k + 1] != rates[k]) {
            lengths.push_back(static_cast<int>(k + 1 - start));
            start = k + 1;
        }
    }
    EXPECT_EQ(lengths, (std::vector<int>{11, 5, 12, 6, 10, 1}));
}

// A stand-in clock: every wait wakes `late[k]` ticks after its deadline (wake by wake), and the
// keys of `keys` arrive before the frame of the same index.
struct Clock {
    long long now;
    std::vector<long long> late;
    std::vector<VrrKey> keys;  // by frame
    size_t wakes;
    int framesToRun;
    std::vector<VrrFrame> drawn;
    std::vector<long long> presents;
};

long long Now(void* c) {
    return static_cast<Clock*>(c)->now;
}

int WaitUntil(void* c, long long deadline) {
    Clock* clock = static_cast<Clock*>(c);
    const long long late = clock->wakes < clock->late.size() ? clock->late[clock->wakes] : 0;
    ++clock->wakes;
    clock->now = deadline + late;
    return 1;
}

VrrKey NextKey(void* c) {
    Clock* clock = static_cast<Clock*>(c);
    const size_t frame = clock->drawn.size();
    if (frame >= clock->keys.size() || clock->keys[frame] == kVrrKeyNone) return kVrrKeyNone;
    const VrrKey key = clock->keys[frame];
    clock->keys[frame] = kVrrKeyNone;
    return key;
}

int Draw(void* c, const VrrFrame* frame) {
    Clock* clock = static_cast<Clock*>(c);
    clock->drawn.push_back(*frame);
    return static_cast<int>(clock->drawn.size()) <= clock->framesToRun;
}

int Present(void* c) {
    Clock* clock = static_cast<Clock*>(c);
    clock->presents.push_back(clock->now);
    return 1;
}

VrrRecord RunScreen(Clock* clock, VrrScreen screen, const VrrRange& range) {
    const VrrSeam seam = {clock, Now, WaitUntil, NextKey, Draw, Present};
    VrrSchedule schedule;
    StartVrrSchedule(&schedule, screen, range);
    VrrRecord record;
    RunVrrLoop(&seam, &schedule, kTicksPerSecond, &record);
    return record;
}

long long PeriodTicks(double hz) {
    return static_cast<long long>(ceil(kTicksPerSecond / hz));
}

// After a late frame the next comes a whole period after it, never sooner: no catch-up.
TEST(VrrSchedule, ALateFrameDoesNotSpeedUpTheOnesAfterIt) {
    const VrrRange range = {48, 144};
    for (VrrScreen screen : {kVrrScreenSweep, kVrrScreenFlicker}) {
        Clock clock = {1000, {}, {}, 0, 300, {}, {}};
        clock.late.assign(300, 0);
        clock.late[40] = PeriodTicks(144) * 3 / 2;  // a wait that overslept by 1.5 periods
        clock.late[41] = 2000;                       // and a little late again
        const VrrRecord record = RunScreen(&clock, screen, range);
        ASSERT_EQ(clock.presents.size(), 300u);
        EXPECT_EQ(record.frames, 300);
        EXPECT_EQ(record.late, 1);  // 0.2 ms is less than a tenth of any period here: not late
        for (size_t k = 1; k < clock.presents.size(); ++k) {
            const VrrFrame& frame = clock.drawn[k];
            EXPECT_EQ(frame.number, static_cast<long long>(k));
            EXPECT_GE(clock.presents[k] - clock.presents[k - 1], PeriodTicks(frame.targetHz)) << k;
            if (k != 41 && k != 42) {
                EXPECT_EQ(clock.presents[k], frame.deadline) << k;  // on time: on the grid
            }
        }
        EXPECT_EQ(clock.presents[42] - clock.presents[41], PeriodTicks(clock.drawn[42].targetHz) + 2000);
    }
}

// A whole sweep on an exact clock: the rates asked span the range, the keys hold it, and the meter
// reads the rate asked within a frame's worth.
TEST(VrrSchedule, TheLoopSweepsAndTheMeterFollows) {
    const VrrRange range = {48, 144};
    Clock clock = {0, {}, {}, 0, 960, {}, {}};  // ten seconds' worth of frames at a mean of 96
    const VrrRecord record = RunScreen(&clock, kVrrScreenSweep, range);
    EXPECT_DOUBLE_EQ(record.sweptLowHz, 48);
    EXPECT_NEAR(record.sweptHighHz, 144, 0.01);
    EXPECT_EQ(record.late, 0);
    EXPECT_NEAR(record.meter.lowestHz, 48, 3);
    EXPECT_NEAR(record.meter.highestHz, 144, 3);
    for (const VrrFrame& frame : clock.drawn) {
        if (frame.seconds > 0.6) {
            ASSERT_NEAR(frame.presentedHz, frame.targetHz, 9) << frame.seconds;
        }
    }
    Clock held = {0, {}, {}, 0, 400, {}, {}};
    held.keys.assign(200, kVrrKeyNone);
    held.keys[100] = kVrrKeyFaster;
    RunScreen(&held, kVrrScreenSweep, range);
    EXPECT_FALSE(held.drawn[99].held);
    const double rate = held.drawn[101].targetHz;
    for (size_t k = 101; k < held.drawn.size(); ++k) ASSERT_EQ(held.drawn[k].targetHz, rate) << k;
    EXPECT_NEAR(held.drawn.back().presentedHz, rate, 0.01);
}

// Over thousands of generated present times: the meter counts every present and exactly those of
// the last half second, its rate is theirs, and its extremes bound every rate it gave.
TEST(VrrSchedule, MeterCountsAndExtremesOverGeneratedPresents) {
    std::mt19937 random(20261210);
    for (int c = 0; c < 3000; ++c) {
        std::uniform_int_distribution<long long> interval(c % 3 == 0 ? 0 : 1, kTicksPerSecond / (c % 5 == 0 ? 2 : 30));
        RateMeter meter;
        StartRateMeter(&meter, kTicksPerSecond);
        std::vector<long long> times;
        double lowest = 1e300, highest = 0;
        long long t = random() % kTicksPerSecond;
        for (int k = 0; k < 300; ++k) {
            t += c % 7 == 0 && k % 50 == 49 ? kTicksPerSecond : interval(random);  // pauses now and then
            times.push_back(t);
            MeterPresent(&meter, t);
            int inWindow = 0;
            long long oldest = t;
            for (long long u : times) {
                if (t - u < kTicksPerSecond / 2) {
                    ++inWindow;
                    if (u < oldest) oldest = u;
                }
            }
            ASSERT_EQ(meter.frames, k + 1) << c;
            ASSERT_EQ(PresentsInWindow(meter), inWindow) << c << " " << k;
            const double hz = PresentedRateHz(meter);
            const double expected = inWindow > 1 && t > oldest ? (inWindow - 1) * 1e7 / (t - oldest) : 0;
            ASSERT_DOUBLE_EQ(hz, expected) << c << " " << k;
            if (hz > 0) {
                lowest = std::min(lowest, hz);
                highest = std::max(highest, hz);
            }
        }
        ASSERT_EQ(meter.lowestHz, highest > 0 ? lowest : 0) << c;
        ASSERT_EQ(meter.highestHz, highest) << c;
    }
}

TEST(VrrSchedule, FrameNumbersReadBackAndDamagedOnesRefused) {
    for (uint32_t number : {0u, 1u, 2u, 0x80000000u, 0xFFFFFFFFu, 0x5A5A1234u}) {
        uint32_t pixels[kFrameNumberPixels];
        EncodeFrameNumber(number, pixels);
        EXPECT_EQ(pixels[31], number & 1 ? kFrameNumberWhite : kFrameNumberBlack);
        EXPECT_EQ(pixels[0], number >> 31 ? kFrameNumberWhite : kFrameNumberBlack);
        uint32_t read = 0;
        ASSERT_TRUE(DecodeFrameNumber(pixels, &read));
        EXPECT_EQ(read, number);
    }
    const struct {
        const char* name;
        int at;
        uint32_t pixel;
    } damaged[] = {{"grey", 0, 0xFF808080u}, {"one channel off", 31, 0xFFFFFEFFu}, {"red only", 7, 0xFFFF0000u}};
    for (const auto& row : damaged) {
        uint32_t pixels[kFrameNumberPixels];
        EncodeFrameNumber(12345, pixels);
        pixels[row.at] = row.pixel;
        uint32_t read = 77;
        EXPECT_FALSE(DecodeFrameNumber(pixels, &read)) << row.name;
        EXPECT_EQ(read, 77u) << row.name;
    }
}

}  // namespace
