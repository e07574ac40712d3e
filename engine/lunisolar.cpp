#include "engine/lunisolar.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>

#include "engine/ephemeris.h"

namespace kyotu1::lunisolar {
namespace {

constexpr double tropical_year = 365.2422;  // days
// The March equinox of 2000, TT days from J2000: where the guesses start.
constexpr double equinox_2000 = 78.8;

// The principal terms from 大寒 (300°) to 小雪 (240°): those of one winter
// span after its first month.
constexpr std::array<int, 11> principal_terms_of_span = {20, 22, 0, 2, 4, 6, 8, 10, 12, 14, 16};

// Longitudes past 270° (冬至) are reached in January to March, before the
// year's March equinox; the others after it.
double longitude_guess(int year, double degrees) {
    const double turns = degrees <= 270 ? degrees / 360 : degrees / 360 - 1;
    return equinox_2000 + tropical_year * (year - 2000 + turns);
}

bool holds_principal_term(const std::vector<std::int32_t>& principal_days, std::int32_t first, std::int32_t next) {
    return std::any_of(principal_days.begin(), principal_days.end(),
                       [&](std::int32_t day) { return first <= day && day < next; });
}

}  // namespace

double sun_longitude_instant(int year, double degrees) {
    return ephemeris::sun_reaches(degrees * ERFA_DD2R, longitude_guess(year, degrees));
}

double solar_term_instant(int year, int index) { return sun_longitude_instant(year, index * 15.0); }

double InstantDays::solar_term_jst(int year, int index) {
    auto [place, fresh] = terms_.try_emplace(year * 24 + index, 0.0);
    if (fresh) place->second = ephemeris::jst_of_tt(solar_term_instant(year, index));
    return place->second;
}

std::int32_t InstantDays::solar_term_day(int year, int index) {
    return ephemeris::day_of_jst(solar_term_jst(year, index));
}

double InstantDays::new_moon_jst(std::int32_t lunation) {
    auto [place, fresh] = new_moons_.try_emplace(lunation, 0.0);
    if (fresh) place->second = ephemeris::jst_of_tt(ephemeris::new_moon(lunation));
    return place->second;
}

std::int32_t InstantDays::new_moon_day(std::int32_t lunation) { return ephemeris::day_of_jst(new_moon_jst(lunation)); }

WinterSpan InstantDays::winter_span(int year) {
    const std::int32_t solstice_before = solar_term_day(year - 1, winter_solstice);
    const std::int32_t solstice = solar_term_day(year, winter_solstice);

    // The lunation that begins the month holding the earlier solstice.
    std::int32_t lunation = ephemeris::lunation_near(ephemeris::tt_of_jst_day(solstice_before));
    while (new_moon_day(lunation) > solstice_before) --lunation;
    while (new_moon_day(lunation + 1) <= solstice_before) ++lunation;

    std::vector<std::int32_t> starts;  // of every month in the span, and of the one holding the solstice
    for (; new_moon_day(lunation) <= solstice; ++lunation) starts.push_back(new_moon_day(lunation));

    std::vector<std::int32_t> principal_days;
    principal_days.reserve(principal_terms_of_span.size());
    for (const int index : principal_terms_of_span) principal_days.push_back(solar_term_day(year, index));

    const std::size_t count = starts.size() - 1;  // 12 or 13
    WinterSpan span;
    bool leap_placed = count == 12;
    std::int8_t number = 11;
    span.months.push_back({starts[0], number, false});
    for (std::size_t i = 1; i < count; ++i) {
        if (!leap_placed && !holds_principal_term(principal_days, starts[i], starts.at(i + 1))) {
            leap_placed = true;
            span.months.push_back({starts[i], number, true});
            continue;
        }
        number = static_cast<std::int8_t>(number % 12 + 1);
        span.months.push_back({starts[i], number, false});
    }
    return span;
}

}  // namespace kyotu1::lunisolar
