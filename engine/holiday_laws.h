// The two sets of holiday rules that can fill the day tables, each placing
// one year's holidays into freshly reset tables.
#pragma once

#include <cstdint>

namespace kyotu1 {

// The rules built into the calendar, as the law stood when it was written.
void place_builtin_holidays(std::int16_t year);

// The Act on National Holidays as amended to this day.
void place_current_law_holidays(std::int16_t year);

}  // namespace kyotu1
