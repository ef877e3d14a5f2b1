// The variable-refresh screens' timing: the sweep's curve and keys, the flicker runs, deadlines
// without catch-up, the presented-rate meter and the loop over its seam.
#include "testrun/vrr_schedule.h"

#include <math.h>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMeterWindowSeconds = 0.5;
constexpr double kLateShareOfPeriod = 0.1;  // later than this after the deadline counts as late

constexpr double kSlowestHz = 1;  // below one frame a second no rate makes sense (nor a period in ticks)

// A rate a monitor could report: false for NaN too.
bool UsableRate(double hz) {
    return hz >= kSlowestHz && hz <= kVrrHighestHz * 1000;
}

double Clamp(double value, double low, double high) {
    return value < low ? low : value > high ? high : value;
}

// Where the curve stands at `seconds`, within one period.
double PhaseSeconds(const SweepState& sweep, double seconds) {
    const double phase = fmod(seconds - sweep.originSeconds, kSweepPeriodSeconds);
    return phase < 0 ? phase + kSweepPeriodSeconds : phase;
}

// Marsaglia's xorshift32: the same numbers from the same seed on every compiler.
uint32_t NextRandom(uint32_t* state) {
    uint32_t x = *state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    *state = x;
    return x;
}

void NoteRate(RateMeter* meter, double hz) {
    if (!meter->measured || hz < meter->lowestHz) meter->lowestHz = hz;
    if (!meter->measured || hz > meter->highestHz) meter->highestHz = hz;
    meter->measured = 1;
}

long long Newest(const RateMeter& meter) {
    return meter.times[(meter.first + meter.count - 1) % kRateMeterCapacity];
}

void NoteTarget(VrrRecord* record, double hz) {
    if (record->frames == 0 || hz < record->sweptLowHz) record->sweptLowHz = hz;
    if (record->frames == 0 || hz > record->sweptHighHz) record->sweptHighHz = hz;
}

// Waits until the clock has reached `deadline`, however early the waits wake; the clock reading
// then, or -1 when the loop is to end.
long long WaitFor(const VrrSeam* seam, long long deadline) {
    for (;;) {
        const long long now = seam->now(seam->context);
        if (now >= deadline) return now;
        if (!seam->waitUntil(seam->context, deadline)) return -1;
    }
}

void TakeKeys(const VrrSeam* seam, VrrSchedule* schedule, double seconds) {
    if (seam->nextKey == nullptr) return;
    for (VrrKey key = seam->nextKey(seam->context); key != kVrrKeyNone; key = seam->nextKey(seam->context)) {
        SteerVrrSchedule(schedule, key, seconds);
    }
}

}  // namespace

VrrRange VrrRangeFor(const RefreshRange& claimed, double refreshHz) {
    double high = refreshHz;
    if (!UsableRate(high)) high = claimed.present && UsableRate(claimed.maxHz) ? claimed.maxHz : kVrrFallbackHighHz;
    high = Clamp(high, kSlowestHz, kVrrHighestHz);
    const double low = claimed.present && UsableRate(claimed.minHz) ? claimed.minHz : kVrrUnknownLowHz;
    return {low < high ? low : high, high};
}

double SweepCurveHz(const VrrRange& range, double phaseSeconds) {
    const double share = (1 - cos(2 * kPi * phaseSeconds / kSweepPeriodSeconds)) / 2;
    return range.lowHz + (range.highHz - range.lowHz) * share;
}

double SweepRateHz(const SweepState& sweep, const VrrRange& range, double seconds) {
    return sweep.held ? sweep.heldHz : SweepCurveHz(range, PhaseSeconds(sweep, seconds));
}

void StepSweep(SweepState* sweep, const VrrRange& range, double seconds, int step) {
    double hz = 0;
    if (!sweep->held) {
        sweep->rising = PhaseSeconds(*sweep, seconds) < kSweepPeriodSeconds / 2;
        hz = round(SweepRateHz(*sweep, range, seconds)) + step;
    } else {
        // From a held rate that is not whole (an end of the range) to the next whole one.
        hz = step > 0 ? floor(sweep->heldHz) + step : ceil(sweep->heldHz) + step;
    }
    sweep->held = 1;
    sweep->heldHz = Clamp(hz, range.lowHz, range.highHz);
}

void ResumeSweep(SweepState* sweep, const VrrRange& range, double seconds) {
    if (!sweep->held) return;
    const double span = range.highHz - range.lowHz;
    const double share = span > 0 ? Clamp((sweep->heldHz - range.lowHz) / span, 0, 1) : 0;
    // The curve's inverse: on the way up the phase is the angle's share of the period, on the way
    // down its mirror.
    const double upPhase = acos(1 - 2 * share) / (2 * kPi) * kSweepPeriodSeconds;
    const double phase = sweep->rising ? upPhase : kSweepPeriodSeconds - upPhase;
    sweep->originSeconds = seconds - phase;
    sweep->held = 0;
}

void StartFlickerPattern(FlickerPattern* pattern, uint32_t seed) {
    pattern->state = seed != 0 ? seed : kFlickerSeed;  // xorshift never leaves 0
    pattern->runLeft = 0;
    pattern->atHigh = 1;  // the first run is at the low end
}

double NextFlickerRateHz(FlickerPattern* pattern, const VrrRange& range) {
    if (pattern->runLeft == 0) {
        pattern->atHigh = !pattern->atHigh;
        pattern->runLeft = 1 + static_cast<int>((NextRandom(&pattern->state) >> 8) % kFlickerLongestRun);
    }
    --pattern->runLeft;
    return pattern->atHigh ? range.highHz : range.lowHz;
}

long long NextVrrDeadline(long long deadline, long long shown, double hz, long long ticksPerSecond) {
    const long long from = shown > deadline ? shown : deadline;
    if (!(hz >= kSlowestHz)) hz = kSlowestHz;  // a range not from VrrRangeFor
    return from + static_cast<long long>(ceil(static_cast<double>(ticksPerSecond) / hz));
}

void StartRateMeter(RateMeter* meter, long long ticksPerSecond) {
    *meter = {};
    meter->ticksPerSecond = ticksPerSecond;
    meter->window = static_cast<long long>(llround(kMeterWindowSeconds * static_cast<double>(ticksPerSecond)));
}

void MeterPresent(RateMeter* meter, long long at) {
    while (meter->count > 0 && at - meter->times[meter->first] >= meter->window) {
        meter->first = (meter->first + 1) % kRateMeterCapacity;
        --meter->count;
    }
    if (meter->count == kRateMeterCapacity) {
        meter->first = (meter->first + 1) % kRateMeterCapacity;
        --meter->count;
    }
    meter->times[(meter->first + meter->count) % kRateMeterCapacity] = at;
    ++meter->count;
    ++meter->frames;
    const double hz = PresentedRateHz(*meter);
    if (hz > 0) NoteRate(meter, hz);
}

int PresentsInWindow(const RateMeter& meter) {
    return meter.count;
}

double PresentedRateHz(const RateMeter& meter) {
    if (meter.count < 2) return 0;
    const long long span = Newest(meter) - meter.times[meter.first];
    if (span <= 0) return 0;
    return (meter.count - 1) * static_cast<double>(meter.ticksPerSecond) / static_cast<double>(span);
}

void StartVrrSchedule(VrrSchedule* schedule, VrrScreen screen, const VrrRange& range) {
    *schedule = {};
    schedule->screen = screen;
    schedule->range = range;
    StartFlickerPattern(&schedule->flicker, kFlickerSeed);
}

double ScheduledRateHz(VrrSchedule* schedule, double seconds) {
    if (schedule->screen == kVrrScreenFlicker) return NextFlickerRateHz(&schedule->flicker, schedule->range);
    return SweepRateHz(schedule->sweep, schedule->range, seconds);
}

void SteerVrrSchedule(VrrSchedule* schedule, VrrKey key, double seconds) {
    if (schedule->screen != kVrrScreenSweep) return;
    if (key == kVrrKeyFaster) StepSweep(&schedule->sweep, schedule->range, seconds, 1);
    if (key == kVrrKeySlower) StepSweep(&schedule->sweep, schedule->range, seconds, -1);
    if (key == kVrrKeySweep) ResumeSweep(&schedule->sweep, schedule->range, seconds);
}

void RunVrrLoop(const VrrSeam* seam, VrrSchedule* schedule, long long ticksPerSecond, VrrRecord* record) {
    *record = {};
    StartRateMeter(&record->meter, ticksPerSecond);
    const long long start = seam->now(seam->context);
    const double tick = 1.0 / static_cast<double>(ticksPerSecond);
    VrrFrame frame = {};
    frame.deadline = start;
    TakeKeys(seam, schedule, 0);
    frame.targetHz = ScheduledRateHz(schedule, 0);
    for (;;) {
        frame.seconds = static_cast<double>(frame.deadline - start) * tick;
        frame.presentedHz = PresentedRateHz(record->meter);
        frame.held = schedule->sweep.held;
        NoteTarget(record, frame.targetHz);
        if (!seam->draw(seam->context, &frame)) return;
        const long long shown = WaitFor(seam, frame.deadline);
        if (shown < 0 || !seam->present(seam->context)) return;
        MeterPresent(&record->meter, shown);
        ++record->frames;
        if (static_cast<double>(shown - frame.deadline) * tick * frame.targetHz > kLateShareOfPeriod) ++record->late;
        // The next interval's rate is the schedule's at the moment it starts.
        const long long from = shown > frame.deadline ? shown : frame.deadline;
        const double fromSeconds = static_cast<double>(from - start) * tick;
        TakeKeys(seam, schedule, fromSeconds);
        frame.targetHz = ScheduledRateHz(schedule, fromSeconds);
        frame.deadline = NextVrrDeadline(frame.deadline, shown, frame.targetHz, ticksPerSecond);
        ++frame.number;
    }
}
