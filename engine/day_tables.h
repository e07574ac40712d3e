// Writers of the day tables, for the holiday rules only.
#pragma once

#include <cstdint>
#include <string_view>

#include "engine/holidays.h"

namespace kyotu1 {

// Empties every cell of months 0 to 12 and days 0 to 31. Month 13 and day 32
// are never written, so they stay empty from the start.
void reset_day_tables();

// Marks the day a holiday: sets its name and its kind (which its flag is read
// from) together; a kind of none is refused.
void place_holiday(std::int16_t month, std::int16_t day, std::string_view name, HolidayKind kind = HolidayKind::law);

}  // namespace kyotu1
