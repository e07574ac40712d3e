#include "view/holiday_list.h"

#include "engine/holidays.h"
#include "engine/year_days.h"
#include "view/number_text.h"

namespace kyotu1 {

std::string holiday_list(std::int16_t year) {
    syukujitu_set(year);
    std::string list;
    for_each_day(year, 1, 12, [&](std::int16_t month, std::int16_t day) {
        if (holiday_flag(month, day) == 1) list += iso_date(year, month, day) + "\t" + holiday_name(month, day) + "\n";
    });
    return list;
}

}  // namespace kyotu1
