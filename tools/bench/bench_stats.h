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

// The time that `share` (0..1) of the timings do not exceed: the nearest rank, 0 for an empty list.
inline double PercentileOf(std::vector<double> times, double share) {
    if (times.empty()) return 0.0;
    std::sort(times.begin(), times.end());
    size_t rank = static_cast<size_t>(share * times.size() + 0.999999);
    if (rank < 1) rank = 1;
    return times[std::min(rank, times.size()) - 1];
}
