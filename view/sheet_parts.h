// What the month and year sheets share: the palette and the pieces they are
// both made of.
#pragma once

#include <cstddef>
#include <string>

#include "view/sheet.h"

namespace kyotu1::sheet {

// Calm on paper: dark grey ink, a deep red for Sundays and holidays (the
// window's red family), a quiet blue for Saturdays.
inline constexpr RgbColour ink{0x2A2A2A};
inline constexpr RgbColour red{0xBF2F38};
inline constexpr RgbColour blue{0x2D5A9B};
inline constexpr RgbColour quiet{0x6F6F6F};
inline constexpr RgbColour faint{0xC2C2C2};
inline constexpr RgbColour rule_grey{0xB5B5B5};
inline constexpr RgbColour term_green{0x2E6B4C};
inline constexpr RgbColour zassetsu_brown{0x8A5A22};
inline constexpr RgbColour band_grey{0xF1F1F1};
inline constexpr RgbColour holiday_tint{0xFCEEEE};

inline constexpr double margin = 14;
inline constexpr double columns = 7;

// A day's number: red on a red day, blue on a Saturday, else ink.
RgbColour number_colour(bool red_day, std::size_t column);

void add_text(Page& page, const Box& box, std::string text, double points, RgbColour colour, Align align = Align::left,
              Face face = Face::gothic, bool bold = false);

// "日" to "土" centred over seven columns of the row, Sunday red and Saturday blue.
void add_weekday_row(Page& page, const Box& row, double points);

// "祝日は現行の祝日法による", and where the year's equinox days are not yet
// announced, that they are computed.
std::string rules_text(std::int16_t year, const Rules& rules);

// "2026年".
std::string year_text(std::int16_t year);

// "令和8年（丙午）": the era year of the months with the year's 干支, both
// eras where one begins within them: "平成31年・令和元年（己亥）".
std::string era_text(std::int16_t year, std::int16_t first_month, std::int16_t last_month);

}  // namespace kyotu1::sheet
