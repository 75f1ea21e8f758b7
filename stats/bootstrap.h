#ifndef VORMIS_STATS_BOOTSTRAP_H
#define VORMIS_STATS_BOOTSTRAP_H

#include <optional>
#include <vector>

// One run's share of a pooled mean: the mean is the sum of the parts over
// the sum of the wholes.  A length is part = length, whole = 1; the late
// paths of a run are part = their total length, whole = their number.
// Whole numbers keep the sums exact, so the same runs always give the same
// bits.
struct RunShare
{
    long long part = 0;
    long long whole = 1;
};

struct Interval
{
    double low = 0;
    double high = 0;
};

// Shares whose whole is not positive are left out.

// The pooled mean: sum of parts over sum of wholes; nothing for no shares.
std::optional<double> pooledMean(const std::vector<RunShare> &shares);

// The 95% bootstrap percentile interval of the pooled mean: the runs are
// drawn again with replacement kBootstrapResamples times, by a generator
// with a fixed seed, and the interval runs from the 2.5th to the 97.5th
// percentile of those means.  Each such mean lies between the smallest and
// the largest part / whole, so the interval never leaves the runs' range.
// Nothing for no shares.
constexpr int kBootstrapResamples = 1999;
std::optional<Interval> bootstrapInterval95(std::vector<RunShare> shares);

#endif
