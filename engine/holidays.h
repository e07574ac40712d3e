// One year's national holidays: the day tables as the window and the lists
// read them, and the rules that fill them.
#pragma once

#include <cstdint>
#include <string>

namespace kyotu1 {

// What makes a day a holiday: the law names it, or it is the day off that
// follows from the law's holidays (a substitute holiday, a citizens' holiday).
enum class HolidayKind : std::int8_t { none, law, substitute, citizens };

// ---- Day tables ------------------------------------------------------------
// Months index 0 to 13 and days 0 to 32; only months 1 to 12 and days 1 to 31
// ever hold a holiday. Any other index throws std::out_of_range.

// 1 when the day of the last rebuilt year is a national holiday, else 0.
std::int16_t holiday_flag(int month, int day);
// The holiday's name (UTF-8), empty when the day is no holiday.
const std::string& holiday_name(int month, int day);
HolidayKind holiday_kind(int month, int day);

// ---- Holiday rules ---------------------------------------------------------

// Which rules fill the day tables: the built-in ones (the default), or the
// holiday law as amended to this day. Chosen once, at start.
enum class HolidayLaw { builtin, current };
extern HolidayLaw holiday_law;

// Rebuilds the day tables for the year by the rules of holiday_law. Warns
// through msg_box first when the year is beyond last_rule_year. Throws
// std::out_of_range for a year below 1.
void syukujitu_set(std::int16_t year);

}  // namespace kyotu1
