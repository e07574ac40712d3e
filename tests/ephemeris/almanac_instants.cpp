// Prints every solar term and new moon instant the almanac is built on, for
// 1872 to 2101, as TT Julian dates: "term YEAR INDEX JD" and "moon LUNATION JD".
#include <cstdio>

#include "engine/ephemeris.h"
#include "engine/lunisolar.h"

int main() {
    using namespace kyotu1;
    constexpr double j2000 = 2451545.0;
    for (int year = 1872; year <= 2101; ++year) {
        for (int index = 0; index < 24; ++index) {
            std::printf("term %d %d %.8f\n", year, index, j2000 + lunisolar::solar_term_instant(year, index));
        }
    }
    // From December 1872 to January 2101, in TT days from J2000.
    for (std::int32_t lunation = ephemeris::lunation_near(-46750); lunation <= ephemeris::lunation_near(37250);
         ++lunation) {
        std::printf("moon %d %.8f\n", lunation, j2000 + ephemeris::new_moon(lunation));
    }
}
