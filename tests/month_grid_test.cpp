#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/calendar.h"
#include "engine/message_box.h"
#include "engine/run_state.h"
#include "support/message_recorder.h"
#include "view/accessible_names.h"
#include "view/month_grid.h"

namespace {

using kyotu1::colour_cyan;
using kyotu1::colour_light_red;
using kyotu1::colour_white;
using kyotu1::GridModel;

class MonthGrid : public ::testing::Test {
protected:
    GridModel draw(std::int16_t year, std::int16_t month) {
        GridModel grid{};
        kyotu1::hyoji_cal(grid, year, month);
        return grid;
    }
    korinde_test::MessageRecorder recorder{{2004, 11, 22}};
};

struct MonthShape {
    std::int16_t year, month;
    std::size_t first_cell, last_cell;
    const char* title;
};

// Which cells a month occupies, its captions, the hidden cells and the title.
TEST_F(MonthGrid, DaysLandInTheirCells) {
    const MonthShape shapes[] = {
        {2009, 2, 0, 27, "2009年 2月"},   {2009, 8, 6, 36, "2009年 8月"}, {2012, 9, 6, 35, "2012年 9月"},
        {2004, 11, 1, 30, "2004年 11月"}, {2000, 2, 2, 30, "2000年 2月"}, {2004, 2, 0, 28, "2004年 2月"},
        {2003, 2, 6, 33, "2003年 2月"},   {2100, 2, 1, 28, "2100年 2月"}, {1977, 1, 6, 36, "1977年 1月"},
        {1900, 3, 4, 34, "1900年 3月"},   {1, 1, 1, 31, "1年 1月"},
    };
    for (const auto& s : shapes) {
        const GridModel grid = draw(s.year, s.month);
        EXPECT_EQ(grid.title, s.title);
        for (std::size_t j = 0; j < kyotu1::grid_cells; ++j) {
            const auto& cell = grid.cells[j];
            const bool inside = j >= s.first_cell && j <= s.last_cell;
            EXPECT_EQ(cell.visible, inside) << s.title << " cell " << j;
            const std::string caption = inside ? kyotu1::day_caption(static_cast<int>(j - s.first_cell + 1)) : "";
            EXPECT_EQ(cell.caption, caption) << s.title << " cell " << j;
            EXPECT_EQ(cell.day, inside ? static_cast<int>(j - s.first_cell + 1) : 0) << s.title << " cell " << j;
            if (!inside) {
                EXPECT_EQ(cell.back_colour, colour_white) << s.title << " cell " << j;
            }
        }
    }
}

TEST(DayCaption, RightAlignedInTwoCharacters) {
    EXPECT_EQ(kyotu1::day_caption(1), " 1");
    EXPECT_EQ(kyotu1::day_caption(9), " 9");
    EXPECT_EQ(kyotu1::day_caption(10), "10");
    EXPECT_EQ(kyotu1::day_caption(31), "31");
}

TEST(WeekdayNames, TheSevenDaysAndNoOther) {
    EXPECT_EQ(kyotu1::weekday_letter(0), "日");
    EXPECT_EQ(kyotu1::weekday_name(6), "土曜日");
    EXPECT_THROW(kyotu1::weekday_letter(7), std::out_of_range);
    EXPECT_THROW(kyotu1::weekday_letter(-1), std::out_of_range);
}

struct Colouring {
    const char* what;
    std::int16_t year, month;
    kyotu1::ClockDate today;
    std::set<std::size_t> light_red;
    std::set<std::size_t> cyan;
};

TEST_F(MonthGrid, Colours) {
    const Colouring cases[] = {
        {"Sundays and 11 February", 2009, 2, {2004, 11, 22}, {0, 7, 14, 21, 10}, {}},
        {"today on a Sunday holiday stays cyan, the Monday after is light red",
         2006,
         1,
         {2006, 1, 1},
         {1, 7, 8, 14, 21, 28},
         {0}},
        {"Monday after a Sunday holiday, but not the Tuesday after a Monday holiday",
         2006,
         1,
         {2004, 11, 22},
         {0, 1, 7, 8, 14, 21, 28},
         {}},
        {"a Saturday holiday colours no Monday", 2006, 12, {2004, 11, 22}, {7, 14, 21, 27, 28, 35}, {}},
        {"the 1st in a Monday cell stays white; today cyan", 2004, 11, {2004, 11, 22}, {3, 7, 14, 21, 23, 28}, {22}},
        {"same month of another year has no cyan", 2005, 11, {2004, 11, 22}, {4, 7, 14, 21, 24, 28}, {}},
        {"five days off in a row", 2049, 9, {2049, 9, 21}, {7, 14, 21, 22, 24, 28}, {23}},
    };
    for (const auto& c : cases) {
        recorder.set_today(c.today);
        const GridModel grid = draw(c.year, c.month);
        for (std::size_t j = 0; j < kyotu1::grid_cells; ++j) {
            kyotu1::BgrColour expected = colour_white;
            if (c.light_red.contains(j)) expected = colour_light_red;
            if (c.cyan.contains(j)) expected = colour_cyan;
            EXPECT_EQ(grid.cells[j].back_colour, expected) << c.what << ": cell " << j;
            EXPECT_EQ(grid.cells[j].spoken_name.ends_with(" 今日"), c.cyan.contains(j)) << c.what << ": cell " << j;
        }
    }
}

TEST_F(MonthGrid, RedrawLeavesNothingBehind) {
    const GridModel fresh = draw(2009, 2);
    GridModel grid{};
    kyotu1::hyoji_cal(grid, 2009, 8);
    kyotu1::hyoji_cal(grid, 2009, 2);
    for (std::size_t j = 0; j < kyotu1::grid_cells; ++j) {
        EXPECT_EQ(grid.cells[j].caption, fresh.cells[j].caption) << j;
        EXPECT_EQ(grid.cells[j].back_colour, fresh.cells[j].back_colour) << j;
        EXPECT_EQ(grid.cells[j].visible, fresh.cells[j].visible) << j;
    }
    EXPECT_EQ(grid.title, fresh.title);
}

TEST_F(MonthGrid, ReadsTheClockOnEveryDraw) {
    GridModel grid{};
    kyotu1::hyoji_cal(grid, 2004, 11);
    EXPECT_EQ(grid.cells[22].back_colour, colour_cyan);
    recorder.set_today({2004, 11, 23});
    kyotu1::hyoji_cal(grid, 2004, 11);
    EXPECT_EQ(grid.cells[22].back_colour, colour_white);
    EXPECT_EQ(grid.cells[23].back_colour, colour_cyan);
}

// Every shape of month lands in the grid, its days in a row from the column
// of its first weekday: 400 years hold every first weekday with every month
// length. The years around 2100 and at the top of the range are added; the
// calendar tests walk every day of every year.
TEST(MonthGridRange, EveryShapeOfMonthFits) {
    korinde_test::MessageRecorder recorder;
    int warnings = 0;
    kyotu1::msg_box = [&warnings](const std::string&, std::int16_t, const std::string&) {
        ++warnings;
        return kyotu1::answer_ok;
    };
    GridModel grid{};
    std::vector<int> years;
    for (int y = kyotu1::min_year; y <= 400; ++y) years.push_back(y);
    for (int y = 2096; y <= 2104; ++y) years.push_back(y);
    for (int y = kyotu1::max_year - 7; y <= kyotu1::max_year; ++y) years.push_back(y);
    for (const int y : years) {
        for (std::int16_t month = 1; month <= 12; ++month) {
            const auto year = static_cast<std::int16_t>(y);
            kyotu1::hyoji_cal(grid, year, month);
            const auto first = static_cast<std::size_t>(kyotu1::yobi_keisan(year, month, 1));
            const auto days = static_cast<std::size_t>(kyotu1::month_days(year, month));
            ASSERT_LE(first + days, kyotu1::grid_cells) << y << "/" << month;
            ASSERT_TRUE(grid.cells[first].visible && grid.cells[first].caption == " 1") << y << "/" << month;
            ASSERT_TRUE(grid.cells[first + days - 1].visible) << y << "/" << month;
            const bool after_shown = first + days < kyotu1::grid_cells && grid.cells[first + days].visible;
            const bool before_shown = first > 0 && grid.cells[first - 1].visible;
            ASSERT_FALSE(after_shown || before_shown) << y << "/" << month;
        }
    }
    EXPECT_EQ(warnings, (4 + 8) * 12);  // 2101 to 2104 and the last eight years
}

TEST_F(MonthGrid, WarnsBeforeDrawingAfter2100) {
    const GridModel grid = draw(2101, 1);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{"2100年までです！"});
    EXPECT_EQ(grid.title, "2101年 1月");
    EXPECT_EQ(grid.cells[6].caption, " 1");  // 1 January 2101 is a Saturday
}

}  // namespace
