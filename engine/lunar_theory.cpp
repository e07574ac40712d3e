#include "engine/lunar_theory.h"

#include <cmath>
#include <numbers>

#include "engine/elp_mpp02_series.h"

namespace kyotu1::lunar_theory {
namespace {

constexpr double days_per_century = 36525.0;
constexpr double arcsecond = std::numbers::pi / (180.0 * 3600.0);

using Powers = std::array<double, 5>;  // 1, t, t², t³, t⁴

double polynomial(const std::array<double, 5>& c, const Powers& t) {
    return c[0] + c[1] * t[1] + c[2] * t[2] + c[3] * t[3] + c[4] * t[4];
}

// Σ tᵅ Σ A sin(φ(t)).
double sum_of(const Series& series, const Powers& t) {
    double sum = 0.0;
    for (std::size_t power = 0; power < series.by_power.size(); ++power) {
        double part = 0.0;
        for (const Term& term : series.by_power[power]) part += term.amplitude * std::sin(polynomial(term.argument, t));
        sum += t[power] * part;
    }
    return sum;
}

// Laskar's polynomials of the ecliptic's motion, P and Q (each times t), as
// the theory gives them for its rotation from the mean ecliptic of date to
// that of J2000.
constexpr std::array<double, 5> laskar_p = {0.10180391e-4, 0.47020439e-6, -0.5417367e-9, -0.2507948e-11, 0.463486e-14};
constexpr std::array<double, 5> laskar_q = {-0.113469002e-3, 0.12372674e-6, 0.1265417e-8, -0.1371808e-11,
                                            -0.320334e-14};

Powers powers_of(double tt) {
    const double c = tt / days_per_century;
    return {1.0, c, c * c, c * c * c, c * c * c * c};
}

}  // namespace

std::array<double, 3> moon_direction(double tt) {
    const Powers t = powers_of(tt);
    const double v = polynomial(mean_longitude, t) + sum_of(longitude, t) * arcsecond;
    const double u = sum_of(latitude, t) * arcsecond;
    // On the mean ecliptic of date, then turned onto that of J2000.
    const double x1 = std::cos(u) * std::cos(v);
    const double x2 = std::cos(u) * std::sin(v);
    const double x3 = std::sin(u);
    const double p = polynomial(laskar_p, t) * t[1];
    const double q = polynomial(laskar_q, t) * t[1];
    const double root = 2 * std::sqrt(1 - p * p - q * q);
    const double pq = 2 * p * q;
    const double pp = 1 - 2 * p * p;
    const double qq = 1 - 2 * q * q;
    return {pp * x1 + pq * x2 + p * root * x3, pq * x1 + qq * x2 - q * root * x3,
            -p * root * x1 + q * root * x2 + (pp + qq - 1) * x3};
}

}  // namespace kyotu1::lunar_theory
