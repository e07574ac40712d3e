// What a calendar printed in Japan shows beside each day: the year of the
// era, the lunisolar (旧暦) date, its 六曜, the solar term (二十四節気) and the
// 雑節 that begin on the day, the 干支 of the year and of the day, the moon's
// age and phase, and Tokyo's sunrise and sunset. Computed from the ephemeris
// for 1873-01-01, Japan's first Gregorian day, to 2100-12-31.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/koyomi.h"
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
    int year_cycle;               // 干支 of the year and of the day (see sexagenary.h)
    int day_cycle;
    std::uint16_t zassetsu;        // bit i set: the Zassetsu i (koyomi.h) is on the day
    std::int16_t moon_age_tenths;  // days since the last new moon at 12:00 JST, in tenths
    std::int8_t moon_phase;        // the quarter (0 朔 to 3 下弦) whose instant falls on the day, or −1
    std::int16_t phase_minute;     // its minute of the day in JST, rounded
    std::int16_t sunrise_minute;   // Tokyo's, minutes from 0:00 JST, rounded
    std::int16_t sunset_minute;
};

// An instant's minute of its JST day, rounded to the nearest; one in the last
// half minute of a day is 23:59, so that the minute stays on the day.
std::int16_t minute_of_day(double jst);

// The almanac, computed a year at a time and kept for the object's life: the
// first day asked of a year computes the whole year (some ten milliseconds,
// about 6 KB kept with the instants it needed); later days only look it up.
// Not safe to use from two threads at once.
class Almanac {
public:
    Almanac();
    ~Almanac();
    Almanac(const Almanac&) = delete;
    Almanac& operator=(const Almanac&) = delete;

    // The almanac of the Gregorian date, or nothing outside 1873 to 2100.
    // Throws std::out_of_range for a date that does not exist.
    std::optional<AlmanacDay> day(std::int16_t year, std::int16_t month, std::int16_t day);

    // The year's terms, 雑節 and phases of the moon (koyomi.h): those of the
    // year whose days were computed last, else computed anew from the
    // instants kept. Throws std::out_of_range outside 1873 to 2100.
    std::vector<KoyomiEvent> events(int year);

private:
    struct YearTable;
    const YearTable& year_table(int year);
    void add_events(YearTable& table, int year);
    void add_sky(YearTable& table, std::int32_t last_day);

    lunisolar::InstantDays instants_;
    // The events of the year last tabled, which a caller wanting both the
    // days and the events of a year would otherwise have computed twice.
    struct YearEvents {
        int year = 0;
        std::vector<KoyomiEvent> events;
    };
    YearEvents last_events_;
    std::array<std::unique_ptr<YearTable>, last_almanac_year - first_almanac_year + 1> years_;
};

// The run's almanac, kept from its first use to the end of the program, which
// the window and the command line read; used from the main thread only.
Almanac& run_almanac();

}  // namespace kyotu1
