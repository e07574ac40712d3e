#include "engine/almanac.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "engine/ephemeris.h"
#include "engine/koyomi.h"
#include "engine/lunisolar.h"
#include "engine/sexagenary.h"
#include "engine/sun_times.h"

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

constexpr std::int8_t no_term = -1;

struct DayEntry {
    std::int8_t lunar_month;
    bool leap;
    std::int8_t lunar_day;
    std::int8_t term;  // the solar term's index, or no_term
    std::uint16_t zassetsu;
    std::int16_t moon_age_tenths;
    std::int8_t moon_phase;
    std::int16_t phase_minute;
    std::int16_t sunrise_minute;
    std::int16_t sunset_minute;
};

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

std::int16_t minute_of_day(double jst) {
    return static_cast<std::int16_t>(std::min(1439L, std::lround((jst - ephemeris::day_of_jst(jst)) * 1440)));
}

Almanac::Almanac() = default;
Almanac::~Almanac() = default;

const Almanac::YearTable& Almanac::year_table(int year) {
    std::unique_ptr<YearTable>& table = years_.at(static_cast<std::size_t>(year - first_almanac_year));
    if (table) return *table;
    table = std::make_unique<YearTable>();
    table->first_day = ephemeris::day_number(chrono::year{year} / 1 / 1);
    const std::int32_t last_day = ephemeris::day_number(chrono::year{year} / 12 / 31);
    const std::vector<LunarMonth> months = months_covering(instants_, year);

    std::size_t m = 0;
    for (std::int32_t day = table->first_day; day <= last_day; ++day) {
        while (m + 1 < months.size() && months[m + 1].first_day <= day) ++m;
        const LunarMonth& month = months[m];
        DayEntry& entry = table->days.at(static_cast<std::size_t>(day - table->first_day));
        entry = {};
        entry.lunar_month = month.number;
        entry.leap = month.leap;
        entry.lunar_day = static_cast<std::int8_t>(day - month.first_day + 1);
        entry.term = no_term;
        entry.moon_phase = -1;
    }
    add_events(*table, year);
    add_sky(*table, last_day);
    return *table;
}

void Almanac::add_events(YearTable& table, int year) {
    last_events_ = {year, koyomi_events(instants_, year)};
    for (const KoyomiEvent& event : last_events_.events) {
        DayEntry& entry = table.days.at(static_cast<std::size_t>(event.day - table.first_day));
        switch (event.kind) {
            case KoyomiKind::solar_term: entry.term = static_cast<std::int8_t>(event.index); break;
            case KoyomiKind::zassetsu: entry.zassetsu |= static_cast<std::uint16_t>(1U << event.index); break;
            case KoyomiKind::moon_phase:
                entry.moon_phase = static_cast<std::int8_t>(event.index);
                entry.phase_minute = minute_of_day(event.jst.value());
                break;
        }
    }
}

// The moon's age at each noon and Tokyo's sunrise and sunset.
void Almanac::add_sky(YearTable& table, std::int32_t last_day) {
    std::int32_t lunation = ephemeris::lunation_near(ephemeris::tt_of_jst_day(table.first_day)) - 1;
    const std::vector<SunTimes> sun = tokyo_sun_times(table.first_day, last_day);
    for (std::int32_t day = table.first_day; day <= last_day; ++day) {
        const double noon = day + 0.5;
        while (instants_.new_moon_jst(lunation + 1) <= noon) ++lunation;
        DayEntry& entry = table.days.at(static_cast<std::size_t>(day - table.first_day));
        entry.moon_age_tenths = static_cast<std::int16_t>(std::lround((noon - instants_.new_moon_jst(lunation)) * 10));
        const SunTimes& times = sun.at(static_cast<std::size_t>(day - table.first_day));
        entry.sunrise_minute = minute_of_day(times.rise);
        entry.sunset_minute = minute_of_day(times.set);
    }
}

std::optional<AlmanacDay> Almanac::day(std::int16_t year, std::int16_t month, std::int16_t day) {
    const chrono::year_month_day date{chrono::year{year}, chrono::month(static_cast<unsigned>(month)),
                                      chrono::day(static_cast<unsigned>(day))};
    if (month < 1 || day < 1 || !date.ok()) throw std::out_of_range("no such date");
    if (year < first_almanac_year || year > last_almanac_year) return std::nullopt;

    const YearTable& table = year_table(year);
    const DayEntry& entry = table.days.at(static_cast<std::size_t>(ephemeris::day_number(date) - table.first_day));
    const Era& era = era_of(date);
    return AlmanacDay{
        era.name,
        static_cast<std::int16_t>(year - era.offset),
        entry.lunar_month,
        entry.leap,
        entry.lunar_day,
        rokuyo_names.at(static_cast<std::size_t>((entry.lunar_month + entry.lunar_day) % 6)),
        entry.term == no_term ? std::string_view{} : koyomi_name(KoyomiKind::solar_term, entry.term),
        year_cycle(year),
        day_cycle(ephemeris::day_number(date)),
        entry.zassetsu,
        entry.moon_age_tenths,
        entry.moon_phase,
        entry.phase_minute,
        entry.sunrise_minute,
        entry.sunset_minute,
    };
}

std::vector<KoyomiEvent> Almanac::events(int year) {
    if (year < first_almanac_year || year > last_almanac_year) throw std::out_of_range("year outside the almanac");
    if (last_events_.year == year) return last_events_.events;
    return koyomi_events(instants_, year);
}

Almanac& run_almanac() {
    static Almanac almanac;
    return almanac;
}

}  // namespace kyotu1
