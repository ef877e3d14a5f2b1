// The perceptual quantiser curve from its published constants.
#include "hdr/pq_curve.h"

#include <cmath>

namespace {

constexpr double kM1 = 2610.0 / 16384.0;
constexpr double kM2 = 2523.0 / 4096.0 * 128.0;
constexpr double kC1 = 3424.0 / 4096.0;
constexpr double kC2 = 2413.0 / 4096.0 * 32.0;
constexpr double kC3 = 2392.0 / 4096.0 * 32.0;

}  // namespace

double PqSignalToNits(double signal) {
    if (!(signal > 0.0)) return 0.0;
    if (signal >= 1.0) return kPqPeakNits;
    const double power = std::pow(signal, 1.0 / kM2);
    const double numerator = power > kC1 ? power - kC1 : 0.0;
    return kPqPeakNits * std::pow(numerator / (kC2 - kC3 * power), 1.0 / kM1);
}

double PqNitsToSignal(double nits) {
    if (!(nits > 0.0)) return 0.0;
    if (nits >= kPqPeakNits) return 1.0;
    const double power = std::pow(nits / kPqPeakNits, kM1);
    return std::pow((kC1 + kC2 * power) / (1.0 + kC3 * power), kM2);
}

int PqCode10(double nits) { return static_cast<int>(std::lround(kPqCodeMax10 * PqNitsToSignal(nits))); }

double PqCode10ToNits(int code) {
    if (code <= 0) return 0.0;
    if (code >= kPqCodeMax10) return kPqPeakNits;
    return PqSignalToNits(static_cast<double>(code) / kPqCodeMax10);
}
