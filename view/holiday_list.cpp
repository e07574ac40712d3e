#include "view/holiday_list.h"

#include "engine/holidays.h"
#include "view/number_text.h"

namespace kyotu1 {

std::string holiday_list(std::int16_t year, HolidayLaw law) {
    std::string list;
    for (const NamedDay& holiday : holidays_of(year, law).days()) {
        list += iso_date(year, holiday.month, holiday.day) + "\t" + holiday.name + "\n";
    }
    return list;
}

}  // namespace kyotu1
