// The instants the almanac is built on: the apparent geocentric ecliptic
// longitudes of the Sun from ERFA (the IAU's SOFA algorithms) and of the Moon
// from the lunar theory ELP/MPP02 on ERFA's frames (engine/lunar_theory.h),
// the root finds that give the instant of a solar term or a new moon, and the
// one conversion from Terrestrial Time to the civil day in Japan.
//
// Every instant here is TT, in days from J2000.0 (JD 2451545.0 TT); angles are
// radians; rates are radians per day.
#pragma once

#include <chrono>
#include <cmath>
#include <cstdint>

#include "engine/calendar.h"

namespace kyotu1::ephemeris {

struct Longitude {
    double angle;  // 0 to 2π
    double rate;   // rad/day
};

// The Sun's apparent longitude: true equinox and ecliptic of date, corrected
// for light time and aberration, with nutation.
Longitude sun_apparent_longitude(double tt);

// The Moon's longitude minus the Sun's, both light-time corrected and on the
// same ecliptic of date (nutation moves both alike, so it is left out), 0 to 2π.
Longitude moon_elongation(double tt);

// The instant at which the Sun's apparent longitude reaches `target`
// (radians), the one nearest `guess` (which must lie within a few days).
double sun_reaches(double target, double guess);

// The instant at which the Moon's elongation reaches quarter · 90° (0 new
// moon, 1 first quarter, 2 full moon, 3 last quarter) in the lunation with
// the given number: 0 is the one from the new moon of 6 January 2000, each
// later one adds 1.
double moon_phase(std::int32_t lunation, int quarter);

// The instant of the lunation's new moon.
double new_moon(std::int32_t lunation);

// The lunation whose new moon lies nearest the instant.
std::int32_t lunation_near(double tt);

// The instant in JST (UTC+9, through UT = TT − ΔT) as days from 1970-01-01
// 00:00 JST; its floor is the JST day.
double jst_of_tt(double tt);

// The UT1 instant (days from J2000.0 UT1) of an instant in JST days.
double ut_of_jst(double jst);

// The Sun's apparent geocentric place on the true equator and equinox of
// date at the UT1 instant (days from J2000.0), its distance in au, and the
// equation of the origins (Greenwich apparent sidereal time less the Earth
// rotation angle), radians: what a sunrise needs besides the Earth's turn.
struct SunAtUt {
    double right_ascension;
    double declination;
    double distance;
    double equation_of_origins;
};
SunAtUt sun_at_ut(double ut);

// The JST day (days from 1970-01-01) of an instant in JST days.
inline std::int32_t day_of_jst(double jst) { return static_cast<std::int32_t>(std::floor(jst)); }

// The JST day of the Gregorian date, in the same count.
inline std::int32_t day_number(std::chrono::year_month_day date) {
    return static_cast<std::int32_t>(std::chrono::sys_days{date}.time_since_epoch().count());
}

// The Gregorian date of the JST day: day_number's inverse.
inline ClockDate date_of_day(std::int32_t day) {
    const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{day}}};
    return {int(date.year()), static_cast<std::int16_t>(unsigned(date.month())),
            static_cast<std::int16_t>(unsigned(date.day()))};
}

// Noon of the JST day as a TT instant, near enough for a first guess.
double tt_of_jst_day(std::int32_t day);

}  // namespace kyotu1::ephemeris
