// One year's national holidays: a year's holidays as a value for the rules
// asked for, the window's day tables, and the rules that fill them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar.h"

namespace kyotu1 {

// What makes a day a holiday: the law names it, or it is the day off that
// follows from the law's holidays (a substitute holiday, a citizens' holiday).
enum class HolidayKind : std::int8_t { none, law, substitute, citizens };

// Which rules name the holidays: those built into the calendar as it was
// written in 2004, or the holiday law as amended to this day.
enum class HolidayLaw : std::int8_t { builtin, current };

struct NamedDay {
    std::int16_t month;
    std::int16_t day;
    HolidayKind kind;
    std::string name;  // UTF-8
    friend bool operator==(const NamedDay&, const NamedDay&) = default;
};

// The holidays of one year by one set of rules, looked up by month and day.
// Months index 0 to 13 and days 0 to 32; only months 1 to 12 and days 1 to 31
// ever hold a holiday. Any other index throws std::out_of_range.
class YearHolidays {
public:
    YearHolidays() = default;  // no holidays yet, of year 0
    YearHolidays(std::int16_t year, HolidayLaw law) : year_(year), law_(law) {}

    [[nodiscard]] std::int16_t year() const { return year_; }
    [[nodiscard]] HolidayLaw law() const { return law_; }
    [[nodiscard]] HolidayKind kind(int month, int day) const;
    [[nodiscard]] bool is_holiday(int month, int day) const { return kind(month, day) != HolidayKind::none; }
    // Empty when the day is no holiday.
    [[nodiscard]] const std::string& name(int month, int day) const;
    // The named days in date order.
    [[nodiscard]] std::vector<NamedDay> days() const;

    // For the rules: marks the day a holiday with its name; a kind of none,
    // or a day outside months 1 to 12 and days 1 to 31, is refused.
    void place(std::int16_t month, std::int16_t day, std::string_view name, HolidayKind kind = HolidayKind::law);

private:
    static constexpr std::size_t month_slots = 14;  // 0 to 13
    static constexpr std::size_t day_slots = 33;    // 0 to 32
    template <typename Cell>
    using Table = std::array<std::array<Cell, day_slots>, month_slots>;

    std::int16_t year_ = 0;
    HolidayLaw law_ = HolidayLaw::builtin;
    Table<std::string> names_;
    Table<HolidayKind> kinds_{};  // zero is HolidayKind::none
};

// The year's holidays by the rules given, with no warning past the rules'
// years: the value every output but the window reads. Throws std::out_of_range for a year
// below 1.
YearHolidays holidays_of(std::int16_t year, HolidayLaw law);

// The government fixes a year's 春分の日 and 秋分の日 only when the national
// observatory publishes that year's almanac (暦要項) on 1 February of the
// year before; the days of later years are computed, not yet announced.
// The last year whose equinox days are announced on the date.
constexpr std::int32_t last_announced_equinox_year(const ClockDate& today) {
    return today.month >= 2 ? today.year + 1 : today.year;
}

// ---- The window's day tables -------------------------------------------------
// The holidays of the year last rebuilt by syukujitu_set.

// The rules the window's day tables are built by. The window sets them from
// its request before it draws; nothing else reads them.
extern HolidayLaw holiday_law;

// 1 when the day of the last rebuilt year is a national holiday, else 0.
std::int16_t holiday_flag(int month, int day);
// The holiday's name (UTF-8), empty when the day is no holiday.
const std::string& holiday_name(int month, int day);
HolidayKind holiday_kind(int month, int day);
// All of them, as the month grid reads them.
const YearHolidays& day_tables();

// Rebuilds the day tables for the year by the rules of holiday_law. Warns
// through msg_box first when the year is beyond last_rule_year. Throws
// std::out_of_range for a year below 1.
void syukujitu_set(std::int16_t year);

}  // namespace kyotu1
