// Date arithmetic that reports overflow instead of wrapping. Every result is
// computed in a type wide enough to hold it exactly, then range-checked.
#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace kyotu1 {

template <std::signed_integral T>
requires(sizeof(T) < sizeof(std::int64_t)) constexpr T checked_narrow(std::int64_t value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max()) {
        throw std::overflow_error("date arithmetic overflow");
    }
    return static_cast<T>(value);
}

template <std::signed_integral T>
constexpr T checked_add(T a, T b) {
    return checked_narrow<T>(std::int64_t{a} + std::int64_t{b});
}

template <std::signed_integral T>
constexpr T checked_sub(T a, T b) {
    return checked_narrow<T>(std::int64_t{a} - std::int64_t{b});
}

// Remainder with the sign of the divisor: 0 to divisor - 1 for divisor > 0.
template <std::signed_integral T>
constexpr T floor_mod(T value, T divisor) {
    const T r = static_cast<T>(value % divisor);
    return r < 0 ? static_cast<T>(r + divisor) : r;
}

}  // namespace kyotu1
