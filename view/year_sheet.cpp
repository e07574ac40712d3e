#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/holidays.h"
#include "view/month_grid.h"
#include "view/number_text.h"
#include "view/sheet.h"
#include "view/sheet_parts.h"

namespace kyotu1::sheet {
namespace {

constexpr std::size_t month_columns = 4;
constexpr double months_top = 34;
constexpr double month_width = 62;
constexpr double month_height = 42;
constexpr double month_gap = (page_width - 2 * margin - month_columns * month_width) / (month_columns - 1);
constexpr double holidays_top = months_top + 3 * month_height + 4;
constexpr double title_height = 6;
constexpr double weekday_height = 4.5;
constexpr double row_height = 4.5;
constexpr double foot_top = page_height - 14;

void add_small_month(Page& page, double x, double y, const YearHolidays& holidays, std::int16_t month) {
    const std::int16_t year = holidays.year();
    add_text(page, {x, y, month_width, title_height}, std::to_string(month) + "月", 12, ink, Align::left, Face::gothic,
             true);
    add_weekday_row(page, {x, y + title_height + 0.5, month_width, weekday_height}, 7);
    page.rules.push_back({x, y + title_height + 0.5 + weekday_height, x + month_width,
                          y + title_height + 0.5 + weekday_height, 0.25, rule_grey});
    const auto first = static_cast<std::size_t>(yobi_keisan(year, month, 1));
    const double column_width = month_width / columns;
    const double top = y + title_height + 1 + weekday_height;
    for (std::int16_t day = 1; day <= month_days(year, month); ++day) {
        const std::size_t j = first + static_cast<std::size_t>(day) - 1;
        const std::size_t row = j / 7;
        const Box box{x + column_width * static_cast<double>(j % 7), top + row_height * static_cast<double>(row),
                      column_width, row_height};
        if (holidays.is_holiday(month, day))
            page.fills.push_back({{box.x + 0.6, box.y + 0.3, box.width - 1.2, box.height - 0.6}, holiday_tint});
        add_text(page, box, std::to_string(day), 8.5, number_colour(is_red_day(holidays, month, day, j), j % 7),
                 Align::centre, Face::numerals);
    }
}

// "1月1日　元旦" in four columns under the months.
void add_holiday_list(Page& page, const YearHolidays& holidays) {
    std::vector<std::string> entries;
    for (const NamedDay& holiday : holidays.days()) {
        entries.push_back(std::to_string(holiday.month) + "月" + std::to_string(holiday.day) + "日" + full_width_space +
                          holiday.name);
    }
    if (entries.empty()) return;
    add_text(page, {margin, holidays_top, 60, 5}, "祝日", 10, red, Align::left, Face::gothic, true);
    page.rules.push_back({margin, holidays_top + 5.5, page_width - margin, holidays_top + 5.5, 0.25, rule_grey});
    const std::size_t rows = (entries.size() + month_columns - 1) / month_columns;
    const double column_width = (page_width - 2 * margin) / month_columns;
    const double line = std::min(4.6, (foot_top - 1 - holidays_top - 7) / static_cast<double>(rows));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t column = i / rows;
        add_text(page,
                 {margin + column_width * static_cast<double>(column),
                  holidays_top + 7 + line * static_cast<double>(i % rows), column_width - 2, line},
                 entries[i], 8.5, ink);
    }
}

}  // namespace

Page year_page(std::int16_t year, const Rules& rules) {
    const YearHolidays holidays = holidays_of(year, rules.law);
    Page page;
    add_text(page, {margin, 9, 42, 18}, year_text(year), 30, ink, Align::left, Face::gothic, true);
    add_text(page, {margin + 44, 14, 150, 10}, era_text(year, 1, 12), 15, quiet);
    page.rules.push_back({margin, 29, page_width - margin, 29, 0.5, ink});
    for (std::int16_t month = 1; month <= 12; ++month) {
        const auto index = static_cast<std::size_t>(month - 1);
        const std::size_t row = index / month_columns;
        add_small_month(page, margin + (month_width + month_gap) * static_cast<double>(index % month_columns),
                        months_top + month_height * static_cast<double>(row), holidays, month);
    }
    add_holiday_list(page, holidays);
    add_text(page, {margin, foot_top, 150, 5}, rules_text(year, rules), 8, quiet);
    return page;
}

}  // namespace kyotu1::sheet
