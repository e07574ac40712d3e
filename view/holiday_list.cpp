#include "view/holiday_list.h"

#include <cstdio>

#include "engine/kyotu1.h"

namespace kyotu1 {

std::string holiday_list(std::int16_t year) {
    syukujitu_set(year);
    std::string list;
    for (std::int16_t month = 1; month <= 12; ++month) {
        for (std::int16_t day = 1; day <= month_days(year, month); ++day) {
            if (holiday_flag(month, day) != 1) continue;
            char date[24];
            std::snprintf(date, sizeof date, "%04d-%02d-%02d\t", year, month, day);
            list += date + holiday_name(month, day) + "\n";
        }
    }
    return list;
}

}  // namespace kyotu1
