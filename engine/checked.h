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
    return r != 0 && (r < 0) != (divisor < 0) ? static_cast<T>(r + divisor) : r;
}

// The quotient rounded down, to go with floor_mod: value == floor_div * divisor + floor_mod.
template <std::signed_integral T>
constexpr T floor_div(T value, T divisor) {
    return static_cast<T>((value - floor_mod(value, divisor)) / divisor);
}
static_assert(floor_div(-1, 4) == -1 && floor_div(-4, 4) == -1 && floor_div(3, 4) == 0 && floor_mod(-1, 60) == 59);

}  // namespace kyotu1
