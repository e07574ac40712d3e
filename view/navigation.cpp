#include "view/navigation.h"

#include "engine/calendar.h"
#include "engine/checked.h"
#include "engine/run_state.h"

namespace kyotu1 {
namespace {

constexpr std::int16_t mode_month = 0;
constexpr std::int16_t mode_year = 1;
constexpr std::int16_t mode_decade = 2;

// Months in one step of the key mode: a month, a year or ten years.
std::int32_t months_per_step() {
    switch (key_mode) {
        case mode_year: return year_step_months;
        case mode_decade: return decade_step_months;
        default: return 1;
    }
}

}  // namespace

void start_at(const ClockDate& today) {
    if (today.year < min_year) {
        disp_year = min_year;
        disp_month = 1;
    } else if (today.year > max_year) {
        disp_year = max_year;
        disp_month = 12;
    } else {
        disp_year = static_cast<std::int16_t>(today.year);
        disp_month = today.month;
    }
}

void modifier_key_down(std::int16_t mask) {
    if (mask == mask_shift) key_mode = mode_year;
    if (mask == mask_ctrl) key_mode = mode_decade;
}

void modifier_key_up(std::int16_t mask) {
    if (mask == 0) key_mode = mode_month;
}

// Worked out in a wider type, so a step out of range is refused before
// anything changes.
bool step_months(std::int32_t months) {
    const std::int32_t index = disp_year * 12 + (disp_month - 1) + months;  // months from January of year 0
    if (index < min_year * 12 || index >= (max_year + 1) * 12) return false;
    disp_year = checked_narrow<std::int16_t>(index / 12);
    disp_month = checked_narrow<std::int16_t>(index % 12 + 1);
    return true;
}

bool step_back() { return step_months(-months_per_step()); }
bool step_forward() { return step_months(months_per_step()); }

}  // namespace kyotu1
