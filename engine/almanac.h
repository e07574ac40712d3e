// What a calendar printed in Japan shows beside each day: the year of the
// era, the lunisolar (旧暦) date, its 六曜 and the solar term (二十四節気) that
// begins on the day. Computed from the ephemeris for 1873-01-01, Japan's first
// Gregorian day, to 2100-12-31.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "engine/lunisolar.h"

namespace kyotu1 {

inline constexpr std::int16_t first_almanac_year = 1873;
inline constexpr std::int16_t last_almanac_year = 2100;

struct AlmanacDay {
    std::string_view era;         // "明治" to "令和"
    std::int16_t era_year;        // 1 is the era's first year (元年)
    std::int16_t lunar_month;     // 1 to 12
    bool leap_month;              // a 閏月 carries the number of the month before it
    std::int16_t lunar_day;       // 1 to 30
    std::string_view rokuyo;      // "大安", "赤口", "先勝", "友引", "先負" or "仏滅"
    std::string_view solar_term;  // the term that begins on the day, or empty
};

// The almanac, computed a year at a time and kept for the object's life: the
// first day asked of a year computes the whole year (a few milliseconds, about
// 1.5 KB kept with the instants it needed); later days only look it up. Not
// safe to use from two threads at once.
class Almanac {
public:
    Almanac();
    ~Almanac();
    Almanac(const Almanac&) = delete;
    Almanac& operator=(const Almanac&) = delete;

    // The almanac of the Gregorian date, or nothing outside 1873 to 2100.
    // Throws std::out_of_range for a date that does not exist.
    std::optional<AlmanacDay> day(std::int16_t year, std::int16_t month, std::int16_t day);

private:
    struct YearTable;
    const YearTable& year_table(int year);

    lunisolar::InstantDays instants_;
    std::array<std::unique_ptr<YearTable>, last_almanac_year - first_almanac_year + 1> years_;
};

// The run's almanac, kept from its first use to the end of the program, which
// the window and the command line read; used from the main thread only.
Almanac& run_almanac();

}  // namespace kyotu1
