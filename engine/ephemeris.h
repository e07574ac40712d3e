// The instants the almanac is built on: the apparent geocentric ecliptic
// longitudes of the Sun and the Moon from ERFA (the IAU's SOFA algorithms),
// the root finds that give the instant of a solar term or a new moon, and the
// one conversion from Terrestrial Time to the civil day in Japan.
//
// Every instant here is TT, in days from J2000.0 (JD 2451545.0 TT); angles are
// radians; rates are radians per day.
#pragma once

#include <cstdint>

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

// The instant of the new moon with the given lunation number: 0 is the new
// moon of 6 January 2000, each later one adds 1.
double new_moon(std::int32_t lunation);

// The lunation whose new moon lies nearest the instant.
std::int32_t lunation_near(double tt);

// The day in Japan Standard Time (UTC+9, through UT = TT − ΔT) on which the
// instant falls, in days from 1970-01-01.
std::int32_t jst_day(double tt);

// Noon of the JST day as a TT instant, near enough for a first guess.
double tt_of_jst_day(std::int32_t day);

}  // namespace kyotu1::ephemeris
