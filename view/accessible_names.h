// Names that screen readers speak for the calendar's cells.
#pragma once

#include <cstdint>
#include <string>

namespace kyotu1 {

// "2026年12月23日 水曜日 天皇誕生日" for the day and its holiday's name, which is
// empty on an ordinary day.
std::string day_accessible_name(std::int16_t year, std::int16_t month, std::int16_t day, const std::string& holiday);

// "日" to "土" for the weekdays 0 to 6, as the header and the almanac write them.
std::string weekday_letter(std::int16_t weekday);
// "日曜日" to "土曜日" for the weekdays 0 to 6.
std::string weekday_name(std::int16_t weekday);

}  // namespace kyotu1
