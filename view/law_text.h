// What the outputs say of the holiday rules they were made by.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/holidays.h"

namespace kyotu1 {

// "現行の祝日法による祝日", "内蔵の祝日規則（2004年）による祝日": which holidays a
// window shows, where its title is cut short.
std::string_view law_description(HolidayLaw law);

// A printed page's foot: "祝日は現行の祝日法による".
std::string_view law_foot(HolidayLaw law);

// An iCalendar file's name and its one sentence of description.
std::string_view calendar_name(HolidayLaw law);
std::string_view calendar_description(HolidayLaw law);

// Said of an equinox day that today's law gives for a year not yet
// announced (engine/holidays.h).
inline constexpr std::string_view unannounced_note = "（暦要項の発表前の計算）";
bool equinox_unannounced(HolidayLaw law, std::int16_t year, std::int32_t announced_through);
bool is_equinox_day(const std::string& holiday);

}  // namespace kyotu1
