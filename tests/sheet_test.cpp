// The printed sheets' layout; what they say is read back from the PDF
// through the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/almanac.h"
#include "engine/holidays.h"
#include "view/sheet.h"
#include "view/sheet_parts.h"

namespace kyotu1::sheet {
namespace {

bool overlap(const Box& a, const Box& b) {
    constexpr double touch = 1e-9;
    return a.x + a.width > b.x + touch && b.x + b.width > a.x + touch && a.y + a.height > b.y + touch &&
           b.y + b.height > a.y + touch;
}

// No text or figure over another, and all within the page's margins of 8 mm.
void expect_laid_out(const Page& page, const std::string& what) {
    std::vector<std::pair<Box, std::string>> boxes;
    for (const Text& text : page.texts) boxes.emplace_back(text.box, text.text);
    for (const Moon& moon : page.moons) {
        const double r = moon.radius;
        boxes.emplace_back(Box{moon.centre_x - r, moon.centre_y - r, 2 * r, 2 * r},
                           "moon " + std::to_string(moon.quarter));
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& [box, name] = boxes[i];
        EXPECT_TRUE(box.x >= 8 && box.y >= 8 && box.x + box.width <= page_width - 8 &&
                    box.y + box.height <= page_height - 8)
            << what << ": " << name;
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            EXPECT_FALSE(overlap(box, boxes[j].first)) << what << ": " << name << " over " << boxes[j].second;
        }
    }
}

// Every month of the range, the crowded days among them, with the longest
// foot: no year's equinox days announced.
TEST(Sheets, TextsKeepApartOnEveryPage) {
    const Rules rules{HolidayLaw::current, 0};
    for (int year = first_almanac_year; year <= last_almanac_year; ++year) {
        const auto y = static_cast<std::int16_t>(year);
        expect_laid_out(year_page(y, rules), std::to_string(year));
        for (std::int16_t month = 1; month <= 12; ++month) {
            expect_laid_out(month_page(y, month, rules), std::to_string(year) + "-" + std::to_string(month));
        }
        if (HasFailure()) return;
    }
}

// Weeks from Sunday: as many rows of cells as the month needs.
TEST(Sheets, RowsTheMonthNeeds) {
    struct Case {
        std::int16_t year, month;
        std::size_t rows;
    };
    for (const auto& [year, month, rows] : {Case{2026, 2, 4}, {2026, 12, 5}, {2026, 8, 6}, {2026, 5, 6}}) {
        const Page page = month_page(year, month, {HolidayLaw::builtin, 2027});
        // The rules across: one above each row and one under the last; six down.
        EXPECT_EQ(page.rules.size(), rows + 1 + 6) << year << "-" << month;
    }
}

// Each day's number in its colour: Sundays, holidays and, under the built-in
// rules, a Monday after a holiday red, Saturdays blue; the neighbours' grey.
TEST(Sheets, DayNumbersInTheirColours) {
    std::vector<RgbColour> colours;
    for (const Text& text : month_page(2026, 5, {HolidayLaw::builtin, 2027}).texts) {
        if (text.face == Face::numerals && text.points == day_number_points) colours.push_back(text.colour);
    }
    // May 2026 begins on a Friday, after April's last five days; the 3rd (a
    // Sunday), 4th and 5th are holidays.
    std::vector<RgbColour> expected(5, faint);
    for (int day = 1; day <= 31; ++day) {
        const int weekday = (day + 4) % 7;
        const bool red = weekday == 0 || (day >= 3 && day <= 5);
        expected.push_back(red ? sheet::red : weekday == 6 ? blue : ink);
    }
    expected.insert(expected.end(), 6, faint);
    EXPECT_EQ(colours, expected);
}

// The weekday heading, 日 to 土 with Sunday red and Saturday blue, after the
// heading's own 月.
TEST(Sheets, WeekdayHeadingInItsColours) {
    const std::string week[] = {"日", "月", "火", "水", "木", "金", "土"};
    std::vector<std::pair<std::string, RgbColour>> letters;
    for (const Text& text : month_page(2026, 5, {HolidayLaw::builtin, 2027}).texts) {
        if (std::ranges::find(week, text.text) != std::end(week)) letters.emplace_back(text.text, text.colour);
    }
    const std::vector<std::pair<std::string, RgbColour>> expected = {
        {"月", ink}, {"日", sheet::red}, {"月", ink}, {"火", ink}, {"水", ink}, {"木", ink}, {"金", ink}, {"土", blue}};
    EXPECT_EQ(letters, expected);
}

}  // namespace
}  // namespace kyotu1::sheet
