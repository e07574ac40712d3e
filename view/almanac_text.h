// The almanac as the window's tooltips and the command line write it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kyotu1 {

// The tooltip of a day, its lines joined by line feeds: "2026年12月9日（水）";
// "令和8年　旧暦11月1日　大安" (within 1873 to 2100); the solar term that
// begins on the day; the holiday's name. The last two only where there is one.
std::string day_tooltip(std::int16_t year, std::int16_t month, std::int16_t day, const std::string& holiday);

// The --almanac lines of the year, or of one month of it, in date order:
// "2026-12-07\t月\t令和8年\t10月29日\t友引\t大雪\t\n" with the holiday's name
// last. Rebuilds the day tables for the year. The year must lie within the
// almanac's range.
std::string almanac_list(std::int16_t year, std::optional<std::int16_t> month);

}  // namespace kyotu1
