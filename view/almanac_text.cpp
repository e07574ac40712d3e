#include "view/almanac_text.h"

#include <stdexcept>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/year_days.h"
#include "view/accessible_names.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

constexpr const char* full_width_space = "\u3000";

// "令和8年", and "令和元年" for an era's first year.
std::string era_year_text(const AlmanacDay& almanac) {
    const std::string year = almanac.era_year == 1 ? "元" : std::to_string(almanac.era_year);
    return std::string(almanac.era) + year + "年";
}

// "11月1日", "閏11月1日".
std::string lunar_date_text(const AlmanacDay& almanac) {
    std::string text = almanac.leap_month ? "閏" : "";
    return text += std::to_string(almanac.lunar_month) + "月" + std::to_string(almanac.lunar_day) + "日";
}

}  // namespace

std::string day_tooltip(std::int16_t year, std::int16_t month, std::int16_t day, const std::string& holiday) {
    std::string text = japanese_date(year, month, day) + "（" + weekday_letter(yobi_keisan(year, month, day)) + "）";
    // Line by line, each appended (see signed_text).
    if (const auto almanac = run_almanac().day(year, month, day)) {
        text += '\n';
        text += era_year_text(*almanac) + full_width_space + "旧暦" + lunar_date_text(*almanac) + full_width_space;
        text += almanac->rokuyo;
        if (!almanac->solar_term.empty()) (text += '\n') += almanac->solar_term;
    }
    if (!holiday.empty()) (text += '\n') += holiday;
    return text;
}

std::string almanac_list(std::int16_t year, std::optional<std::int16_t> month) {
    if (year < first_almanac_year || year > last_almanac_year) throw std::out_of_range("year outside the almanac");
    syukujitu_set(year);
    std::string list;
    for_each_day(year, month.value_or(1), month.value_or(12), [&](std::int16_t m, std::int16_t d) {
        const AlmanacDay almanac = run_almanac().day(year, m, d).value();
        list += iso_date(year, m, d) + "\t" + weekday_letter(yobi_keisan(year, m, d)) + "\t" + era_year_text(almanac) +
                "\t" + lunar_date_text(almanac) + "\t" + std::string(almanac.rokuyo) + "\t" +
                std::string(almanac.solar_term) + "\t" + holiday_name(m, d) + "\n";
    });
    return list;
}

}  // namespace kyotu1
