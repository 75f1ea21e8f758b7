#include "bootstrap.h"

#include <algorithm>
#include <cstdint>
#include <random>

namespace {

// The standard fixes mt19937's numbers but not those of its distributions,
// so the draw of an index is our own: rejection keeps it uniform.
std::size_t drawIndex(std::mt19937 &generator, std::size_t count)
{
    const std::uint64_t range = std::uint64_t{std::mt19937::max()} + 1;
    const std::uint64_t limit = range - range % count;
    std::uint64_t value = 0;
    do {
        value = generator();
    } while (value >= limit);
    return static_cast<std::size_t>(value % count);
}

double ratio(long long part, long long whole)
{
    return static_cast<double>(part) / static_cast<double>(whole);
}

} // namespace

std::optional<double> pooledMean(const std::vector<RunShare> &shares)
{
    long long part = 0, whole = 0;
    for (const RunShare &share : shares) {
        if (share.whole > 0) {
            part += share.part;
            whole += share.whole;
        }
    }
    if (whole <= 0)
        return std::nullopt;
    return ratio(part, whole);
}

std::optional<Interval> bootstrapInterval95(std::vector<RunShare> shares)
{
    // A share of nothing would make a drawn mean 0 / 0.
    shares.erase(std::remove_if(shares.begin(), shares.end(), [](const RunShare &s) { return s.whole <= 0; }),
                 shares.end());
    if (shares.empty())
        return std::nullopt;
    // The same seed for every interval: the bytes of a summary repeat.
    std::mt19937 generator(20240601u);
    std::vector<double> means(kBootstrapResamples);
    for (double &mean : means) {
        long long part = 0, whole = 0;
        for (std::size_t k = 0; k < shares.size(); ++k) {
            const RunShare &drawn = shares[drawIndex(generator, shares.size())];
            part += drawn.part;
            whole += drawn.whole;
        }
        mean = ratio(part, whole);
    }
    std::sort(means.begin(), means.end());
    // The (R + 1) * 0.025th and (R + 1) * 0.975th of the R sorted means.
    constexpr int kLow = (kBootstrapResamples + 1) / 40 - 1;
    constexpr int kHigh = (kBootstrapResamples + 1) * 39 / 40 - 1;
    return Interval{means[kLow], means[kHigh]};
}
