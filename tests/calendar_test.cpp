#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "engine/calendar.h"
#include "engine/checked.h"

namespace {

using kyotu1::month_days;
using kyotu1::yobi_keisan;
namespace chr = std::chrono;

struct WeekdayCase {
    std::int16_t year, month, day;
    std::int16_t weekday;
};

// The documented results, including the ones that are not true weekdays.
TEST(YobiKeisan, DocumentedDates) {
    // clang-format off
    const WeekdayCase cases[] = {
        {1980, 1, 1, 2},   {1980, 2, 29, 5}, {1980, 3, 1, 6}, {2049, 9, 1, 3},
        {2000, 2, 29, 2},  {2000, 3, 1, 3},  {2100, 2, 28, 0}, {2100, 3, 1, 1},
        {2100, 12, 31, 5}, {1979, 1, 1, 1},  {1977, 1, 2, 0},
        {2003, 2, 31, 1},  // counts on into 3 March
        {2200, 2, 28, 5},  // still true
        {2200, 2, 29, 6},  // the day the Gregorian calendar has not
        {2200, 3, 1, 0},   // one day ahead from here on
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(yobi_keisan(c.year, c.month, c.day), c.weekday) << c.year << "-" << c.month << "-" << c.day;
    }
}

// Up to 2100 the calendar is the Gregorian one (proleptic before 1873), so
// every day must match an independent count.
TEST(Calendar, AgreesWithGregorianFromTheYear1To2100) {
    const chr::sys_days first = chr::year{1} / chr::January / 1;
    const chr::sys_days last = chr::year{2100} / chr::December / 31;
    for (chr::sys_days d = first; d <= last; d += chr::days{1}) {
        const chr::year_month_day ymd{d};
        const auto year = static_cast<std::int16_t>(int{ymd.year()});
        const auto month = static_cast<std::int16_t>(unsigned{ymd.month()});
        const auto day = static_cast<std::int16_t>(unsigned{ymd.day()});
        ASSERT_EQ(yobi_keisan(year, month, day), chr::weekday{d}.c_encoding())
            << int{ymd.year()} << "-" << month << "-" << day;
        if (day == 1) {
            const chr::year_month_day_last end{ymd.year(), chr::month_day_last{ymd.month()}};
            ASSERT_EQ(month_days(year, month), static_cast<int>(unsigned{end.day()}));
        }
    }
}

// Over every supported year the weekday advances by one a day, across every
// month boundary, and the month lengths make years of 365 or 366 days.
TEST(Calendar, WeekdaysRunOnWithoutAGapInEverySupportedYear) {
    std::int16_t expected = yobi_keisan(1, 1, 1);
    for (int y = kyotu1::min_year; y <= kyotu1::max_year; ++y) {
        const auto year = static_cast<std::int16_t>(y);
        int year_length = 0;
        for (std::int16_t month = 1; month <= 12; ++month) {
            const std::int16_t length = month_days(year, month);
            year_length += length;
            for (std::int16_t day = 1; day <= length; day = static_cast<std::int16_t>(day + 7)) {
                ASSERT_EQ(yobi_keisan(year, month, day), (expected + day - 1) % 7) << y << "-" << month << "-" << day;
            }
            expected = static_cast<std::int16_t>((expected + length) % 7);
        }
        const bool gregorian_leap = y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
        const bool leap = y < 1980 ? gregorian_leap : y % 4 == 0 && y != 2100;
        ASSERT_EQ(year_length, leap ? 366 : 365) << y;
    }
}

TEST(MonthDays, DocumentedLengths) {
    struct Case {
        std::int16_t year, month, days;
    };
    const Case cases[] = {
        {2000, 2, 29}, {2004, 2, 29}, {2003, 2, 28},  {2100, 2, 28},   {2200, 2, 29},
        {1900, 2, 28}, {2004, 4, 30}, {2004, 12, 31}, {32767, 12, 31}, {1, 1, 31},
    };
    for (const auto& c : cases) EXPECT_EQ(month_days(c.year, c.month), c.days) << c.year << "-" << c.month;
}

TEST(Calendar, RefusesArgumentsOutsideTheCalendar) {
    EXPECT_THROW(yobi_keisan(0, 1, 1), std::out_of_range);
    EXPECT_THROW(yobi_keisan(-32768, 1, 1), std::out_of_range);
    EXPECT_THROW(yobi_keisan(2004, 0, 1), std::out_of_range);
    EXPECT_THROW(yobi_keisan(2004, 13, 1), std::out_of_range);
    EXPECT_THROW(yobi_keisan(2004, 1, 0), std::out_of_range);
    EXPECT_THROW(yobi_keisan(2004, 1, 32), std::out_of_range);
    EXPECT_THROW(month_days(0, 1), std::out_of_range);
    EXPECT_THROW(month_days(2004, 0), std::out_of_range);
    EXPECT_THROW(month_days(2004, 13), std::out_of_range);
    EXPECT_NO_THROW(yobi_keisan(32767, 12, 31));
}

TEST(CheckedArithmetic, ReportsOverflowInsteadOfWrapping) {
    using kyotu1::checked_add;
    using kyotu1::checked_sub;
    constexpr auto max16 = std::numeric_limits<std::int16_t>::max();
    constexpr auto min16 = std::numeric_limits<std::int16_t>::min();
    constexpr auto max32 = std::numeric_limits<std::int32_t>::max();
    constexpr auto min32 = std::numeric_limits<std::int32_t>::min();

    EXPECT_EQ(checked_add<std::int16_t>(max16 - 1, 1), max16);
    EXPECT_EQ(checked_sub<std::int16_t>(min16 + 1, 1), min16);
    EXPECT_THROW(checked_add<std::int16_t>(max16, 1), std::overflow_error);
    EXPECT_THROW(checked_sub<std::int16_t>(min16, 1), std::overflow_error);
    EXPECT_THROW(checked_sub<std::int16_t>(0, min16), std::overflow_error);
    EXPECT_THROW(checked_add<std::int32_t>(max32, 1), std::overflow_error);
    EXPECT_THROW(checked_sub<std::int32_t>(min32, 1), std::overflow_error);
    EXPECT_EQ(checked_add<std::int32_t>(max32, min32), -1);
    EXPECT_THROW(kyotu1::checked_narrow<std::int16_t>(32768), std::overflow_error);
    EXPECT_THROW(kyotu1::checked_narrow<std::int16_t>(-32769), std::overflow_error);
    EXPECT_EQ(kyotu1::checked_narrow<std::int16_t>(-32768), min16);
    EXPECT_EQ(kyotu1::floor_mod<std::int32_t>(-1, 7), 6);
    EXPECT_EQ(kyotu1::floor_mod<std::int16_t>(min16, 7), 6);  // -32768 = -4682 * 7 + 6
    EXPECT_EQ(kyotu1::floor_mod<std::int16_t>(max16, 7), 0);  // 32767 = 4681 * 7
    EXPECT_EQ(kyotu1::floor_mod<std::int32_t>(min32, 7), 5);
}

}  // namespace
