// The almanac as the window's tooltips and the command line write it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/holidays.h"

namespace kyotu1 {

struct AlmanacDay;

// "令和8年", and "令和元年" for an era's first year.
std::string era_year_text(const AlmanacDay& almanac);

// The lunar date: "11月1日", "閏11月1日".
std::string lunar_date_text(const AlmanacDay& almanac);

// The tooltip of a day, its lines joined by line feeds: "2026年12月9日（水）";
// within 1873 to 2100 "令和8年（丙午）　旧暦11月1日　大安", "干支 丁巳　月齢 0.1",
// the solar term and 雑節 that begin on the day ("大雪", "土用の入り・土用の丑の日"),
// the moon's phase ("朔 9:52"), "日の出 6:38　日の入 16:28（東京）"; then the
// holiday's name. A line without content is left out.
std::string day_tooltip(std::int16_t year, std::int16_t month, std::int16_t day, const std::string& holiday);

// The --almanac lines of the year, or of one month of it, in date order:
// "2026-12-07\t月\t令和8年\t10月29日\t友引\t大雪\t\t乙卯\t\t\t06:37-16:28\n":
// the holiday's name after the solar term, then the day's 干支, its 雑節, the
// moon's phase ("朔 09:52") and Tokyo's sunrise and sunset, with the
// holidays of the rules given. The year must lie within the almanac's range.
std::string almanac_list(std::int16_t year, std::optional<std::int16_t> month, HolidayLaw law);

}  // namespace kyotu1
