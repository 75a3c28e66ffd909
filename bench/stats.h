// SPDX-License-Identifier: MIT
// Order statistics over timing samples.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace vora::bench {

// Nearest-rank percentile, p in (0, 100]; NaN for no samples.
inline double Percentile(std::vector<double> samples, double p) {
    if (samples.empty()) return std::numeric_limits<double>::quiet_NaN();
    std::sort(samples.begin(), samples.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p / 100.0 * double(samples.size())));
    return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

// The middle sample, or the mean of the two middle ones; NaN for no samples.
inline double Median(std::vector<double> samples) {
    if (samples.empty()) return std::numeric_limits<double>::quiet_NaN();
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

} // namespace vora::bench
