#include <stdexcept>
#include <string>

#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/message_box.h"
#include "engine/run_state.h"

namespace kyotu1 {
namespace {

std::size_t checked_index(int index, std::size_t slots, const char* what) {
    if (index < 0 || static_cast<std::size_t>(index) >= slots) throw std::out_of_range(what);
    return static_cast<std::size_t>(index);
}

// The window's tables; syukujitu_set is their only writer.
YearHolidays window_tables;

}  // namespace

HolidayKind YearHolidays::kind(int month, int day) const {
    return kinds_[checked_index(month, month_slots, "day table month index outside 0 to 13")]
                 [checked_index(day, day_slots, "day table day index outside 0 to 32")];
}

const std::string& YearHolidays::name(int month, int day) const {
    return names_[checked_index(month, month_slots, "day table month index outside 0 to 13")]
                 [checked_index(day, day_slots, "day table day index outside 0 to 32")];
}

std::vector<NamedDay> YearHolidays::days() const {
    std::vector<NamedDay> days;
    for (std::int16_t month = 1; month <= 12; ++month) {
        for (std::int16_t day = 1; day <= 31; ++day) {
            if (is_holiday(month, day)) days.push_back({month, day, kind(month, day), name(month, day)});
        }
    }
    return days;
}

void YearHolidays::place(std::int16_t month, std::int16_t day, std::string_view name, HolidayKind kind) {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        throw std::out_of_range("holiday placed outside the calendar");
    }
    if (kind == HolidayKind::none) throw std::invalid_argument("a holiday without a kind");
    const auto m = static_cast<std::size_t>(month);
    const auto d = static_cast<std::size_t>(day);
    names_[m][d] = name;
    kinds_[m][d] = kind;
}

const YearHolidays& day_tables() { return window_tables; }

std::int16_t holiday_flag(int month, int day) { return window_tables.is_holiday(month, day) ? 1 : 0; }

const std::string& holiday_name(int month, int day) { return window_tables.name(month, day); }

HolidayKind holiday_kind(int month, int day) { return window_tables.kind(month, day); }

void syukujitu_set(std::int16_t year) {
    if (year < min_year) throw std::out_of_range("year before 1");
    if (year > last_rule_year) msg_box("2100年までです！", mb_ok_only, "");
    window_tables = holidays_of(year, holiday_law);
}

}  // namespace kyotu1
