// A year's holidays as text, for the command line's --list.
#pragma once

#include <cstdint>
#include <string>

#include "engine/holidays.h"

namespace kyotu1 {

// The year's holidays by the rules given in date order, one a line:
// "2026-01-01\t元日\n".
std::string holiday_list(std::int16_t year, HolidayLaw law);

}  // namespace kyotu1
