// The lunisolar calendar (旧暦) as today's almanacs compute it by the rules
// of the 天保暦: months from new moon to new moon by the JST day, the month
// holding the winter solstice numbered 11, and in a span of 13 months from one
// such month to the next, the first month without a principal term (中気)
// made a leap month. Days are JST days from 1970-01-01.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

namespace kyotu1::lunisolar {

// Solar terms by the Sun's longitude, 15° apart: 0 is 春分 (0°), 18 is 冬至
// (270°); the even ones are the principal terms (中気).
inline constexpr int winter_solstice = 18;

// The TT instant (days from J2000.0) in the Gregorian year at which the
// Sun's apparent longitude reaches the degrees (0 to 360).
double sun_longitude_instant(int year, double degrees);

// The TT instant of the solar term with the index (0 to 23) in the year.
double solar_term_instant(int year, int index);

struct LunarMonth {
    std::int32_t first_day;
    std::int8_t number;  // 1 to 12
    bool leap;
};

// The months from the one holding the winter solstice of year − 1 up to, not
// including, the one holding that of year: 12 or 13, the first numbered 11.
struct WinterSpan {
    std::vector<LunarMonth> months;
};

// The JST instants of solar terms and new moons, each found once and kept for the
// object's life: a year's months need some of its neighbours' instants too,
// and a sweep of many years would otherwise find them again. One thread at a
// time.
class InstantDays {
public:
    // The solar term (0 to 23) of the year, in JST days from 1970-01-01.
    double solar_term_jst(int year, int index);
    // The JST day on which it falls.
    std::int32_t solar_term_day(int year, int index);
    // The new moon with the lunation number, in JST days, and its day.
    double new_moon_jst(std::int32_t lunation);
    std::int32_t new_moon_day(std::int32_t lunation);
    WinterSpan winter_span(int year);

private:
    std::map<int, double> terms_;
    std::map<std::int32_t, double> new_moons_;
};

}  // namespace kyotu1::lunisolar
