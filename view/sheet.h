// Printed sheets of the calendar laid out as plain shapes and texts on an A4
// landscape page, for a painter to draw as they are: the month as a wall
// calendar, and the year at a glance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kyotu1::sheet {

// Millimetres from the page's top left corner.
inline constexpr double page_width = 297;
inline constexpr double page_height = 210;

struct Box {
    double x, y, width, height;
};

// Colours written 0xRRGGBB, as print designs give them.
using Colour = std::uint32_t;

enum class Face : std::uint8_t { gothic, numerals };
enum class Align : std::uint8_t { left, centre, right };

// One line of text, set in its box, vertically centred; a painter shrinks
// one that does not fit the box's width.
struct Text {
    Box box;
    std::string text;
    double points;
    Colour colour;
    Face face;
    Align align;
    bool bold;
};

struct Fill {
    Box box;
    Colour colour;
};

struct Rule {
    double x1, y1, x2, y2;
    double width;
    Colour colour;
};

// The moon's figure at a phase (0 朔 to 3 下弦), drawn in a circle.
struct Moon {
    double centre_x, centre_y, radius;
    int quarter;
};

struct Page {
    std::vector<Fill> fills;
    std::vector<Rule> rules;
    std::vector<Moon> moons;
    std::vector<Text> texts;  // drawn last, over the rest
};

// The month as a wall calendar: its heading with the year, the era year
// with the year's 干支 and the lunar months it spans; weeks from Sunday in
// large cells with the day, its holiday, 六曜, lunar date on the 1st and
// 15th of a lunar month and on the 1st, solar term, 雑節 and phase of the
// moon; the neighbouring months' days greyed. Rebuilds the day tables for
// the year, which must lie within the almanac's range.
Page month_page(std::int16_t year, std::int16_t month);

// The year's twelve months small, holidays in red, with the year's 干支 and
// its holidays listed. Rebuilds the day tables for the year.
Page year_page(std::int16_t year);

}  // namespace kyotu1::sheet
