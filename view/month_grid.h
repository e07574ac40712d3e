// One month drawn into a plain model of the day grid, which the window copies
// onto its labels.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/calendar.h"
#include "engine/holidays.h"
#include "view/colours.h"

namespace kyotu1 {

inline constexpr std::size_t grid_cells = 37;

// The day cells' back colours.
inline constexpr BgrColour colour_white{0xFFFFFF};
inline constexpr BgrColour colour_light_red{0xC0C0FF};
inline constexpr BgrColour colour_cyan{0xFFFF00};

struct GridModel {
    struct Cell {
        std::string caption;
        BgrColour back_colour;
        bool visible;
        // What a screen reader says for the day; empty for a hidden cell.
        std::string spoken_name;
        // The day of the month, 0 for a hidden cell, and its holiday's name.
        std::int16_t day;
        std::string holiday;
    };
    // Cell j stands in column j mod 7 (0 Sunday) and row j div 7.
    std::array<Cell, grid_cells> cells;
    // The caption of the frame above the grid.
    std::string title;
    // The month drawn, and the date it was drawn as today.
    std::int16_t year;
    std::int16_t month;
    ClockDate today;
};

// Draws the month: rebuilds the day tables for the year, then fills the cells
// of the month's days with their numbers and colours (today cyan; Sundays and
// holidays light red; a Monday after a holiday light red; otherwise white),
// names each day for screen readers, hides the rest and writes the title.
void hyoji_cal(GridModel& grid, std::int16_t year, std::int16_t month);

// Draws the month as hyoji_cal does, but from the day tables as they stand,
// which must hold the year: for a new today, it warns of nothing and
// rebuilds nothing.
void fill_grid(GridModel& grid, std::int16_t year, std::int16_t month);

// Whether the day in the cell is drawn red: a Sunday, a holiday, or under
// the built-in rules a Monday after a holiday.
bool is_red_day(const YearHolidays& holidays, std::int16_t month, std::int16_t day, std::size_t cell);

// Draws the month as fill_grid does, but from the holidays given, which must
// be the year's, and with the date given as today; a date of year 0 marks no
// day (a printed sheet has no today).
void fill_grid_as_of(GridModel& grid, const YearHolidays& holidays, std::int16_t year, std::int16_t month,
                     const ClockDate& today);

// A day number right-aligned in two characters: " 5", "23".
std::string day_caption(int day);

// "2004年 11月": the month keeps the place of a sign.
std::string month_title(std::int16_t year, std::int16_t month);

}  // namespace kyotu1
