// The built-in holiday rules, the law as the calendar was written for it:
// fixed dates, the equinox days from year lists that run to 2100, the Monday
// rules from 2000 and 2003, and two one-off days. Later changes of the law
// are in current_law.cpp.
#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

#include "engine/calendar.h"
#include "engine/holiday_laws.h"
#include "engine/holidays.h"
#include "engine/message_box.h"
#include "engine/mondays.h"
#include "engine/run_state.h"

namespace kyotu1 {
namespace {

struct FixedHoliday {
    std::int16_t month;
    std::int16_t day;
    std::string_view name;
    HolidayKind kind;
};

constexpr std::array<FixedHoliday, 9> fixed_holidays = {{
    {1, 1, "元旦", HolidayKind::law},
    {2, 11, "建国記念日", HolidayKind::law},
    {4, 29, "緑の日", HolidayKind::law},
    {5, 3, "憲法記念日", HolidayKind::law},
    {5, 4, "国民の休日", HolidayKind::citizens},
    {5, 5, "子供の日", HolidayKind::law},
    {11, 3, "文化の日", HolidayKind::law},
    {11, 23, "勤労感謝の日", HolidayKind::law},
    {12, 23, "天皇誕生日", HolidayKind::law},
}};

constexpr std::array<std::int16_t, 20> vernal_equinox_on_21st = {
    2002, 2003, 2006, 2007, 2010, 2011, 2014, 2015, 2018, 2019,
    2022, 2023, 2027, 2031, 2035, 2039, 2043, 2047, 2051, 2055,
};
constexpr std::array<std::int16_t, 2> vernal_equinox_on_19th = {2092, 2096};

constexpr std::array<std::int16_t, 42> autumnal_equinox_on_22nd = {
    2012, 2016, 2020, 2024, 2028, 2032, 2036, 2040, 2044, 2045, 2048, 2049, 2052, 2053,
    2056, 2057, 2060, 2061, 2064, 2065, 2068, 2069, 2072, 2073, 2076, 2077, 2078, 2080,
    2081, 2082, 2084, 2085, 2086, 2088, 2089, 2090, 2092, 2093, 2094, 2096, 2097, 2098,
};

// The Tuesdays caught between the third-Monday 敬老の日 and the equinox.
constexpr std::array<std::int16_t, 8> citizens_holiday_on_22nd = {
    2009, 2015, 2026, 2037, 2043, 2054, 2071, 2099,
};
constexpr std::array<std::int16_t, 6> citizens_holiday_on_21st = {
    2032, 2049, 2060, 2077, 2088, 2094,
};

constexpr std::int16_t first_happy_monday_year = 2000;   // 成人の日, 体育の日
constexpr std::int16_t second_happy_monday_year = 2003;  // 海の日, 敬老の日
constexpr std::int16_t first_marine_day_year = 1996;

template <std::size_t N>
bool listed(const std::array<std::int16_t, N>& years, std::int16_t year) {
    return std::ranges::find(years, year) != years.end();
}

void place_on_monday(YearHolidays& h, std::int16_t month, const std::array<std::int16_t, 7>& monday_table,
                     std::string_view name) {
    place_on_monday_after(h, month, yobi_keisan(h.year(), month, 1), monday_table, name);
}

void place_fixed_holidays(YearHolidays& h) {
    for (const FixedHoliday& holiday : fixed_holidays) {
        h.place(holiday.month, holiday.day, holiday.name, holiday.kind);
    }
}

void place_equinoxes(YearHolidays& h) {
    const std::int16_t year = h.year();
    std::int16_t vernal_day = 20;
    if (listed(vernal_equinox_on_21st, year)) vernal_day = 21;
    if (listed(vernal_equinox_on_19th, year)) vernal_day = 19;
    h.place(3, vernal_day, "春分の日");

    h.place(9, listed(autumnal_equinox_on_22nd, year) ? 22 : 23, "秋分の日");
}

void place_september_citizens_holiday(YearHolidays& h) {
    const std::int16_t year = h.year();
    if (listed(citizens_holiday_on_22nd, year)) h.place(9, 22, "国民の休日", HolidayKind::citizens);
    if (listed(citizens_holiday_on_21st, year)) h.place(9, 21, "国民の休日", HolidayKind::citizens);
}

void place_one_off_days(YearHolidays& h) {
    const std::int16_t year = h.year();
    if (year == 1990) h.place(11, 12, "即位礼正殿の儀");
    if (year == 1993) h.place(6, 9, "皇太子朔陽親王の結婚の儀");
}

void place_coming_of_age_and_sports_days(YearHolidays& h) {
    const std::int16_t year = h.year();
    if (year < first_happy_monday_year) {
        h.place(1, 15, "成人の日");
        h.place(10, 10, "体育の日");
        return;
    }
    place_on_monday(h, 1, second_monday, "成人の日");
    place_on_monday(h, 10, second_monday, "体育の日");
}

void place_marine_day(YearHolidays& h) {
    const std::int16_t year = h.year();
    if (year >= second_happy_monday_year) {
        place_on_monday(h, 7, third_monday, "海の日");
    } else if (year >= first_marine_day_year) {
        h.place(7, 20, "海の日");
    }
}

void place_respect_for_the_aged_day(YearHolidays& h) {
    const std::int16_t year = h.year();
    if (year >= second_happy_monday_year) {
        place_on_monday(h, 9, third_monday, "敬老の日");
    } else {
        h.place(9, 15, "敬老の日");
    }
}

}  // namespace

void place_on_monday_after(YearHolidays& h, std::int16_t month, std::int16_t first_weekday,
                           const std::array<std::int16_t, 7>& monday_table, std::string_view name) {
    if (first_weekday < sunday || first_weekday > saturday) {
        msg_box("バグです", mb_ok_only, "");
        return;
    }
    h.place(month, monday_table[static_cast<std::size_t>(first_weekday)], name);
}

void place_builtin_holidays(YearHolidays& h) {
    place_fixed_holidays(h);
    place_equinoxes(h);
    place_september_citizens_holiday(h);
    place_one_off_days(h);
    place_coming_of_age_and_sports_days(h);
    place_marine_day(h);
    place_respect_for_the_aged_day(h);
}

YearHolidays holidays_of(std::int16_t year, HolidayLaw law) {
    if (year < min_year) throw std::out_of_range("year before 1");
    YearHolidays holidays(year, law);
    if (law == HolidayLaw::current) {
        place_current_law_holidays(holidays);
    } else {
        place_builtin_holidays(holidays);
    }
    return holidays;
}

}  // namespace kyotu1
