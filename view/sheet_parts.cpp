#include "view/sheet_parts.h"

#include <utility>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/sexagenary.h"
#include "view/accessible_names.h"
#include "view/almanac_text.h"
#include "view/law_text.h"

namespace kyotu1::sheet {

RgbColour number_colour(bool red_day, std::size_t column) {
    if (red_day) return red;
    return column == saturday ? blue : ink;
}

void add_text(Page& page, const Box& box, std::string text, double points, RgbColour colour, Align align, Face face,
              bool bold) {
    page.texts.push_back({box, std::move(text), points, colour, face, align, bold});
}

void add_weekday_row(Page& page, const Box& row, double points) {
    const double width = row.width / columns;
    for (std::size_t column = 0; column < 7; ++column) {
        add_text(page, {row.x + width * static_cast<double>(column), row.y, width, row.height},
                 weekday_letter(static_cast<std::int16_t>(column)), points, number_colour(column == sunday, column),
                 Align::centre);
    }
}

std::string rules_text(std::int16_t year, const Rules& rules) {
    std::string text(law_foot(rules.law));
    if (equinox_unannounced(rules.law, year, rules.announced_through)) {
        text += "（春分の日・秋分の日は暦要項の発表前の計算）";
    }
    return text;
}

std::string year_text(std::int16_t year) { return std::to_string(year) + "年"; }

std::string era_text(std::int16_t year, std::int16_t first_month, std::int16_t last_month) {
    const AlmanacDay first = run_almanac().day(year, first_month, 1).value();
    const AlmanacDay last = run_almanac().day(year, last_month, month_days(year, last_month)).value();
    std::string text = era_year_text(first);
    // An era that begins within the months: "平成31年・令和元年".
    if (last.era != first.era) (text += "・") += era_year_text(last);
    text += "（";
    text += cycle_name(first.year_cycle);
    return text += "）";
}

}  // namespace kyotu1::sheet
