#pragma once

#include <algorithm>
#include <vector>

// The middle of the samples: a machine shared with other work throws out single slow runs, which
// a median shrugs off and a mean does not.
inline double median(std::vector<double> samples) {
    if (samples.empty())
        return 0.0;
    std::sort(samples.begin(), samples.end());
    const std::size_t middle = samples.size() / 2;
    return samples.size() % 2 == 1 ? samples[middle]
                                   : (samples[middle - 1] + samples[middle]) / 2.0;
}
