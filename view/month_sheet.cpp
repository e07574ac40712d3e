#include <algorithm>
#include <numeric>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/koyomi.h"
#include "view/almanac_text.h"
#include "view/clock_text.h"
#include "view/month_grid.h"
#include "view/sheet.h"
#include "view/sheet_parts.h"

namespace kyotu1::sheet {
namespace {

constexpr double weekday_top = 43;
constexpr double weekday_height = 8;
constexpr double grid_top = weekday_top + weekday_height;
constexpr double grid_bottom = 193;
constexpr double grid_width = page_width - 2 * margin;
constexpr double rule_width = 0.3;

std::string month_number_text(int lunar_month, bool leap) {
    std::string text = leap ? "閏" : "";
    return text += std::to_string(lunar_month) + "月";
}

// "旧暦 10月・11月": the lunar months the month's days fall in.
std::string lunar_months_text(std::int16_t year, std::int16_t month) {
    std::string text = "旧暦 ";
    for (std::int16_t day = 1; day <= month_days(year, month); ++day) {
        const AlmanacDay almanac = run_almanac().day(year, month, day).value();
        if (day != 1 && almanac.lunar_day != 1) continue;
        if (day != 1) text += "・";
        text += month_number_text(almanac.lunar_month, almanac.leap_month);
    }
    return text;
}

// "大雪 7日　冬至 22日": the month's solar terms.
std::string solar_terms_text(std::int16_t year, std::int16_t month) {
    std::string text;
    for (std::int16_t day = 1; day <= month_days(year, month); ++day) {
        const AlmanacDay almanac = run_almanac().day(year, month, day).value();
        if (almanac.solar_term.empty()) continue;
        if (!text.empty()) text += full_width_space;
        ((text += almanac.solar_term) += ' ') += std::to_string(day) + "日";
    }
    return text;
}

void add_heading(Page& page, std::int16_t year, std::int16_t month) {
    add_text(page, {margin - 4, 8, 38, 30}, std::to_string(month), 64, ink, Align::right, Face::numerals, true);
    add_text(page, {margin + 35, 22, 12, 14}, "月", 24, ink);
    add_text(page, {margin + 54, 12, 90, 12}, year_text(year), 22, ink);
    add_text(page, {margin + 54, 25, 90, 9}, era_text(year, month, month), 13, quiet);
    const double right = page_width - margin;
    add_text(page, {right - 120, 13, 120, 9}, lunar_months_text(year, month), 13, quiet, Align::right);
    add_text(page, {right - 120, 25, 120, 9}, solar_terms_text(year, month), 12, term_green, Align::right);
}

// One line of a cell's stack under the day's number; the phase's line
// begins with the moon's figure.
struct StackLine {
    std::string text;
    double points;
    Colour colour;
    double height;
    int moon_quarter = -1;
};

std::vector<StackLine> stack_lines(const AlmanacDay& almanac, const std::string& holiday) {
    std::vector<StackLine> lines;
    if (!holiday.empty()) lines.push_back({holiday, 11, red, 5.6});
    if (!almanac.solar_term.empty()) lines.push_back({std::string(almanac.solar_term), 10, term_green, 4.8});
    for (int index = 0; index < zassetsu_count; ++index) {
        if ((almanac.zassetsu & (1U << index)) == 0) continue;
        lines.push_back({std::string(koyomi_name(KoyomiKind::zassetsu, index)), 9, zassetsu_brown, 4.4});
    }
    if (almanac.moon_phase >= 0) {
        lines.push_back({phase_text(almanac.moon_phase, almanac.phase_minute, false), 8.5, quiet, 5.4,
                         almanac.moon_phase});
    }
    return lines;
}

void add_day(Page& page, const Box& cell, std::int16_t year, std::int16_t month, const GridModel::Cell& day,
             std::size_t column, bool red_day) {
    const AlmanacDay almanac = run_almanac().day(year, month, day.day).value();
    if (!day.holiday.empty()) page.fills.push_back({cell, holiday_tint});
    add_text(page, {cell.x + 2, cell.y + 1, 16, 11}, std::to_string(day.day), 26, number_colour(red_day, column),
             Align::left, Face::numerals, true);
    const double right = cell.x + cell.width - 1.6;
    add_text(page, {right - 17, cell.y + 1.4, 17, 5}, std::string(almanac.rokuyo), 9, quiet, Align::right);
    if (almanac.lunar_day == 1 || almanac.lunar_day == 15 || day.day == 1) {
        add_text(page, {right - 17, cell.y + 6.4, 17, 4.6}, "旧" + lunar_date_text(almanac), 8, quiet, Align::right);
    }

    // The stack fills the cell's lower part; lines close up where a day has many.
    const auto lines = stack_lines(almanac, day.holiday);
    const double top = cell.y + 12;
    const double room = cell.y + cell.height - 0.8 - top;
    const double wanted =
        std::accumulate(lines.begin(), lines.end(), 0.0, [](double sum, const StackLine& l) { return sum + l.height; });
    const double scale = wanted > room ? room / wanted : 1.0;
    double y = top;
    for (const StackLine& line : lines) {
        const double height = line.height * scale;
        double x = cell.x + 2;
        if (line.moon_quarter >= 0) {
            const double radius = 2.1 * scale;
            page.moons.push_back({x + radius, y + height / 2, radius, line.moon_quarter});
            x += 2 * radius + 1.4;
        }
        add_text(page, {x, y, cell.x + cell.width - 1.6 - x, height}, line.text, line.points * scale, line.colour);
        y += height;
    }
}

// The neighbouring month's day in an empty cell, greyed.
void add_neighbour_day(Page& page, const Box& cell, int day) {
    add_text(page, {cell.x + 2, cell.y + 1, 16, 11}, std::to_string(day), 26, faint, Align::left, Face::numerals, true);
}

void add_rules(Page& page, std::size_t rows, double row_height) {
    const double right = margin + grid_width;
    for (std::size_t row = 0; row <= rows; ++row) {
        const double y = grid_top + row_height * static_cast<double>(row);
        page.rules.push_back({margin, y, right, y, row == 0 ? 0.5 : rule_width, row == 0 ? ink : rule_grey});
    }
    for (std::size_t column = 1; column < 7; ++column) {
        const double x = margin + grid_width / columns * static_cast<double>(column);
        page.rules.push_back({x, grid_top, x, grid_bottom, rule_width, rule_grey});
    }
}

// The figures of the four phases, explained under the grid.
void add_legend(Page& page) {
    constexpr double step = 19;
    double x = page_width - margin - 4 * step - 34;
    const double y = grid_bottom + 6.5;
    for (int quarter = 0; quarter < 4; ++quarter) {
        page.moons.push_back({x + 2, y, 1.9, quarter});
        add_text(page, {x + 5, y - 2.5, step - 5, 5}, std::string(koyomi_name(KoyomiKind::moon_phase, quarter)), 8,
                 quiet);
        x += step;
    }
    add_text(page, {x, y - 2.5, 34, 5}, "時刻は日本時間", 8, quiet, Align::right);
}

}  // namespace

Page month_page(std::int16_t year, std::int16_t month, const Rules& rules) {
    GridModel grid{};
    const YearHolidays holidays = holidays_of(year, rules.law);
    fill_grid_as_of(grid, holidays, year, month, ClockDate{0, 1, 1});  // paper has no today
    Page page;
    add_heading(page, year, month);
    page.fills.push_back({{margin, weekday_top, grid_width, weekday_height}, band_grey});
    add_weekday_row(page, {margin, weekday_top, grid_width, weekday_height}, 12);

    const auto first = static_cast<std::size_t>(yobi_keisan(year, month, 1));
    const auto days = static_cast<std::size_t>(month_days(year, month));
    const std::size_t rows = (first + days + 6) / 7;
    const double row_height = (grid_bottom - grid_top) / static_cast<double>(rows);
    const double column_width = grid_width / columns;
    // December, before a January, has 31 days in every year.
    const std::int16_t previous_days =
        month == 1 ? std::int16_t{31} : month_days(year, static_cast<std::int16_t>(month - 1));
    for (std::size_t j = 0; j < rows * 7; ++j) {
        const std::size_t row = j / 7;
        const Box cell{margin + column_width * static_cast<double>(j % 7),
                       grid_top + row_height * static_cast<double>(row), column_width, row_height};
        if (j < first) {
            add_neighbour_day(page, cell, previous_days - static_cast<int>(first - j) + 1);
        } else if (j >= first + days) {
            add_neighbour_day(page, cell, static_cast<int>(j - first - days) + 1);
        } else {
            const GridModel::Cell& day = grid.cells.at(j);
            add_day(page, cell, year, month, day, j % 7, is_red_day(holidays, month, day.day, j));
        }
    }
    add_rules(page, rows, row_height);
    add_legend(page);
    add_text(page, {margin, grid_bottom + 4, 150, 5}, rules_text(year, rules), 8, quiet);
    return page;
}

}  // namespace kyotu1::sheet
