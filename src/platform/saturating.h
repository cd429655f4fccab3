#pragma once

#include <cstdint>
#include <limits>

// int64 arithmetic that stops at the limits instead of overflowing: totals and times of a
// damaged file can be anything.

inline int64_t SaturatingMultiply(int64_t a, int64_t b) {
    int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return (a < 0) != (b < 0) ? std::numeric_limits<int64_t>::min()
                                  : std::numeric_limits<int64_t>::max();
    }
    return product;
}

inline int64_t SaturatingSubtract(int64_t a, int64_t b) {
    int64_t difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) {
        return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
    }
    return difference;
}
