// The two sets of holiday rules, each placing one year's holidays into an
// empty YearHolidays.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/holidays.h"

namespace kyotu1 {

// The rules built into the calendar, as the law stood when it was written.
void place_builtin_holidays(YearHolidays& holidays);

// Places the holiday on the Monday the table gives for the weekday of the
// month's first day. A weekday outside 0 to 6 is a fault of the arithmetic:
// "バグです" is shown and nothing placed.
void place_on_monday_after(YearHolidays& holidays, std::int16_t month, std::int16_t first_weekday,
                           const std::array<std::int16_t, 7>& monday_table, std::string_view name);

// The Act on National Holidays as amended to this day.
void place_current_law_holidays(YearHolidays& holidays);

}  // namespace kyotu1
