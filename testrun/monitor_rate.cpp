// The choice of the tested monitor's refresh rate among Windows' reports.
#include "testrun/monitor_rate.h"

#include <math.h>

namespace {

// The widest gap between two reports of one rate: the compositor's fraction and the display
// configuration's differ in their last digits (59.94 against 60000 / 1001), a 59.94 Hz monitor
// beside a 60 Hz one differs by 0.1 %.
constexpr double kSameRateShare = 0.0002;

// A whole-hertz display mode reads a fractional rate cut (143.856 Hz as 143) or rounded (59.94 Hz
// as 60).
bool ModeAgrees(double mode, double exact) {
    return exact > mode - 0.5 && exact < mode + 1;
}

}  // namespace

bool SameRate(double a, double b) {
    return a > 0 && b > 0 && fabs(a - b) <= kSameRateShare * (a > b ? a : b);
}

double ChooseMonitorRate(const RateReports& reports) {
    if (reports.displayConfig > 0) return reports.displayConfig;
    if (reports.displayMode > 1) {
        return ModeAgrees(reports.displayMode, reports.compositor) ? reports.compositor : reports.displayMode;
    }
    return reports.compositor > 0 ? reports.compositor : 0;
}
