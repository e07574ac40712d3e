#include "view/accessible_names.h"

#include <array>
#include <stdexcept>

#include "engine/calendar.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

constexpr std::array<const char*, 7> weekday_letters = {"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

std::string weekday_letter(std::int16_t weekday) {
    if (weekday < sunday || weekday > saturday) throw std::out_of_range("weekday outside 0 to 6");
    return weekday_letters[static_cast<std::size_t>(weekday)];
}

std::string weekday_name(std::int16_t weekday) { return weekday_letter(weekday) + "曜日"; }

std::string day_accessible_name(std::int16_t year, std::int16_t month, std::int16_t day, const std::string& holiday) {
    std::string name = japanese_date(year, month, day) + " " + weekday_name(yobi_keisan(year, month, day));
    if (!holiday.empty()) name += " " + holiday;
    return name;
}

}  // namespace kyotu1
