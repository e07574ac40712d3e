#include <stdexcept>

#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/run_state.h"

namespace kyotu1 {

std::int16_t disp_year = 0;
std::int16_t disp_month = 0;
std::int16_t key_mode = 0;
std::int16_t panel_swapped = 0;
std::string app_title;
HolidayLaw holiday_law = HolidayLaw::builtin;

void title_set() { app_title = "Korinde"; }

// The hooks start empty on purpose: the program installs the desktop's
// message boxes and clock at start, tests their recorders, and a caller that
// forgot to hears of it at once instead of reaching the real clock.
MessageBox msg_box = [](const std::string&, std::int16_t, const std::string&) -> std::int16_t {
    throw std::logic_error("kyotu1::msg_box is used before a message box is installed");
};
std::function<ClockDate()> system_date = []() -> ClockDate {
    throw std::logic_error("kyotu1::system_date is used before a clock is installed");
};

}  // namespace kyotu1
