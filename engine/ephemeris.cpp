#include "engine/ephemeris.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/delta_t.h"
#include "engine/lunar_theory.h"

namespace kyotu1::ephemeris {
namespace {

// Light's travel time over one astronomical unit, in days.
constexpr double au_light_days = ERFA_AULT / ERFA_DAYSEC;

// The mean Sun and the mean lunation, for first guesses only.
constexpr double mean_sun_at_j2000 = 280.46646 * ERFA_DD2R;
constexpr double mean_sun_rate = 0.98564736 * ERFA_DD2R;  // rad/day
constexpr double lunation_zero = 5.09766;                 // TT days from J2000
constexpr double synodic_month = 29.530588861;            // days

// The Sun's longitude from its mean motion and the two largest terms of the
// equation of the centre: within about 0.01° (a quarter of an hour), so that
// one step of the search mostly suffices.
double rough_sun_longitude(double tt) {
    const double mean_anomaly = (357.52911 + 0.98560028 * tt) * ERFA_DD2R;
    return mean_sun_at_j2000 + mean_sun_rate * tt + 1.9146 * ERFA_DD2R * std::sin(mean_anomaly) +
           0.02 * ERFA_DD2R * std::sin(2 * mean_anomaly);
}

// The mean phase with the two largest periodic terms of the new moon, from
// the Moon's and the Sun's mean anomalies, `lunation` counting quarters as
// fractions: within about an hour at a new or full moon, 15 hours at a
// quarter, where the Moon's anomaly weighs more.
double rough_phase(double lunation) {
    const double moon_anomaly = (201.5643 + 385.81693528 * lunation) * ERFA_DD2R;
    const double sun_anomaly = (2.5534 + 29.10535670 * lunation) * ERFA_DD2R;
    return lunation_zero + synodic_month * lunation - 0.4072 * std::sin(moon_anomaly) + 0.1724 * std::sin(sun_anomaly);
}

// ERFA's interface is C's: positions, velocities and matrices as C arrays.
// NOLINTBEGIN(modernize-avoid-c-arrays)
struct Vector {
    double p[3];  // any unit
    double v[3];  // the same unit per day
};

// Longitude and its rate of an ICRS position and velocity, on the mean
// ecliptic and equinox of date.
Longitude on_ecliptic_of_date(Vector icrs, double tt) {
    double rm[3][3];
    eraEcm06(ERFA_DJ00, tt, rm);
    double p[3];
    double v[3];
    eraRxp(rm, icrs.p, p);
    eraRxp(rm, icrs.v, v);
    const double plane = p[0] * p[0] + p[1] * p[1];
    return {eraAnp(std::atan2(p[1], p[0])), (p[0] * v[1] - p[1] * v[0]) / plane};
}

// The Sun as seen from the Earth's centre, in au. The Sun stays all but still
// in the heliocentric frame, so the direction in which the light arriving at
// tt is seen, aberration included, is the reverse of where the Earth stood
// when that light left the Sun, one light time τ (8.2 to 8.5 min) earlier.
Vector sun_seen_from_earth(double tt) {
    double heliocentric[2][3];
    double barycentric[2][3];
    const double near = tt - au_light_days;
    eraEpv00(ERFA_DJ00, near, heliocentric, barycentric);
    // From the Earth at tt − τ(1 au) to the Earth at tt − τ, over the velocity.
    const double shift = au_light_days * (1.0 - eraPm(heliocentric[0]));
    Vector sun{};
    for (int i = 0; i < 3; ++i) {
        sun.p[i] = -(heliocentric[0][i] + heliocentric[1][i] * shift);
        sun.v[i] = -heliocentric[1][i];
    }
    return sun;
}

// The Moon where it stood when the light arriving at tt left it, about
// 1.3 s earlier: a geocentric place less its motion over the light time.
Vector seen_after_light_time(const Vector& geocentric) {
    const double light_time = std::hypot(geocentric.p[0], geocentric.p[1], geocentric.p[2]) * au_light_days;
    Vector moon{};
    for (int i = 0; i < 3; ++i) {
        moon.p[i] = geocentric.p[i] - geocentric.v[i] * light_time;
        moon.v[i] = geocentric.v[i];
    }
    return moon;
}

// The Moon's geocentric place and motion from ERFA's short series
// (eraMoon98, within some 10″): a first guess for the searches, and the
// motion, which the full theory's place needs only for the light time and the
// search's step (1e-4 of the rate is 2 ms of a 20 s step).
Vector moon_from_short_series(double tt) {
    double pv[2][3];
    eraMoon98(ERFA_DJ00, tt, pv);
    Vector geocentric{};
    for (int i = 0; i < 3; ++i) {
        geocentric.p[i] = pv[0][i];
        geocentric.v[i] = pv[1][i];
    }
    return geocentric;
}

// The Moon as seen from the Earth's centre, in au, in the ICRS: the direction
// from the lunar theory ELP/MPP02, turned from its ecliptic of J2000 by the
// transpose of ERFA's (IAU 2006, with the frame bias), the one the Sun's path
// uses; the motion from the short series.
Vector moon_seen_from_earth(double tt) {
    struct Rotation {
        double r[3][3];
    };
    static Rotation ecliptic_of_j2000 = [] {
        Rotation rotation{};
        eraEcm06(ERFA_DJ00, 0.0, rotation.r);
        return rotation;
    }();
    // The distance, for the light time alone, is the short series's (within
    // some 10 km: 3e-5 of 1.3 s).
    Vector moon = moon_from_short_series(tt);
    const double distance = eraPm(moon.p);
    std::array<double, 3> place = lunar_theory::moon_direction(tt);
    for (double& coordinate : place) coordinate *= distance;
    eraTrxp(ecliptic_of_j2000.r, place.data(), moon.p);
    return seen_after_light_time(moon);
}

Vector rough_moon_seen_from_earth(double tt) { return seen_after_light_time(moon_from_short_series(tt)); }

// Nutation in longitude, radians. IAU 2000B: within 1 mas of the full model
// (0.02 s of the Sun's motion) at a twentieth of its cost.
double nutation_in_longitude(double tt) {
    double dpsi = 0.0;
    double deps = 0.0;
    eraNut00b(ERFA_DJ00, tt, &dpsi, &deps);
    return dpsi;
}
// NOLINTEND(modernize-avoid-c-arrays)

// Newton's method on an angle that grows with time: the instant nearest
// `guess` at which motion(t) reaches target (mod 2π). Near the root the error
// left after a step of s days is below curvature·s² (curvature bounds
// |f''| / 2|f'|, per day), so the search stops once that is under 1e-7 day
// (9 ms). Twelve steps are far more than the guesses here ever need.
template <typename Motion>
double instant_of(Motion motion, double target, double guess, double curvature) {
    double t = guess;
    for (int i = 0; i < 12; ++i) {
        const Longitude now = motion(t);
        const double step = std::remainder(target - now.angle, ERFA_D2PI) / now.rate;
        t += step;
        if (curvature * step * step < 1e-7) return t;
    }
    throw std::runtime_error("ephemeris search did not converge");
}

// The Sun's rate changes with the orbit's eccentricity: |λ''| / 2λ' < 3e-4.
constexpr double sun_curvature = 5e-4;
// The Moon's rate swings between about 11.8° and 15.4° a day: < 0.02.
constexpr double moon_curvature = 0.05;

template <Vector (*moon_seen)(double)>
Longitude elongation(double tt) {
    const Longitude moon = on_ecliptic_of_date(moon_seen(tt), tt);
    const Longitude sun = on_ecliptic_of_date(sun_seen_from_earth(tt), tt);
    return {eraAnp(moon.angle - sun.angle), moon.rate - sun.rate};
}

}  // namespace

Longitude sun_apparent_longitude(double tt) {
    Longitude sun = on_ecliptic_of_date(sun_seen_from_earth(tt), tt);
    sun.angle = eraAnp(sun.angle + nutation_in_longitude(tt));
    return sun;
}

Longitude moon_elongation(double tt) { return elongation<moon_seen_from_earth>(tt); }

double sun_reaches(double target, double guess) {
    double first = guess;
    for (int i = 0; i < 3; ++i) first += std::remainder(target - rough_sun_longitude(first), ERFA_D2PI) / mean_sun_rate;
    return instant_of(sun_apparent_longitude, target, first, sun_curvature);
}

double moon_phase(std::int32_t lunation, int quarter) {
    if (quarter < 0 || quarter > 3) throw std::out_of_range("no such phase");
    const double target = quarter * ERFA_DPI / 2;
    // The short series brings the search within some 20 s, from where one
    // step of the full theory lands within a few milliseconds.
    const double near = instant_of(elongation<rough_moon_seen_from_earth>, target,
                                   rough_phase(lunation + quarter / 4.0), moon_curvature);
    return instant_of(moon_elongation, target, near, moon_curvature);
}

double new_moon(std::int32_t lunation) { return moon_phase(lunation, 0); }

std::int32_t lunation_near(double tt) {
    return static_cast<std::int32_t>(std::lround((tt - lunation_zero) / synodic_month));
}

// J2000.0 is noon of 2000-01-01, 10957.5 days after 1970-01-01 00:00 UT;
// JST is UT + 9 h.
constexpr double j2000_after_1970 = 10957.5;
constexpr double jst_offset = 9.0 / 24.0;

double jst_of_tt(double tt) { return tt - delta_t_seconds(tt) / ERFA_DAYSEC + j2000_after_1970 + jst_offset; }

double ut_of_jst(double jst) { return jst - jst_offset - j2000_after_1970; }

double tt_of_jst_day(std::int32_t day) { return ut_of_jst(day + 0.5); }

// NOLINTBEGIN(modernize-avoid-c-arrays)
SunAtUt sun_at_ut(double ut) {
    const double tt = ut + delta_t_seconds(ut) / ERFA_DAYSEC;
    double npb[3][3];
    eraPnm00b(ERFA_DJ00, tt, npb);
    Vector sun = sun_seen_from_earth(tt);
    eraRxp(npb, sun.p, sun.p);  // onto the true equator and equinox of date, in place
    double right_ascension = 0.0;
    double declination = 0.0;
    double distance = 0.0;
    eraP2s(sun.p, &right_ascension, &declination, &distance);
    const double sidereal = eraGst06(ERFA_DJ00, ut, ERFA_DJ00, tt, npb);
    return {eraAnp(right_ascension), declination, distance, eraAnpm(sidereal - eraEra00(ERFA_DJ00, ut))};
}
// NOLINTEND(modernize-avoid-c-arrays)

}  // namespace kyotu1::ephemeris
