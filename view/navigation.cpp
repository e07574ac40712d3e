#include "view/navigation.h"

#include "engine/checked.h"
#include "engine/kyotu1.h"

namespace kyotu1 {
namespace {

constexpr std::int16_t mode_month = 0;
constexpr std::int16_t mode_year = 1;
constexpr std::int16_t mode_decade = 2;

// direction is -1 for back, 1 for forward. The new year is worked out in a
// wider type, so a step out of range is refused before anything changes.
bool step(std::int16_t direction) {
    std::int32_t year = disp_year;
    std::int32_t month = disp_month;
    switch (key_mode) {
        case mode_year: year += direction; break;
        case mode_decade: year += 10 * direction; break;
        default:
            month += direction;
            if (month < 1) {
                month = 12;
                --year;
            } else if (month > 12) {
                month = 1;
                ++year;
            }
    }
    if (year < min_year || year > max_year) return false;
    disp_year = checked_narrow<std::int16_t>(year);
    disp_month = checked_narrow<std::int16_t>(month);
    return true;
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

bool step_back() { return step(-1); }
bool step_forward() { return step(1); }

}  // namespace kyotu1
