// The n-th Monday of a month, looked up by the weekday of the month's first day.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kyotu1 {

// Day of the month of the second and third Monday, indexed by the weekday
// (0 Sunday to 6 Saturday) of the month's first day.
inline constexpr std::array<std::int16_t, 7> second_monday = {9, 8, 14, 13, 12, 11, 10};
inline constexpr std::array<std::int16_t, 7> third_monday = {16, 15, 21, 20, 19, 18, 17};

namespace detail {
constexpr bool mondays_are_consistent() {
    for (std::size_t w = 0; w < 7; ++w) {
        if (third_monday[w] != second_monday[w] + 7) return false;
        // The second Monday is the first one a week on: day 8 to 14, the weekday
        // of day 1 plus day - 1 steps lands on a Monday.
        if (second_monday[w] < 8 || second_monday[w] > 14) return false;
        if ((static_cast<int>(w) + second_monday[w] - 1) % 7 != 1) return false;
    }
    return true;
}
}  // namespace detail
static_assert(detail::mondays_are_consistent());

}  // namespace kyotu1
