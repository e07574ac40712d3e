#include "view/month_grid.h"

#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/run_state.h"
#include "view/accessible_names.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

bool is_sunday_cell(std::size_t j) { return j % 7 == sunday; }
bool is_monday_cell(std::size_t j) { return j % 7 == monday; }

}  // namespace

bool is_red_day(const YearHolidays& holidays, std::int16_t month, std::int16_t day, std::size_t cell) {
    if (holidays.is_holiday(month, day) || is_sunday_cell(cell)) return true;
    // Under the built-in rules the Monday after a Sunday holiday is off too,
    // though the tables name no holiday; today's law enters it in the tables.
    const bool tables_lack_substitutes = holidays.law() == HolidayLaw::builtin;
    return tables_lack_substitutes && holidays.is_holiday(month, day - 1) && is_monday_cell(cell);
}

std::string day_caption(int day) { return right_aligned(day, 2); }

std::string month_title(std::int16_t year, std::int16_t month) {
    return std::to_string(year) + "年" + signed_text(month) + "月";
}

void hyoji_cal(GridModel& grid, std::int16_t year, std::int16_t month) {
    syukujitu_set(year);
    fill_grid(grid, year, month);
}

void fill_grid(GridModel& grid, std::int16_t year, std::int16_t month) {
    fill_grid_as_of(grid, day_tables(), year, month, system_date());
}

void fill_grid_as_of(GridModel& grid, const YearHolidays& holidays, std::int16_t year, std::int16_t month,
                     const ClockDate& today) {
    const std::int16_t days = month_days(year, month);

    for (GridModel::Cell& cell : grid.cells) cell = {"", colour_white, false, "", 0, ""};

    const std::int16_t first_weekday = yobi_keisan(year, month, 1);
    for (std::int16_t day = 1; day <= days; ++day) {
        const auto j = static_cast<std::size_t>(first_weekday + day - 1);
        const bool is_today = year == today.year && month == today.month && day == today.day;
        const std::string& holiday = holidays.name(month, day);
        const bool red = is_red_day(holidays, month, day, j);
        grid.cells.at(j) = {day_caption(day),
                            is_today ? colour_cyan
                            : red    ? colour_light_red
                                     : colour_white,
                            true,
                            day_accessible_name(year, month, day, holiday) + (is_today ? " 今日" : ""),
                            day,
                            holiday};
    }
    grid.title = month_title(year, month);
    grid.year = year;
    grid.month = month;
    grid.today = today;
}

}  // namespace kyotu1
