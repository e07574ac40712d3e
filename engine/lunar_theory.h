// The Moon's geocentric place from the lunar theory ELP/MPP02 (Chapront &
// Francou 2003) with its constants fitted to JPL's DE405/DE406: within about
// a tenth of an arcsecond of the DE ephemerides over the almanac's years.
//
// The frame is the inertial mean ecliptic and equinox of J2000 of the theory;
// the time is TT in days from J2000.0 (TDB, which the theory asks for, is
// within 2 ms of TT: 1 mas of the Moon's motion). The place is geometric:
// no light time, no aberration. The direction is all the almanac needs; the
// distance, which only the light time asks for, comes from ERFA's short
// series, so the theory's distance series is left out.
#pragma once

#include <array>

namespace kyotu1::lunar_theory {

// The Moon's direction as a unit vector.
std::array<double, 3> moon_direction(double tt);

}  // namespace kyotu1::lunar_theory
