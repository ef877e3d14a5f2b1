// Summaries of repeated timings: the median and the worst. Plain standard C++.
#pragma once

#include <algorithm>
#include <vector>

struct BenchFigure {
    double medianMs;
    double worstMs;
};

// The median of an even count is the mean of the middle two; an empty list gives zeros.
inline BenchFigure SummariseTimes(std::vector<double> times) {
    if (times.empty()) return {0.0, 0.0};
    std::sort(times.begin(), times.end());
    const size_t middle = times.size() / 2;
    const double median = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2.0;
    return {median, times.back()};
}
