#include "engine/delta_t.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <vector>

namespace kyotu1::ephemeris {
namespace {

double year_of(double tt) { return 2000.0 + tt / 365.25; }

// Espenak and Meeus's polynomials (the NASA Five Millennium Canon of Solar
// Eclipses), the pieces that reach up to 1972.
double espenak_meeus(double y) {
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * t * t * t - 0.0004473624 * std::pow(t, 4) +
               std::pow(t, 5) / 233174;
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * std::pow(t, 4);
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
}

// The day's length exceeds 86400 s by 1.72 t − 3.5 sin(2π(t + 0.75)/14) ms,
// t in centuries from 1825 (Morrison et al. 2021); ΔT grows by its integral,
// 36.525 s for each ms·century, here up to a constant.
double integrated_length_of_day(double y) {
    const double t = (y - 1825) / 100;
    constexpr double omega = 2 * std::numbers::pi / 14;
    return 36.525 * (0.86 * t * t + 3.5 / omega * std::cos(omega * (t + 0.75)));
}

struct Knot {
    double tt;
    double seconds;
};

constexpr double tt_minus_tai = 32.184;

double tt_of_utc_month(int year, int month) {
    double base = 0.0;
    double mjd = 0.0;
    if (eraCal2jd(year, month, 1, &base, &mjd) != 0) throw std::logic_error("no such month");
    return base + mjd - ERFA_DJ00;
}

// ΔT where it was measured, as straight lines between knots: the
// Espenak–Meeus value on 1972-01-01, then each leap second, where UT1 − UTC
// swings from about −0.5 s to +0.5 s, and last the end of the table's
// years, with UT1 − UTC taken as 0. Read from ERFA's own table, so that a
// newer release with more leap seconds carries the measurement on.
std::vector<Knot> measured_knots() {
    std::vector<Knot> knots{{tt_of_utc_month(1972, 1), espenak_meeus(1972.0)}};
    double tai_utc = 0.0;
    if (eraDat(1972, 1, 1, 0.0, &tai_utc) != 0) throw std::logic_error("ERFA has no leap-second table");
    for (int year = 1972;; ++year) {
        for (int month = 1; month <= 12; ++month) {
            double now = 0.0;
            const int status = eraDat(year, month, 1, 0.0, &now);
            if (status < 0) throw std::logic_error("ERFA's leap-second table refused a month");
            const double tt = tt_of_utc_month(year, month);
            if (status == 1) {  // beyond the years the table vouches for
                knots.push_back({tt, tt_minus_tai + tai_utc});
                return knots;
            }
            if (now != tai_utc) knots.push_back({tt, tt_minus_tai + tai_utc + 0.5});
            tai_utc = now;
        }
    }
}

const std::vector<Knot>& knots() {
    static const std::vector<Knot> measured = measured_knots();
    return measured;
}

}  // namespace

double delta_t_measured_until() { return knots().back().tt; }

double delta_t_seconds(double tt) {
    const std::vector<Knot>& measured = knots();
    if (tt < measured.front().tt) return espenak_meeus(year_of(tt));
    const Knot& last = measured.back();
    if (tt >= last.tt) {
        return last.seconds + integrated_length_of_day(year_of(tt)) - integrated_length_of_day(year_of(last.tt));
    }
    const auto after =
        std::upper_bound(measured.begin(), measured.end(), tt, [](double t, const Knot& knot) { return t < knot.tt; });
    const Knot& before = *(after - 1);
    return before.seconds + (after->seconds - before.seconds) * (tt - before.tt) / (after->tt - before.tt);
}

}  // namespace kyotu1::ephemeris
