// The series of the lunar theory ELP/MPP02 (engine/data/elp_mpp02_de405.cpp,
// generated): what lunar_theory.cpp sums.
#pragma once

#include <array>
#include <span>

namespace kyotu1::lunar_theory {

// amplitude · sin(argument[0] + argument[1]·t + … + argument[4]·t⁴), t in
// Julian centuries from J2000.0; a cosine is a sine with π/2 added.
struct Term {
    double amplitude;  // arcseconds
    std::array<double, 5> argument;
};

// The terms multiplied by t⁰, t¹, t² and t³.
struct Series {
    std::array<std::span<const Term>, 4> by_power;
};

// The Moon's mean longitude W1, radians: a polynomial in t.
extern const std::array<double, 5> mean_longitude;
// The longitude (added to W1) and the latitude, arcseconds.
extern const Series longitude;
extern const Series latitude;

}  // namespace kyotu1::lunar_theory
