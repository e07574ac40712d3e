// Stepping the displayed month (disp_year, disp_month) and tracking the
// modifier that decides the step (key_mode).
#pragma once

#include <cstdint>

#include "engine/calendar.h"
#include "view/input_codes.h"

namespace kyotu1 {

// Months in one step with Shift held, and with Ctrl held.
inline constexpr std::int32_t year_step_months = 12;
inline constexpr std::int32_t decade_step_months = 120;

// Key down with exactly Shift or exactly Ctrl held selects a year or a
// ten-year step; any other mask leaves the mode as it is.
void modifier_key_down(std::int16_t mask);
// Key up with no modifier held any more returns to month steps.
void modifier_key_up(std::int16_t mask);

// Displays the month of today's date, or the supported month nearest to it
// when the clock is set outside the supported years.
void start_at(const ClockDate& today);

// One step back ("前月") or forward ("翌月") by month, year or ten years as
// key_mode says. Returns false, changing nothing, when the step would leave
// the supported years; the caller redraws only after a true result.
bool step_back();
bool step_forward();

// Steps the displayed month by the number of months, back when negative,
// whatever key_mode says. Returns false, changing nothing, when the step
// would leave the supported years.
bool step_months(std::int32_t months);

}  // namespace kyotu1
