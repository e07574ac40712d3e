#include "engine/day_tables.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

#include "engine/holidays.h"

namespace kyotu1 {
namespace {

constexpr std::size_t month_slots = 14;  // 0 to 13
constexpr std::size_t day_slots = 33;    // 0 to 32

template <typename Cell>
using DayTable = std::array<std::array<Cell, day_slots>, month_slots>;

DayTable<std::string> name_table;
// A day is a holiday when it has a kind; zero is HolidayKind::none.
DayTable<HolidayKind> kind_table{};

std::size_t month_index(int month) {
    if (month < 0 || static_cast<std::size_t>(month) >= month_slots) {
        throw std::out_of_range("day table month index outside 0 to 13");
    }
    return static_cast<std::size_t>(month);
}

std::size_t day_index(int day) {
    if (day < 0 || static_cast<std::size_t>(day) >= day_slots) {
        throw std::out_of_range("day table day index outside 0 to 32");
    }
    return static_cast<std::size_t>(day);
}

}  // namespace

std::int16_t holiday_flag(int month, int day) { return holiday_kind(month, day) == HolidayKind::none ? 0 : 1; }

const std::string& holiday_name(int month, int day) { return name_table[month_index(month)][day_index(day)]; }

HolidayKind holiday_kind(int month, int day) { return kind_table[month_index(month)][day_index(day)]; }

void reset_day_tables() {
    for (std::size_t m = 0; m <= 12; ++m) {
        for (std::size_t d = 0; d <= 31; ++d) {
            name_table[m][d].clear();
            kind_table[m][d] = HolidayKind::none;
        }
    }
}

void place_holiday(std::int16_t month, std::int16_t day, std::string_view name, HolidayKind kind) {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        throw std::out_of_range("holiday placed outside the calendar");
    }
    if (kind == HolidayKind::none) throw std::invalid_argument("a holiday without a kind");
    const std::size_t m = month_index(month);
    const std::size_t d = day_index(day);
    name_table[m][d] = name;
    kind_table[m][d] = kind;
}

}  // namespace kyotu1
