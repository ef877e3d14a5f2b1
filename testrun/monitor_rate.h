// Which refresh rate the motion screens pace at, from what Windows reports of the tested monitor
// and of the compositor, and whether the compositor's rate is that monitor's. Plain standard C++
// (no Windows headers).
#pragma once

// What Windows reported; 0 for what it did not.
struct RateReports {
    double displayConfig;  // the tested monitor's path in the display configuration: exact (60000 / 1001)
    double displayMode;    // the tested monitor's display mode: whole hertz, rounded or cut
    double compositor;     // the rate the compositor composes at: the whole desktop's, the primary's
};

// The tested monitor's rate: the display configuration's; else its display mode, made exact by
// the compositor's rate only where the two agree (a 59.94 Hz mode reads 59 or 60); else the
// compositor's, where the mode leaves the rate to the hardware; 0 where none is known.
double ChooseMonitorRate(const RateReports& reports);

// Two rates are one monitor's (and so the compositor's count is the tested monitor's) within
// 0.02 %: 59.94 Hz and 60 Hz are two.
bool SameRate(double a, double b);
