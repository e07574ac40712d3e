#include "view/holiday_list.h"

#include "engine/kyotu1.h"

namespace kyotu1 {
namespace {

std::string zero_padded(int number, std::size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::string holiday_list(std::int16_t year) {
    syukujitu_set(year);
    std::string list;
    for (std::int16_t month = 1; month <= 12; ++month) {
        for (std::int16_t day = 1; day <= month_days(year, month); ++day) {
            if (holiday_flag(month, day) != 1) continue;
            list += zero_padded(year, 4) + "-" + zero_padded(month, 2) + "-" + zero_padded(day, 2) + "\t" +
                    holiday_name(month, day) + "\n";
        }
    }
    return list;
}

}  // namespace kyotu1
