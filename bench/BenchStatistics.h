#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kestrel::bench {

// The value at fraction `p` (0 to 1) of the samples, nearest rank; sorts them.
inline double percentile(std::vector<double>& samples, double p)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[static_cast<std::size_t>(p * static_cast<double>(samples.size() - 1))];
}

} // namespace kestrel::bench
