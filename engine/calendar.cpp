#include <array>
#include <cstdint>
#include <stdexcept>

#include "engine/calendar.h"
#include "engine/checked.h"

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

constexpr bool cum_days_are_running_sums() {
    for (std::size_t m = 1; m < 12; ++m) {
        if (cum_days[m + 1] != cum_days[m] + common_month_days[m]) return false;
    }
    return cum_days[12] + common_month_days[12] == 365;
}
static_assert(cum_days_are_running_sums());

void check_year_and_month(std::int16_t year, std::int16_t month) {
    if (year < min_year) throw std::out_of_range("year before 1");
    if (month < 1 || month > 12) throw std::out_of_range("month outside 1 to 12");
}

// Before the epoch the calendar is the proleptic Gregorian one; from it on,
// every year divisible by 4 but the skipped one is a leap year.
bool is_leap_year(std::int16_t year) {
    if (year < epoch_year) return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return year % 4 == 0 && year != skipped_leap_year;
}

// Gregorian 29 Februaries from 1 January of the year 1 to the start of the year.
constexpr std::int32_t gregorian_leap_days_before(std::int32_t year) {
    const std::int32_t y = year - 1;
    return y / 4 - y / 100 + y / 400;
}
static_assert(gregorian_leap_days_before(1980) == 479);

// 29 February days passed from 1 January 1980 to the date, negative before
// 1980; the date's own year counts only from March. From 1980 on every year
// divisible by 4 counts here, and the skipped year is corrected for apart.
std::int32_t leap_days_since_epoch(std::int16_t year, std::int16_t month) {
    if (year < epoch_year) {
        const std::int32_t own_leap_day_passed = is_leap_year(year) && month >= 3 ? 1 : 0;
        return gregorian_leap_days_before(year) + own_leap_day_passed - gregorian_leap_days_before(epoch_year);
    }
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
    if (month == 2 && is_leap_year(year)) return 29;
    return static_cast<std::int16_t>(common_month_days[static_cast<std::size_t>(month)]);
}

}  // namespace kyotu1
