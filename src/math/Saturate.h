// Real to integer conversions that stay defined for every input.
#pragma once

#include <algorithm>
#include <cmath>

namespace ventrel {

// Pixel and millimetre coordinates are kept within ±2^29, so that the sum or difference of two of
// them never overflows an int.
inline constexpr int kSaturationLimit = 1 << 29;

// The value truncated towards zero, limited to ±limit; NaN gives 0.
inline int SaturatingInt(double value, int limit = kSaturationLimit) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::trunc(std::clamp(value, -double(limit), double(limit))));
}

} // namespace ventrel
