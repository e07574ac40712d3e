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
constexpr double top_rule_width = 0.5;

// The heading: the month's number and "月" on the left, the year and its era
// beside them, the lunar months and the solar terms on the right.
constexpr double heading_right_width = 120;
constexpr double month_number_points = 64;

// Within a day cell, from its top left corner: the day's number, 六曜 and the
// lunar date in the top right corner, and under the number a stack of lines.
constexpr double cell_padding_left = 2;
constexpr Box day_number_box{cell_padding_left, 1, 16, 11};
constexpr double cell_padding_right = 1.6;
constexpr double cell_padding_bottom = 0.8;
constexpr double corner_width = 17;
constexpr double rokuyo_top = 1.4;
constexpr double rokuyo_height = 5;
constexpr double rokuyo_points = 9;
constexpr double lunar_top = 6.4;
constexpr double lunar_height = 4.6;
constexpr double lunar_points = 8;
constexpr double stack_top = 12;
// The moon's figure before the phase's line, and the gap after it.
constexpr double phase_moon_radius = 2.1;
constexpr double phase_moon_gap = 1.4;

// The lines of the stack: size, colour and the height each takes.
struct LineStyle {
    double points;
    RgbColour colour;
    double height;
};
constexpr LineStyle holiday_line{11, red, 5.6};
constexpr LineStyle term_line{10, term_green, 4.8};
constexpr LineStyle zassetsu_line{9, zassetsu_brown, 4.4};
constexpr LineStyle phase_line{8.5, quiet, 5.4};

// The legend of the phases under the grid, and the foot beside it.
constexpr double legend_step = 19;
constexpr double legend_note_width = 34;
constexpr double legend_moon_radius = 1.9;
constexpr double foot_points = 8;

Box in_cell(const Box& cell, const Box& part) { return {cell.x + part.x, cell.y + part.y, part.width, part.height}; }

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
    add_text(page, {margin - 4, 8, 38, 30}, std::to_string(month), month_number_points, ink, Align::right,
             Face::numerals, true);
    add_text(page, {margin + 35, 22, 12, 14}, "月", 24, ink);
    add_text(page, {margin + 54, 12, 90, 12}, year_text(year), 22, ink);
    add_text(page, {margin + 54, 25, 90, 9}, era_text(year, month, month), 13, quiet);
    const double right = page_width - margin;
    const double left = right - heading_right_width;
    add_text(page, {left, 13, heading_right_width, 9}, lunar_months_text(year, month), 13, quiet, Align::right);
    add_text(page, {left, 25, heading_right_width, 9}, solar_terms_text(year, month), 12, term_green, Align::right);
}

// One line of a cell's stack under the day's number; the phase's line
// begins with the moon's figure.
struct StackLine {
    std::string text;
    LineStyle style;
    int moon_quarter = -1;
};

std::vector<StackLine> stack_lines(const AlmanacDay& almanac, const std::string& holiday) {
    std::vector<StackLine> lines;
    if (!holiday.empty()) lines.push_back({holiday, holiday_line});
    if (!almanac.solar_term.empty()) lines.push_back({std::string(almanac.solar_term), term_line});
    for (int index = 0; index < zassetsu_count; ++index) {
        if ((almanac.zassetsu & (1U << index)) == 0) continue;
        lines.push_back({std::string(koyomi_name(KoyomiKind::zassetsu, index)), zassetsu_line});
    }
    if (almanac.moon_phase >= 0) {
        lines.push_back({phase_text(almanac.moon_phase, almanac.phase_minute, false), phase_line, almanac.moon_phase});
    }
    return lines;
}

void add_day(Page& page, const Box& cell, std::int16_t year, std::int16_t month, const GridModel::Cell& day,
             std::size_t column, bool red_day) {
    const AlmanacDay almanac = run_almanac().day(year, month, day.day).value();
    if (!day.holiday.empty()) page.fills.push_back({cell, holiday_tint});
    add_text(page, in_cell(cell, day_number_box), std::to_string(day.day), day_number_points,
             number_colour(red_day, column), Align::left, Face::numerals, true);
    const double right = cell.x + cell.width - cell_padding_right;
    add_text(page, {right - corner_width, cell.y + rokuyo_top, corner_width, rokuyo_height},
             std::string(almanac.rokuyo), rokuyo_points, quiet, Align::right);
    if (almanac.lunar_day == 1 || almanac.lunar_day == 15 || day.day == 1) {
        add_text(page, {right - corner_width, cell.y + lunar_top, corner_width, lunar_height},
                 "旧" + lunar_date_text(almanac), lunar_points, quiet, Align::right);
    }

    // The stack fills the cell's lower part; lines close up where a day has many.
    const auto lines = stack_lines(almanac, day.holiday);
    const double top = cell.y + stack_top;
    const double room = cell.y + cell.height - cell_padding_bottom - top;
    const double wanted = std::accumulate(lines.begin(), lines.end(), 0.0,
                                          [](double sum, const StackLine& l) { return sum + l.style.height; });
    const double scale = wanted > room ? room / wanted : 1.0;
    double y = top;
    for (const StackLine& line : lines) {
        const double height = line.style.height * scale;
        double x = cell.x + cell_padding_left;
        if (line.moon_quarter >= 0) {
            const double radius = phase_moon_radius * scale;
            page.moons.push_back({x + radius, y + height / 2, radius, line.moon_quarter});
            x += 2 * radius + phase_moon_gap;
        }
        add_text(page, {x, y, right - x, height}, line.text, line.style.points * scale, line.style.colour);
        y += height;
    }
}

// The neighbouring month's day in an empty cell, greyed.
void add_neighbour_day(Page& page, const Box& cell, int day) {
    add_text(page, in_cell(cell, day_number_box), std::to_string(day), day_number_points, faint, Align::left,
             Face::numerals, true);
}

void add_rules(Page& page, std::size_t rows, double row_height) {
    const double right = margin + grid_width;
    for (std::size_t row = 0; row <= rows; ++row) {
        const double y = grid_top + row_height * static_cast<double>(row);
        page.rules.push_back({margin, y, right, y, row == 0 ? top_rule_width : rule_width, row == 0 ? ink : rule_grey});
    }
    for (std::size_t column = 1; column < 7; ++column) {
        const double x = margin + grid_width / columns * static_cast<double>(column);
        page.rules.push_back({x, grid_top, x, grid_bottom, rule_width, rule_grey});
    }
}

// The figures of the four phases, explained under the grid.
void add_legend(Page& page) {
    double x = page_width - margin - 4 * legend_step - legend_note_width;
    const double y = grid_bottom + 6.5;
    for (int quarter = 0; quarter < 4; ++quarter) {
        page.moons.push_back({x + 2, y, legend_moon_radius, quarter});
        add_text(page, {x + 5, y - 2.5, legend_step - 5, 5}, std::string(koyomi_name(KoyomiKind::moon_phase, quarter)),
                 foot_points, quiet);
        x += legend_step;
    }
    add_text(page, {x, y - 2.5, legend_note_width, 5}, "時刻は日本時間", foot_points, quiet, Align::right);
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
    add_text(page, {margin, grid_bottom + 4, 150, 5}, rules_text(year, rules), foot_points, quiet);
    return page;
}

}  // namespace kyotu1::sheet
