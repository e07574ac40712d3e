// The national holidays under the Act on National Holidays as amended to this
// day: the law's holidays from 20 July 1948, the days moved for the 2020 and
// 2021 games, the one-off ceremonial days, the equinox days by the usual
// formula, and the substitute and citizens' holidays that follow from them.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "engine/calendar.h"
#include "engine/checked.h"
#include "engine/holiday_laws.h"
#include "engine/holidays.h"
#include "engine/mondays.h"
#include "engine/year_days.h"

namespace kyotu1 {
namespace {

// Dates compared as one number, YYYYMMDD.
constexpr std::int32_t date_key(std::int32_t year, std::int32_t month, std::int32_t day) {
    return year * 10000 + month * 100 + day;
}

constexpr std::int32_t law_in_force = date_key(1948, 7, 20);
constexpr std::int32_t substitute_holidays_from = date_key(1973, 4, 12);
constexpr std::int32_t citizens_holidays_from = date_key(1985, 12, 27);
// From this year a substitute holiday is the first following day that is no
// holiday, and a Sunday can be a citizens' holiday.
constexpr std::int16_t amendment_2007 = 2007;

constexpr std::int16_t open_ended = max_year;

enum class On { fixed_day, second_monday, third_monday };

struct LawHoliday {
    std::int16_t first_year, last_year;
    std::int16_t month;
    On on;
    std::int16_t day;  // the fixed day; 0 for a Monday rule
    std::string_view name;
};

constexpr std::array<LawHoliday, 30> law_holidays = {{
    {1948, open_ended, 1, On::fixed_day, 1, "元日"},
    {1948, 1999, 1, On::fixed_day, 15, "成人の日"},
    {2000, open_ended, 1, On::second_monday, 0, "成人の日"},
    {1967, open_ended, 2, On::fixed_day, 11, "建国記念の日"},
    {2020, open_ended, 2, On::fixed_day, 23, "天皇誕生日"},
    {1948, 1988, 4, On::fixed_day, 29, "天皇誕生日"},
    {1989, 2006, 4, On::fixed_day, 29, "みどりの日"},
    {2007, open_ended, 4, On::fixed_day, 29, "昭和の日"},
    {1948, open_ended, 5, On::fixed_day, 3, "憲法記念日"},
    {2007, open_ended, 5, On::fixed_day, 4, "みどりの日"},
    {1948, open_ended, 5, On::fixed_day, 5, "こどもの日"},
    {1996, 2002, 7, On::fixed_day, 20, "海の日"},
    {2003, 2019, 7, On::third_monday, 0, "海の日"},
    {2020, 2020, 7, On::fixed_day, 23, "海の日"},
    {2020, 2020, 7, On::fixed_day, 24, "スポーツの日"},
    {2021, 2021, 7, On::fixed_day, 22, "海の日"},
    {2021, 2021, 7, On::fixed_day, 23, "スポーツの日"},
    {2022, open_ended, 7, On::third_monday, 0, "海の日"},
    {2016, 2019, 8, On::fixed_day, 11, "山の日"},
    {2020, 2020, 8, On::fixed_day, 10, "山の日"},
    {2021, 2021, 8, On::fixed_day, 8, "山の日"},
    {2022, open_ended, 8, On::fixed_day, 11, "山の日"},
    {1966, 2002, 9, On::fixed_day, 15, "敬老の日"},
    {2003, open_ended, 9, On::third_monday, 0, "敬老の日"},
    {1966, 1999, 10, On::fixed_day, 10, "体育の日"},
    {2000, 2019, 10, On::second_monday, 0, "体育の日"},
    {2022, open_ended, 10, On::second_monday, 0, "スポーツの日"},
    {1948, open_ended, 11, On::fixed_day, 3, "文化の日"},
    {1948, open_ended, 11, On::fixed_day, 23, "勤労感謝の日"},
    {1989, 2018, 12, On::fixed_day, 23, "天皇誕生日"},
}};

struct OneOffDay {
    std::int16_t year, month, day;
    std::string_view name;
};

constexpr std::array<OneOffDay, 6> one_off_days = {{
    {1959, 4, 10, "結婚の儀"},
    {1989, 2, 24, "大喪の礼"},
    {1990, 11, 12, "即位礼正殿の儀"},
    {1993, 6, 9, "結婚の儀"},
    {2019, 5, 1, "即位の日"},
    {2019, 10, 22, "即位礼正殿の儀"},
}};

// The equinox formula's constants in millionths of a day, so the day comes
// out exact: day = floor(C + 0.242194 (y - 1980) - floor((y - 1980) / 4)).
struct EquinoxConstants {
    std::int16_t first_year;
    std::int64_t vernal, autumnal;
};

constexpr std::array<EquinoxConstants, 3> equinox_constants = {{
    {1900, 20'835'700, 23'258'800},
    {1980, 20'843'100, 23'248'800},
    {2100, 21'851'000, 24'248'800},  // kept for every later year
}};

// Day of the month of the equinox, by the constant C of the year's range.
std::int64_t equinox_day(std::int16_t year, std::int64_t EquinoxConstants::*constant) {
    const EquinoxConstants* in_force = &equinox_constants.front();
    for (const EquinoxConstants& c : equinox_constants) {
        if (year >= c.first_year) in_force = &c;
    }
    constexpr std::int64_t micro = 1'000'000;
    const std::int64_t years = year - 1980;
    return floor_div(in_force->*constant + 242'194 * years - micro * floor_div(years, std::int64_t{4}), micro);
}

bool in_force(std::int16_t year, std::int16_t month, std::int16_t day) {
    return date_key(year, month, day) >= law_in_force;
}

// No two of the law's holidays share a day: one that would is a fault in the
// tables above, not a day to overwrite.
void place_if_in_force(YearHolidays& h, std::int16_t month, std::int16_t day, std::string_view name) {
    if (!in_force(h.year(), month, day)) return;
    if (h.is_holiday(month, day)) throw std::logic_error("two of the law's holidays on one day");
    h.place(month, day, name);
}

std::int16_t day_of(const LawHoliday& holiday, std::int16_t year) {
    const auto first_weekday = static_cast<std::size_t>(yobi_keisan(year, holiday.month, 1));
    switch (holiday.on) {
        case On::second_monday: return second_monday[first_weekday];
        case On::third_monday: return third_monday[first_weekday];
        default: return holiday.day;
    }
}

// Far past the last constants the formula leaves the month; no day is
// placed then.
void place_equinox(YearHolidays& h, std::int16_t month, std::int64_t EquinoxConstants::*constant,
                   std::string_view name) {
    const std::int64_t day = equinox_day(h.year(), constant);
    if (day >= 1 && day <= month_days(h.year(), month)) {
        place_if_in_force(h, month, static_cast<std::int16_t>(day), name);
    }
}

void place_law_holidays(YearHolidays& h) {
    const std::int16_t year = h.year();
    for (const LawHoliday& holiday : law_holidays) {
        if (year < holiday.first_year || year > holiday.last_year) continue;
        place_if_in_force(h, holiday.month, day_of(holiday, year), holiday.name);
    }
    place_equinox(h, 3, &EquinoxConstants::vernal, "春分の日");
    place_equinox(h, 9, &EquinoxConstants::autumnal, "秋分の日");
    for (const OneOffDay& day : one_off_days) {
        if (day.year == year) place_if_in_force(h, day.month, day.day, day.name);
    }
}

struct MonthDay {
    std::int16_t month, day;
};

// The day after, within the year; past 31 December it is the tables' empty
// day index 32.
MonthDay next_day(std::int16_t year, MonthDay d) {
    if (d.day < month_days(year, d.month) || d.month == 12) return {d.month, static_cast<std::int16_t>(d.day + 1)};
    return {static_cast<std::int16_t>(d.month + 1), 1};
}

// The day before, within the year; before 1 January it is day index 0.
MonthDay previous_day(std::int16_t year, MonthDay d) {
    if (d.day > 1 || d.month == 1) return {d.month, static_cast<std::int16_t>(d.day - 1)};
    const auto month = static_cast<std::int16_t>(d.month - 1);
    return {month, month_days(year, month)};
}

bool is_holiday(const YearHolidays& h, MonthDay d) { return h.is_holiday(d.month, d.day); }

// A holiday of the law itself, not a day off that follows from one.
bool is_law_holiday(const YearHolidays& h, MonthDay d) { return h.kind(d.month, d.day) == HolidayKind::law; }

// A law holiday on a Sunday gives the Monday after it off; from 2007 the
// first following day that is no holiday.
void place_substitute_holidays(YearHolidays& h) {
    const std::int16_t year = h.year();
    for_each_day(year, 1, 12, [year, &h](std::int16_t month, std::int16_t day) {
        const MonthDay d{month, day};
        if (!is_law_holiday(h, d) || yobi_keisan(year, d.month, d.day) != sunday) return;
        if (date_key(year, d.month, d.day) < substitute_holidays_from) return;
        MonthDay off = next_day(year, d);
        if (year >= amendment_2007) {
            while (is_holiday(h, off)) off = next_day(year, off);
        }
        if (off.day <= month_days(year, off.month) && !is_holiday(h, off)) {
            h.place(off.month, off.day, "振替休日", HolidayKind::substitute);
        }
    });
}

// A day caught between two law holidays is off; before 2007 not a Sunday.
void place_citizens_holidays(YearHolidays& h) {
    const std::int16_t year = h.year();
    for_each_day(year, 1, 12, [year, &h](std::int16_t month, std::int16_t day) {
        const MonthDay d{month, day};
        if (is_holiday(h, d) || date_key(year, d.month, d.day) < citizens_holidays_from) return;
        if (year < amendment_2007 && yobi_keisan(year, d.month, d.day) == sunday) return;
        if (is_law_holiday(h, previous_day(year, d)) && is_law_holiday(h, next_day(year, d))) {
            h.place(d.month, d.day, "国民の休日", HolidayKind::citizens);
        }
    });
}

}  // namespace

void place_current_law_holidays(YearHolidays& holidays) {
    place_law_holidays(holidays);
    place_substitute_holidays(holidays);
    place_citizens_holidays(holidays);
}

}  // namespace kyotu1
