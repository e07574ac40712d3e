// Printed sheets of the calendar laid out as plain shapes and texts on an A4
// landscape page, for a painter to draw as they are: the month as a wall
// calendar, and the year at a glance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/holidays.h"
#include "view/colours.h"

namespace kyotu1::sheet {

// Millimetres from the page's top left corner.
inline constexpr double page_width = 297;
inline constexpr double page_height = 210;

struct Box {
    double x, y, width, height;
};

enum class Face : std::uint8_t { gothic, numerals };

// The size of a day's number on a month's sheet, its own and its neighbours'.
inline constexpr double day_number_points = 26;
enum class Align : std::uint8_t { left, centre, right };

// One line of text, set in its box, vertically centred; a painter shrinks
// one that does not fit the box's width.
struct Text {
    Box box;
    std::string text;
    double points;
    RgbColour colour;
    Face face;
    Align align;
    bool bold;
};

struct Fill {
    Box box;
    RgbColour colour;
};

struct Rule {
    double x1, y1, x2, y2;
    double width;
    RgbColour colour;
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

// The holiday rules a sheet is made by, which its foot names.
struct Rules {
    HolidayLaw law;
    // The last year whose equinox days are announced: a later one's foot
    // says they are computed.
    std::int32_t announced_through;
};

// The month as a wall calendar: its heading with the year, the era year
// with the year's 干支 and the lunar months it spans; weeks from Sunday in
// large cells with the day, its holiday, 六曜, lunar date on the 1st and
// 15th of a lunar month and on the 1st, solar term, 雑節 and phase of the
// moon; the neighbouring months' days greyed; the rules at the foot. The
// year must lie within the almanac's range.
Page month_page(std::int16_t year, std::int16_t month, const Rules& rules);

// The year's twelve months small, holidays in red, with the year's 干支 and
// its holidays listed, and the rules at the foot.
Page year_page(std::int16_t year, const Rules& rules);

}  // namespace kyotu1::sheet
