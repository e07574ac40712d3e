// The state of one run of the calendar, shared by the window and its
// handlers, and the hooks through which the engine reaches the desktop.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/calendar.h"

namespace kyotu1 {

extern std::int16_t disp_year;      // year of the displayed month
extern std::int16_t disp_month;     // displayed month, 1 to 12
extern std::int16_t key_mode;       // 0 none, 1 Shift, 2 Ctrl: the step of the next click
extern std::int16_t panel_swapped;  // 0 calendar in view, 1 about text in view
extern std::string app_title;

// Sets app_title.
void title_set();

// ---- Platform hooks ----------------------------------------------------------
// The window installs the real ones; tests install recorders.

// Shows a modal message box and returns the button pressed (answer_* of
// engine/message_box.h). style is mb_* buttons plus mb_icon_*; an empty title
// means app_title.
using MessageBox = std::function<std::int16_t(const std::string& text, std::int16_t style, const std::string& title)>;
extern MessageBox msg_box;

// Today's date by the local clock.
extern std::function<ClockDate()> system_date;

}  // namespace kyotu1
