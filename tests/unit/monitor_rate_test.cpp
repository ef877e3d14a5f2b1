// The tested monitor's rate among Windows' reports, and when the compositor's rate is that rate.
#include <gtest/gtest.h>

#include <math.h>

#include <random>

#include "testrun/monitor_rate.h"

namespace {

TEST(MonitorRate, TheTestedMonitorsOwnRateComesFirst) {
    const double ntsc = 60000.0 / 1001;
    const struct {
        const char* name;
        RateReports reports;
        double rate;
    } table[] = {
        {"the display configuration's, exact", {ntsc, 59, 60}, ntsc},
        {"the display configuration's over another compositor", {143.856, 143, 60}, 143.856},
        // The display configuration failed: on a mixed desk the compositor is the primary's.
        {"a 144 Hz monitor beside a 60 Hz primary", {0, 144, 60}, 144},
        {"a 60 Hz monitor beside a 144 Hz primary", {0, 60, 143.856}, 60},
        {"a 59 Hz mode beside a 60 Hz primary", {0, 59, 60}, 59},
        // ... and where the compositor agrees with the mode, its rate is the exact one.
        {"a mode cut to 143", {0, 143, 143.856}, 143.856},
        {"a mode rounded to 60", {0, 60, 59.94}, 59.94},
        {"a mode cut to 59", {0, 59, ntsc}, ntsc},
        {"no compositor", {0, 75, 0}, 75},
        // The mode leaves the rate to the hardware.
        {"the hardware's default, composed", {0, 0, 59.94}, 59.94},
        {"the hardware's default, a raw 1", {0, 1, 120}, 120},
        {"nothing known", {0, 0, 0}, 0},
        // What no monitor reports.
        {"negative everywhere", {-60, -60, -60}, 0},
        {"not a number", {NAN, 60, NAN}, 60},
        {"a negative compositor", {0, 0, -59.94}, 0},
    };
    for (const auto& row : table) EXPECT_DOUBLE_EQ(ChooseMonitorRate(row.reports), row.rate) << row.name;
}

TEST(MonitorRate, SameRateIsOneMonitorsRate) {
    const struct {
        double a, b;
        bool same;
    } table[] = {
        {60000.0 / 1001, 59.94, true},  // the display configuration's fraction and the compositor's
        {59.94, 60000.0 / 1001, true},
        {143.856, 143.856, true},
        {60, 60.011, true},             // within 0.02 %
        {59.94, 60, false},             // a 59.94 Hz monitor beside a 60 Hz primary
        {60, 59.94, false},
        {143.856, 144, false},
        {60, 60.02, false},
        {0, 0, false},
        {60, 0, false},
        {0, 60, false},
        {-60, -60, false},
    };
    for (const auto& row : table) EXPECT_EQ(SameRate(row.a, row.b), row.same) << row.a << " Hz against " << row.b << " Hz";
}

// Over thousands of generated rates: a rate and its own fraction in other digits are one, a rate
// and its neighbour a tenth of a percent away are two, either way round; a whole-hertz mode,
// cut or rounded, is made exact by its own compositor and kept against another monitor's.
TEST(MonitorRate, RatesAndModesOverGeneratedMonitors) {
    std::mt19937 random(59940);
    std::uniform_real_distribution<double> hz(23.976, 500), other(2, 100);
    for (int k = 0; k < 5000; ++k) {
        const double rate = hz(random);
        const double digits = rate * (1 + 1e-6);
        ASSERT_TRUE(SameRate(rate, digits) && SameRate(digits, rate)) << rate;
        ASSERT_FALSE(SameRate(rate, rate * 1.001) || SameRate(rate * 1.001, rate)) << rate;
        const double mode = k % 2 == 0 ? floor(rate) : round(rate);
        ASSERT_EQ(ChooseMonitorRate({0, mode, rate}), rate) << rate;
        const double primary = rate + (k % 3 == 0 ? -1 : 1) * other(random);
        ASSERT_EQ(ChooseMonitorRate({0, mode, primary}), mode) << rate << " beside " << primary;
        ASSERT_EQ(ChooseMonitorRate({rate, mode, primary}), rate) << rate;
    }
}

}  // namespace
