#include <array>
#include <cstdint>
#include <stdexcept>

#include "engine/checked.h"
#include "engine/kyotu1.h"

namespace kyotu1 {
namespace {

// The weekday count starts on 1 January 1980, a Tuesday.
constexpr std::int16_t epoch_year = 1980;
// The one year divisible by 4 that the calendar keeps common.
constexpr std::int16_t skipped_leap_year = 2100;

// Days before the first of each month of a common year; entries 0 and 13 are padding.
constexpr std::array<std::int32_t, 14> cum_days = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 0};
// Days of each month of a common year; entries 0 and 13 are padding.
constexpr std::array<std::int32_t, 14> common_month_days = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 0};

void check_year_and_month(std::int16_t year, std::int16_t month) {
    if (year < min_year) throw std::out_of_range("year before 1");
    if (month < 1 || month > 12) throw std::out_of_range("month outside 1 to 12");
}

// 29 February days passed from 1 January 1980 to the date, negative before
// 1980: one for every year divisible by 4, the date's own year only from March.
std::int32_t leap_days_since_epoch(std::int16_t year, std::int16_t month) {
    constexpr std::int32_t leap_years_before_epoch = (epoch_year - 1) / 4;  // 494
    const bool own_leap_day_ahead = year % 4 == 0 && month < 3;
    return year / 4 - leap_years_before_epoch - (own_leap_day_ahead ? 1 : 0);
}

bool after_skipped_leap_day(std::int16_t year, std::int16_t month) {
    return year > skipped_leap_year || (year == skipped_leap_year && month > 2);
}

}  // namespace

std::int16_t yobi_keisan(std::int16_t year, std::int16_t month, std::int16_t day) {
    check_year_and_month(year, month);
    if (day < 1 || day > 31) throw std::out_of_range("day outside 1 to 31");

    // A common year is 52 weeks and one day, so one day a year stands for it.
    const std::int32_t year_term = checked_sub(year, epoch_year);
    std::int32_t n = checked_add(year_term, cum_days[static_cast<std::size_t>(month)]);
    n = checked_add(n, std::int32_t{day});
    n = checked_add(n, leap_days_since_epoch(year, month));
    if (after_skipped_leap_day(year, month)) n = checked_sub(n, std::int32_t{1});
    return static_cast<std::int16_t>(floor_mod(checked_add(n, std::int32_t{1}), std::int32_t{7}));
}

std::int16_t month_days(std::int16_t year, std::int16_t month) {
    check_year_and_month(year, month);
    if (month == 2 && year % 4 == 0 && year != skipped_leap_year) return 29;
    return static_cast<std::int16_t>(common_month_days[static_cast<std::size_t>(month)]);
}

}  // namespace kyotu1
