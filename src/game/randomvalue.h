#pragma once

#include <cstdint>

namespace rollwell {

// Int(x) kept within lo..hi, so that a random source straying out of [0, 1)
// (or giving no number at all) can never pick outside the valid range. The
// value is compared before it is converted: a huge value, an infinity or NaN
// is never converted at all.
inline int32_t intWithin(double x, int32_t lo, int32_t hi) {
    if (!(x >= lo)) return lo;
    if (x >= hi) return hi;
    return static_cast<int32_t>(x);
}

} // namespace rollwell
