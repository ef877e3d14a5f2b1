// The loop of the motion screens' pacer: one frame per refresh of the tested monitor, and an exact
// count of the frames that came late. It waits through the functions it is given, so the same
// loop runs on Windows' compositor and clock and, in the tests, on stand-ins. Plain standard C++
// (no Windows headers).
#pragma once

// What the loop waits on and reports to. Each function gets `context` first.
struct PacerSeam {
    void* context;
    // The clock, in ticks of `ticksPerSecond`.
    long long (*now)(void* context);
    // Waits for the compositor's next frame (null where the loop is to pace on the timer alone);
    // 0 where the call failed.
    int (*flush)(void* context);
    // The compositor's count of refreshes so far; 0 where it gives none (null: never).
    int (*refreshCount)(void* context, unsigned long long* count);
    // Waits until the clock reaches `deadline` (it may wake a little early or late); 0 when the
    // loop is to end.
    int (*waitUntil)(void* context, long long deadline);
    // A frame is due: the animation moves on by `advance` frames. Returns when it is painted;
    // 0 when the loop is to end.
    int (*frame)(void* context, long long advance);
};

// The counts of a motion screen so far.
struct PacerCounts {
    long long frames;   // refreshes the animation has moved on by
    long long dropped;  // refreshes that passed without a frame of ours
    long long pauses;   // gaps longer than a second, which count neither as frames nor as drops
    int onTimer;        // nonzero once the loop paces on its timer (no compositor, or one that does not wait)
};

constexpr int kQuickReturnsToGiveUp = 3;  // compositor waits in a row that did not wait for a refresh

// Runs until a seam function says to end. `ticksPerPeriod` is the tested monitor's refresh period.
// `counts` is written as the loop goes (read it only when the loop is not running, or from
// `frame`).
void RunPacerLoop(const PacerSeam* seam, double ticksPerPeriod, long long ticksPerSecond, PacerCounts* counts);

// The frames `gap` ticks stand for at `ticksPerPeriod`: at least 1; 0 for a pause (longer than a
// second, `ticksPerSecond`), which is no frame late.
long long PeriodsInGap(long long gap, double ticksPerPeriod, long long ticksPerSecond);
