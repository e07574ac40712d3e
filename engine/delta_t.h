// ΔT = TT − UT1, which decides on which Japanese day an instant computed in
// Terrestrial Time falls.
#pragma once

namespace kyotu1::ephemeris {

// TT − UT1 in seconds at the instant (TT days from J2000.0):
// - before 1972, the Espenak–Meeus polynomials fitted to what was observed;
// - from 1972 to the end of the years the leap-second table of the ERFA
//   release vouches for, what was measured: 32.184 s plus TAI − UTC, taken
//   through the middle of UT1 − UTC's swing between leap seconds (within
//   about half a second);
// - after that, the integral of the long-term length of day of Morrison,
//   Stephenson, Hohenkerk and Zawilski (2021), raised to meet the measured
//   value where it ends. Its error grows to about ten seconds by 2050.
double delta_t_seconds(double tt);

// The last TT instant (days from J2000.0) that ΔT was measured for, after
// which it is extrapolated.
double delta_t_measured_until();

}  // namespace kyotu1::ephemeris
