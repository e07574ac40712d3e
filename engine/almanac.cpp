#include "engine/almanac.h"

#include <array>
#include <chrono>
#include <memory>
#include <stdexcept>

#include "engine/lunisolar.h"

namespace kyotu1 {
namespace {

namespace chrono = std::chrono;
using lunisolar::LunarMonth;

// Each era from its first day; a year of the era is the Gregorian year less
// the offset. 明治 began before the almanac's range does.
struct Era {
    std::string_view name;
    chrono::year_month_day first_day;
    int offset;
};
constexpr std::array<Era, 5> eras = {{
    {"明治", chrono::year{1873} / 1 / 1, 1867},
    {"大正", chrono::year{1912} / 7 / 30, 1911},
    {"昭和", chrono::year{1926} / 12 / 25, 1925},
    {"平成", chrono::year{1989} / 1 / 8, 1988},
    {"令和", chrono::year{2019} / 5 / 1, 2018},
}};

// Indexed by (lunar month + lunar day) mod 6.
constexpr std::array<std::string_view, 6> rokuyo_names = {"大安", "赤口", "先勝", "友引", "先負", "仏滅"};

// Indexed by the Sun's longitude / 15°, from 春分 at 0°.
constexpr std::array<std::string_view, 24> solar_term_names = {
    "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄",
};

constexpr std::int8_t no_term = -1;

struct DayEntry {
    std::int8_t lunar_month;
    bool leap;
    std::int8_t lunar_day;
    std::int8_t term;  // index into solar_term_names, or no_term
};

std::int32_t day_number(chrono::year_month_day date) {
    return static_cast<std::int32_t>(chrono::sys_days{date}.time_since_epoch().count());
}

// The lunar months that cover the year: those of its winter span, then those
// of the next, which begins with the month holding the year's winter solstice.
std::vector<LunarMonth> months_covering(lunisolar::InstantDays& instants, int year) {
    std::vector<LunarMonth> months = instants.winter_span(year).months;
    const std::vector<LunarMonth> next = instants.winter_span(year + 1).months;
    months.insert(months.end(), next.begin(), next.end());
    return months;
}

const Era& era_of(chrono::year_month_day date) {
    const Era* found = eras.data();
    for (const Era& era : eras) {
        if (era.first_day <= date) found = &era;
    }
    return *found;
}

}  // namespace

struct Almanac::YearTable {
    std::int32_t first_day;  // 1 January, JST days from 1970-01-01
    std::array<DayEntry, 366> days;
};

Almanac::Almanac() = default;
Almanac::~Almanac() = default;

const Almanac::YearTable& Almanac::year_table(int year) {
    std::unique_ptr<YearTable>& table = years_.at(static_cast<std::size_t>(year - first_almanac_year));
    if (table) return *table;
    table = std::make_unique<YearTable>();
    table->first_day = day_number(chrono::year{year} / 1 / 1);
    const std::int32_t last_day = day_number(chrono::year{year} / 12 / 31);
    const std::vector<LunarMonth> months = months_covering(instants_, year);

    std::size_t m = 0;
    for (std::int32_t day = table->first_day; day <= last_day; ++day) {
        while (m + 1 < months.size() && months[m + 1].first_day <= day) ++m;
        const LunarMonth& month = months[m];
        table->days.at(static_cast<std::size_t>(day - table->first_day)) = {
            month.number, month.leap, static_cast<std::int8_t>(day - month.first_day + 1), no_term};
    }
    for (int index = 0; index < 24; ++index) {
        const std::int32_t day = instants_.solar_term_day(year, index);
        table->days.at(static_cast<std::size_t>(day - table->first_day)).term = static_cast<std::int8_t>(index);
    }
    return *table;
}

std::optional<AlmanacDay> Almanac::day(std::int16_t year, std::int16_t month, std::int16_t day) {
    const chrono::year_month_day date{chrono::year{year}, chrono::month(static_cast<unsigned>(month)),
                                      chrono::day(static_cast<unsigned>(day))};
    if (month < 1 || day < 1 || !date.ok()) throw std::out_of_range("no such date");
    if (year < first_almanac_year || year > last_almanac_year) return std::nullopt;

    const YearTable& table = year_table(year);
    const DayEntry& entry = table.days.at(static_cast<std::size_t>(day_number(date) - table.first_day));
    const Era& era = era_of(date);
    return AlmanacDay{
        era.name,
        static_cast<std::int16_t>(year - era.offset),
        entry.lunar_month,
        entry.leap,
        entry.lunar_day,
        rokuyo_names.at(static_cast<std::size_t>((entry.lunar_month + entry.lunar_day) % 6)),
        entry.term == no_term ? std::string_view{} : solar_term_names.at(static_cast<std::size_t>(entry.term)),
    };
}

Almanac& run_almanac() {
    static Almanac almanac;
    return almanac;
}

}  // namespace kyotu1
