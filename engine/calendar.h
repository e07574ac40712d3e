// Calendar arithmetic: the supported years, the weekdays, month lengths, and
// today's date as the clock gives it.
#pragma once

#include <cstdint>

namespace kyotu1 {

// Today as the clock tells it. A clock set outside the supported years still
// reads (its year is wider than a calendar year) and then matches no day.
struct ClockDate {
    std::int32_t year;
    std::int16_t month;
    std::int16_t day;
    friend bool operator==(const ClockDate&, const ClockDate&) = default;
};

// Supported years. Every navigation step and every engine call stays inside.
inline constexpr std::int16_t min_year = 1;
inline constexpr std::int16_t max_year = 32767;
// The holiday rules are written for the years up to this one.
inline constexpr std::int16_t last_rule_year = 2100;

// Weekdays, also the columns of the month grid.
inline constexpr std::int16_t sunday = 0;
inline constexpr std::int16_t monday = 1;
inline constexpr std::int16_t saturday = 6;

// From 1980 on the calendar has a leap year in every year divisible by 4
// except 2100; before 1980 it is the proleptic Gregorian calendar.

// Weekday 0 (Sunday) to 6 (Saturday) of the date. A day past the end of the
// month counts on into the next month (31 February 2003 is 3 March).
// Throws std::out_of_range for a year below 1, a month outside 1 to 12 or a
// day outside 1 to 31.
std::int16_t yobi_keisan(std::int16_t year, std::int16_t month, std::int16_t day);

// Days in the month: 28 to 31. Throws std::out_of_range for a year below 1 or
// a month outside 1 to 12.
std::int16_t month_days(std::int16_t year, std::int16_t month);

}  // namespace kyotu1
