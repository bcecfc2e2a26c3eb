// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace qm5::bench {

struct Summary {
    double mean = 0;
    double median = 0;
    double p95 = 0;
    std::size_t count = 0;
};

inline double percentile(std::vector<double> values, double fraction) {
    if (values.empty()) return 0;
    std::ranges::sort(values);
    const auto rank =
        static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::clamp<std::size_t>(rank, 1, values.size()) - 1];
}

inline Summary summarize(const std::vector<double>& values) {
    if (values.empty()) return {};
    const double mean =
        std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
    return {mean, percentile(values, 0.5), percentile(values, 0.95), values.size()};
}

}  // namespace qm5::bench
