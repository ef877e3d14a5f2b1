// The timing of the variable-refresh screens: the frame-rate sweep and its hold by keys, the
// irregular flicker pattern, the deadline of each frame, the meter of the rate actually presented,
// and the loop that runs them through a seam of its own. Plain standard C++ (no Windows headers).
#pragma once

#include <stdint.h>

#include "monitor/edid_colour.h"

// The rates a screen moves between, in frames per second; low <= high.
struct VrrRange {
    double lowHz;
    double highHz;
};

constexpr double kVrrUnknownLowHz = 48;     // the low end where the EDID claims no range
constexpr double kVrrFallbackHighHz = 60;   // the high end where neither Windows nor the EDID tells one
constexpr double kVrrHighestHz = 1000;      // no monitor refreshes faster; the meter is sized for it
constexpr double kSweepPeriodSeconds = 10;  // one sweep up and down

// The range the screens use: from the low end of the EDID's variable-refresh range (48 Hz where it
// claims none) to the monitor's refresh rate `refreshHz` (the EDID's high end where Windows tells
// no rate, else 60 Hz), at most kVrrHighestHz. A low end above the refresh rate is the refresh rate:
// the screens then hold one rate. Rates below 1 Hz (or not a number) count as unknown.
VrrRange VrrRangeFor(const RefreshRange& claimed, double refreshHz);

// The sweep's rate `phaseSeconds` into it, a raised cosine:
//   low + (high - low) * (1 - cos(2 pi * phaseSeconds / kSweepPeriodSeconds)) / 2
// It starts at low, reaches high after 5 s and is back at low after 10 s, its speed easing to
// nothing at both ends so a change of direction never jumps.
double SweepCurveHz(const VrrRange& range, double phaseSeconds);

// The sweep as keys leave it. Zeroed, it sweeps from the screen's start.
struct SweepState {
    double originSeconds;  // the curve's phase counts from this screen time
    int held;              // nonzero while + or - holds the rate
    double heldHz;
    int rising;            // the way the sweep went when it was held: Space goes on that way
};

// The rate the sweep asks for at screen time `seconds`.
double SweepRateHz(const SweepState& sweep, const VrrRange& range, double seconds);

// + (step 1) or - (step -1) at screen time `seconds`: the first press holds the sweep at its rate
// rounded to a whole frame per second and moves it by one; later presses move it on by one whole
// frame per second. The held rate stays inside the range.
void StepSweep(SweepState* sweep, const VrrRange& range, double seconds, int step);

// Space at screen time `seconds`: the sweep goes on from the held rate, the way it went when it
// was held, without a jump. Nothing happens while it sweeps.
void ResumeSweep(SweepState* sweep, const VrrRange& range, double seconds);

// The flicker screen's frame rates: runs of frames at the low end and at the high end in turn,
// each run 1 to kFlickerLongestRun frames long, the lengths drawn from a 32-bit xorshift generator
// (integer arithmetic only, so every build and every machine gives the same pattern).
struct FlickerPattern {
    uint32_t state;
    int runLeft;  // frames still to come in this run
    int atHigh;   // nonzero while the run is at the high end
};

constexpr uint32_t kFlickerSeed = 0x7A5C0DE5u;  // the pattern the screen always shows
constexpr int kFlickerLongestRun = 12;

void StartFlickerPattern(FlickerPattern* pattern, uint32_t seed);

// The rate of the next frame interval: the range's low or high end.
double NextFlickerRateHz(FlickerPattern* pattern, const VrrRange& range);

// A frame due at `deadline` was shown at `shown`; the next, at `hz`, is due one period later,
// counted from the deadline, or from `shown` where the frame came late: the frames after a late
// one are never shown faster than their period, nor does the schedule catch up. Periods are
// rounded up to whole ticks of `ticksPerSecond`; a rate below 1 Hz is taken as 1 Hz.
long long NextVrrDeadline(long long deadline, long long shown, double hz, long long ticksPerSecond);

// The presented rate: the mean rate of the presents in the last half second, and its extremes
// over the screen's time. Only presents within the window are kept (the last kRateMeterCapacity
// of them, enough for kVrrHighestHz).
constexpr int kRateMeterCapacity = 1024;

struct RateMeter {
    long long ticksPerSecond;
    long long window;  // half a second in ticks
    long long times[kRateMeterCapacity];  // a ring of the presents within the window
    int first;
    int count;
    long long frames;  // every present so far
    int measured;      // nonzero once a rate was measured
    double lowestHz;   // the extremes of the rates measured (0 until one was)
    double highestHz;
};

void StartRateMeter(RateMeter* meter, long long ticksPerSecond);

// A present at clock reading `at` (never earlier than the one before).
void MeterPresent(RateMeter* meter, long long at);

// The presents within the half second up to the last one.
int PresentsInWindow(const RateMeter& meter);

// Their mean rate: the intervals between them over the time they span; 0 with fewer than two (at
// the start, or after a pause of half a second or more).
double PresentedRateHz(const RateMeter& meter);

// The keys of the sweep screen, as the window hands them to the loop.
enum VrrKey { kVrrKeyNone, kVrrKeyFaster, kVrrKeySlower, kVrrKeySweep };

enum VrrScreen { kVrrScreenSweep, kVrrScreenFlicker };

// One screen's schedule.
struct VrrSchedule {
    VrrScreen screen;
    VrrRange range;
    SweepState sweep;
    FlickerPattern flicker;
};

// The sweep from its start, or the flicker pattern from kFlickerSeed.
void StartVrrSchedule(VrrSchedule* schedule, VrrScreen screen, const VrrRange& range);

// The rate of the frame interval that starts at screen time `seconds` (the flicker pattern moves
// on by one interval each call).
double ScheduledRateHz(VrrSchedule* schedule, double seconds);

// A key at screen time `seconds`; the flicker screen takes none.
void SteerVrrSchedule(VrrSchedule* schedule, VrrKey key, double seconds);

// The frame the loop asks the screen to draw.
struct VrrFrame {
    long long number;    // frames shown before it on this screen
    long long deadline;  // the clock reading it is to be shown at
    double seconds;      // that reading in seconds from the screen's start, for the animation
    double targetHz;     // the rate of the interval that ends with it
    double presentedHz;  // the meter's rate up to the frame before (0 while unknown)
    int held;            // nonzero while keys hold the sweep
};

// What a screen counted, for the record.
struct VrrRecord {
    long long frames;  // frames shown
    long long late;    // frames shown more than a tenth of their period after their deadline
    double sweptLowHz;   // the extremes of the rates the schedule asked for
    double sweptHighHz;
    RateMeter meter;   // the presented rate and its extremes
};

// What the loop draws, waits and presents through. Each function gets `context` first.
struct VrrSeam {
    void* context;
    // The clock, in ticks of the loop's `ticksPerSecond`.
    long long (*now)(void* context);
    // Waits until the clock reaches `deadline` (it may wake early or late); 0 when the loop is to end.
    int (*waitUntil)(void* context, long long deadline);
    // The next key pressed since the last call, kVrrKeyNone when there is none; null: no keys.
    VrrKey (*nextKey)(void* context);
    // Draws `frame` into the back buffer before its deadline; 0 when the loop is to end.
    int (*draw)(void* context, const VrrFrame* frame);
    // Shows the drawn frame at once; 0 where it could not (the loop then ends).
    int (*present)(void* context);
};

// Runs `schedule` until a seam function says to end: each frame is drawn, waited for until its
// deadline and presented, and its present time (the clock read when the wait ended) goes to the
// meter. `record` is written as the loop goes (read it only when the loop is not running, or from
// `draw`).
void RunVrrLoop(const VrrSeam* seam, VrrSchedule* schedule, long long ticksPerSecond, VrrRecord* record);
