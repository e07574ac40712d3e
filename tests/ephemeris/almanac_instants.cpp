// Prints every instant the almanac is built on, for 1872 to 2101, as Julian
// dates: "sun YEAR DEGREES JD" for the Sun reaching a longitude (the solar
// terms and the 雑節 given by one) and "phase LUNATION QUARTER JD" for the
// moon's phases, in TT; "rise DAY JD" and "set DAY JD" for Tokyo's sunrise and
// sunset on every STEP-th JST day (the argument, 1 when left out), in UT1;
// "moon JD DEGREES DEGREES" for the Moon's geometric longitude and latitude
// on the ecliptic of J2000 every STEP·2 days, in TT.
#include <cstdio>
#include <cstdlib>

#include <cmath>
#include <numbers>

#include "engine/ephemeris.h"
#include "engine/lunar_theory.h"
#include "engine/lunisolar.h"
#include "engine/sun_times.h"

int main(int argc, char** argv) {
    using namespace kyotu1;
    constexpr double j2000 = 2451545.0;
    constexpr int zassetsu_degrees[] = {27, 80, 100, 117, 207, 297};
    for (int year = 1872; year <= 2101; ++year) {
        for (int index = 0; index < 24; ++index) {
            std::printf("sun %d %d %.8f\n", year, index * 15, j2000 + lunisolar::solar_term_instant(year, index));
        }
        for (const int degrees : zassetsu_degrees) {
            std::printf("sun %d %d %.8f\n", year, degrees, j2000 + lunisolar::sun_longitude_instant(year, degrees));
        }
    }
    // From December 1872 to January 2101, in TT days from J2000.
    for (std::int32_t lunation = ephemeris::lunation_near(-46750); lunation <= ephemeris::lunation_near(37250);
         ++lunation) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            std::printf("phase %d %d %.8f\n", lunation, quarter, j2000 + ephemeris::moon_phase(lunation, quarter));
        }
    }
    // JST days of 1873-01-01 and 2100-12-31; JD 2440587.5 is 1970-01-01 0h UT.
    const int step = argc > 1 ? std::atoi(argv[1]) : 1;
    for (double tt = -46750; tt <= 37250; tt += 2.0 * step) {
        const auto [x, y, z] = lunar_theory::moon_direction(tt);
        constexpr double degrees = 180 / std::numbers::pi;
        std::printf("moon %.8f %.10f %.10f\n", j2000 + tt, std::atan2(y, x) * degrees,
                    std::atan2(z, std::hypot(x, y)) * degrees);
    }
    const std::vector<SunTimes> times = tokyo_sun_times(-35428, 47846);
    for (std::size_t i = 0; i < times.size(); i += static_cast<std::size_t>(step)) {
        const double to_jd = 2440587.5 - 0.375;
        std::printf("rise %zu %.8f\nset %zu %.8f\n", i, times[i].rise + to_jd, i, times[i].set + to_jd);
    }
}
