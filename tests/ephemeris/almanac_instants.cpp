// Prints every solar term and new moon instant the almanac is built on, for
// 1872 to 2101, as TT Julian dates: "term YEAR INDEX JD" and "moon LUNATION JD".
#include <cstdio>

#include "engine/ephemeris.h"

int main() {
    using namespace kyotu1::ephemeris;
    constexpr double j2000 = 2451545.0;
    constexpr double pi = 3.14159265358979323846;
    for (int year = 1872; year <= 2101; ++year) {
        for (int index = 0; index < 24; ++index) {
            const double guess = 78.8 + 365.2422 * (year - 2000 + (index <= 18 ? index : index - 24) / 24.0);
            std::printf("term %d %d %.8f\n", year, index, j2000 + sun_reaches(index * pi / 12, guess));
        }
    }
    for (std::int32_t lunation = lunation_near(-46750); lunation <= lunation_near(37250); ++lunation) {
        std::printf("moon %d %.8f\n", lunation, j2000 + new_moon(lunation));
    }
}
