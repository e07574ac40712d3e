// The date and name of a clicked holiday, shown in a message box.
#pragma once

#include <cstdint>
#include <string>

#include "view/input_codes.h"

namespace kyotu1 {

// Rebuilds the day tables for the year and, when the day is a holiday, shows
// " 2004年 11月 3日:文化の日" and two line feeds in a message box.
void hi_hyoji(std::int16_t year, std::int16_t month, std::int16_t day);

// A mouse button released over a day cell with this caption: the left button
// shows the detail of that day of the displayed month; anything else, or a
// caption that holds no day number, does nothing.
void day_cell_released(const std::string& caption, std::int16_t button);

}  // namespace kyotu1
