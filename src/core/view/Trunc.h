#pragma once
// Double to page coordinate, truncating toward zero. Values no int can hold (a scale divided
// by a zero frequency or level range) are clamped instead of being undefined: NaN gives 0.

#include <climits>
#include <cmath>

inline int Trunc(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

// Sum of page coordinates that may have been clamped by Trunc, kept inside int.
inline int ClampToInt(long long value) {
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}
