// A year's holidays as text, for the command line's --list.
#pragma once

#include <cstdint>
#include <string>

namespace kyotu1 {

// Rebuilds the day tables for the year and writes its holidays in date
// order, one a line: "2026-01-01\t元日\n".
std::string holiday_list(std::int16_t year);

}  // namespace kyotu1
