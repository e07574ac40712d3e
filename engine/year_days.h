#pragma once

#include <cstdint>

#include "engine/calendar.h"

namespace kyotu1 {

// Calls visit(month, day) for every day of the months first to last of the
// year, in date order.
template <typename Visit>
void for_each_day(std::int16_t year, std::int16_t first, std::int16_t last, Visit visit) {
    for (std::int16_t month = first; month <= last; ++month) {
        const std::int16_t days = month_days(year, month);
        for (std::int16_t day = 1; day <= days; ++day) visit(month, day);
    }
}

}  // namespace kyotu1
