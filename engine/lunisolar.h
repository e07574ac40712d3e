// The lunisolar calendar (旧暦) as today's almanacs compute it by the rules
// of the 天保暦: months from new moon to new moon by the JST day, the month
// holding the winter solstice numbered 11, and in a span of 13 months from one
// such month to the next, the first month without a principal term (中気)
// made a leap month. Days are JST days from 1970-01-01.
#pragma once

#include <cstdint>
#include <vector>

namespace kyotu1::lunisolar {

// Solar terms by the Sun's longitude, 15° apart: 0 is 春分 (0°), 18 is 冬至
// (270°); the even ones are the principal terms (中気).
inline constexpr int winter_solstice = 18;

// The TT instant (days from J2000.0) of the solar term with the index
// (0 to 23) in the Gregorian year.
double solar_term_instant(int year, int index);

// The JST day on which that term falls; found once and kept.
std::int32_t solar_term_day(int year, int index);

// The JST day of the new moon with the lunation number.
std::int32_t new_moon_day(std::int32_t lunation);

struct LunarMonth {
    std::int32_t first_day;
    std::int8_t number;  // 1 to 12
    bool leap;
};

// The months from the one holding the winter solstice of year − 1 up to, not
// including, the one holding that of year: 12 or 13, the first numbered 11.
struct WinterSpan {
    std::vector<LunarMonth> months;
    std::int32_t next_lunation;  // begins the month holding the solstice of year
};
WinterSpan winter_span(int year);

}  // namespace kyotu1::lunisolar
