#include "view/almanac_text.h"

#include <initializer_list>
#include <stdexcept>
#include <string_view>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/koyomi.h"
#include "engine/sexagenary.h"
#include "engine/year_days.h"
#include "view/accessible_names.h"
#include "view/clock_text.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

// The pieces one after another, each appended (see signed_text).
std::string concat(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (const std::string_view piece : pieces) text += piece;
    return text;
}

// The day's 雑節 joined by "・", after `text` when it holds a solar term.
std::string zassetsu_text(const AlmanacDay& almanac, std::string text = {}) {
    for (int index = 0; index < zassetsu_count; ++index) {
        if ((almanac.zassetsu & (1U << index)) == 0) continue;
        if (!text.empty()) text += "・";
        text += koyomi_name(KoyomiKind::zassetsu, index);
    }
    return text;
}

// "朔 9:52", or "朔 09:52" with the hour in two digits; empty without a phase.
std::string moon_phase_text(const AlmanacDay& almanac, bool two_digit_hour) {
    if (almanac.moon_phase < 0) return {};
    return phase_text(almanac.moon_phase, almanac.phase_minute, two_digit_hour);
}

// "0.1", "29.5".
std::string moon_age_text(const AlmanacDay& almanac) {
    return std::to_string(almanac.moon_age_tenths / 10) + "." + std::to_string(almanac.moon_age_tenths % 10);
}

void add_line(std::string& text, const std::string& line) {
    if (!line.empty()) (text += '\n') += line;
}

}  // namespace

std::string era_year_text(const AlmanacDay& almanac) {
    const std::string year = almanac.era_year == 1 ? "元" : std::to_string(almanac.era_year);
    return std::string(almanac.era) + year + "年";
}

std::string lunar_date_text(const AlmanacDay& almanac) {
    std::string text = almanac.leap_month ? "閏" : "";
    return text += std::to_string(almanac.lunar_month) + "月" + std::to_string(almanac.lunar_day) + "日";
}

std::string day_tooltip(std::int16_t year, std::int16_t month, std::int16_t day, const std::string& holiday) {
    std::string text = japanese_date(year, month, day) + "（" + weekday_letter(yobi_keisan(year, month, day)) + "）";
    // Line by line, each appended (see signed_text).
    if (const auto almanac = run_almanac().day(year, month, day)) {
        add_line(text, concat({era_year_text(*almanac), "（", cycle_name(almanac->year_cycle), "）", full_width_space,
                               "旧暦", lunar_date_text(*almanac), full_width_space, almanac->rokuyo}));
        add_line(text,
                 concat({"干支 ", cycle_name(almanac->day_cycle), full_width_space, "月齢 ", moon_age_text(*almanac)}));
        add_line(text, zassetsu_text(*almanac, std::string(almanac->solar_term)));
        add_line(text, moon_phase_text(*almanac, false));
        add_line(text, concat({"日の出 ", clock_text(almanac->sunrise_minute, false), full_width_space, "日の入 ",
                               clock_text(almanac->sunset_minute, false), "（東京）"}));
    }
    add_line(text, holiday);
    return text;
}

std::string almanac_list(std::int16_t year, std::optional<std::int16_t> month, HolidayLaw law) {
    if (year < first_almanac_year || year > last_almanac_year) throw std::out_of_range("year outside the almanac");
    const YearHolidays holidays = holidays_of(year, law);
    std::string list;
    for_each_day(year, month.value_or(1), month.value_or(12), [&](std::int16_t m, std::int16_t d) {
        const AlmanacDay almanac = run_almanac().day(year, m, d).value();
        list += iso_date(year, m, d) + "\t" + weekday_letter(yobi_keisan(year, m, d)) + "\t" + era_year_text(almanac) +
                "\t" + lunar_date_text(almanac) + "\t" + std::string(almanac.rokuyo) + "\t" +
                std::string(almanac.solar_term) + "\t" + holidays.name(m, d) + "\t" + cycle_name(almanac.day_cycle) +
                "\t" + zassetsu_text(almanac) + "\t" + moon_phase_text(almanac, true) + "\t" +
                clock_text(almanac.sunrise_minute, true) + "-" + clock_text(almanac.sunset_minute, true) + "\n";
    });
    return list;
}

}  // namespace kyotu1
