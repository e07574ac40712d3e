// Today's holiday law, worked out by hand from the Act and its amendments.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "engine/calendar.h"
#include "engine/holidays.h"
#include "support/message_recorder.h"
#include "view/holiday_list.h"
#include "view/month_grid.h"

namespace {

class CurrentLaw : public ::testing::Test {
protected:
    CurrentLaw() { kyotu1::holiday_law = kyotu1::HolidayLaw::current; }
    ~CurrentLaw() override { kyotu1::holiday_law = kyotu1::HolidayLaw::builtin; }
    korinde_test::MessageRecorder recorder;
};

// Between them these years hold every kind of change: the law's first year,
// the first substitute holidays, the first citizens' holiday, the 2007
// amendment, the year of the accession, and the games years.
TEST_F(CurrentLaw, WholeYears) {
    const std::pair<std::int16_t, const char*> years[] = {
        {1948, "1948-09-23\t秋分の日\n1948-11-03\t文化の日\n1948-11-23\t勤労感謝の日\n"},
        {1973,
         "1973-01-01\t元日\n1973-01-15\t成人の日\n1973-02-11\t建国記念の日\n1973-03-21\t春分の日\n"
         "1973-04-29\t天皇誕生日\n1973-04-30\t振替休日\n1973-05-03\t憲法記念日\n1973-05-05\tこどもの日\n"
         "1973-09-15\t敬老の日\n1973-09-23\t秋分の日\n1973-09-24\t振替休日\n1973-10-10\t体育の日\n"
         "1973-11-03\t文化の日\n1973-11-23\t勤労感謝の日\n"},
        {1988,
         "1988-01-01\t元日\n1988-01-15\t成人の日\n1988-02-11\t建国記念の日\n1988-03-20\t春分の日\n"
         "1988-03-21\t振替休日\n1988-04-29\t天皇誕生日\n1988-05-03\t憲法記念日\n1988-05-04\t国民の休日\n"
         "1988-05-05\tこどもの日\n1988-09-15\t敬老の日\n1988-09-23\t秋分の日\n1988-10-10\t体育の日\n"
         "1988-11-03\t文化の日\n1988-11-23\t勤労感謝の日\n"},
        {2007,
         "2007-01-01\t元日\n2007-01-08\t成人の日\n2007-02-11\t建国記念の日\n2007-02-12\t振替休日\n"
         "2007-03-21\t春分の日\n2007-04-29\t昭和の日\n2007-04-30\t振替休日\n2007-05-03\t憲法記念日\n"
         "2007-05-04\tみどりの日\n2007-05-05\tこどもの日\n2007-07-16\t海の日\n2007-09-17\t敬老の日\n"
         "2007-09-23\t秋分の日\n2007-09-24\t振替休日\n2007-10-08\t体育の日\n2007-11-03\t文化の日\n"
         "2007-11-23\t勤労感謝の日\n2007-12-23\t天皇誕生日\n2007-12-24\t振替休日\n"},
        {2019,
         "2019-01-01\t元日\n2019-01-14\t成人の日\n2019-02-11\t建国記念の日\n2019-03-21\t春分の日\n"
         "2019-04-29\t昭和の日\n2019-04-30\t国民の休日\n2019-05-01\t即位の日\n2019-05-02\t国民の休日\n"
         "2019-05-03\t憲法記念日\n2019-05-04\tみどりの日\n2019-05-05\tこどもの日\n2019-05-06\t振替休日\n"
         "2019-07-15\t海の日\n2019-08-11\t山の日\n2019-08-12\t振替休日\n2019-09-16\t敬老の日\n"
         "2019-09-23\t秋分の日\n2019-10-14\t体育の日\n2019-10-22\t即位礼正殿の儀\n2019-11-03\t文化の日\n"
         "2019-11-04\t振替休日\n2019-11-23\t勤労感謝の日\n"},
        {2020,
         "2020-01-01\t元日\n2020-01-13\t成人の日\n2020-02-11\t建国記念の日\n2020-02-23\t天皇誕生日\n"
         "2020-02-24\t振替休日\n2020-03-20\t春分の日\n2020-04-29\t昭和の日\n2020-05-03\t憲法記念日\n"
         "2020-05-04\tみどりの日\n2020-05-05\tこどもの日\n2020-05-06\t振替休日\n2020-07-23\t海の日\n"
         "2020-07-24\tスポーツの日\n2020-08-10\t山の日\n2020-09-21\t敬老の日\n2020-09-22\t秋分の日\n"
         "2020-11-03\t文化の日\n2020-11-23\t勤労感謝の日\n"},
        {2026,
         "2026-01-01\t元日\n2026-01-12\t成人の日\n2026-02-11\t建国記念の日\n2026-02-23\t天皇誕生日\n"
         "2026-03-20\t春分の日\n2026-04-29\t昭和の日\n2026-05-03\t憲法記念日\n2026-05-04\tみどりの日\n"
         "2026-05-05\tこどもの日\n2026-05-06\t振替休日\n2026-07-20\t海の日\n2026-08-11\t山の日\n"
         "2026-09-21\t敬老の日\n2026-09-22\t国民の休日\n2026-09-23\t秋分の日\n2026-10-12\tスポーツの日\n"
         "2026-11-03\t文化の日\n2026-11-23\t勤労感謝の日\n"},
    };
    for (const auto& [year, list] : years)
        EXPECT_EQ(kyotu1::holiday_list(year, kyotu1::HolidayLaw::current), list) << year;
    EXPECT_TRUE(recorder.shown.empty());
}

struct Day {
    std::int16_t year, month, day;
    const char* name;  // "" where the day must hold nothing
};

TEST_F(CurrentLaw, BoundaryDays) {
    const Day cases[] = {
        // Nothing before the law took effect on 20 July 1948.
        {1948, 5, 5, ""},
        // Substitute holidays from 12 April 1973: 11 February 1973 was a Sunday.
        {1973, 2, 12, ""},
        // Up to 2006 only the Monday; from 2007 the first day that is no holiday.
        {2006, 1, 2, "振替休日"},
        {2008, 5, 6, "振替休日"},
        // A Sunday could not be a citizens' holiday before 2007; a Monday
        // after a Sunday holiday is a substitute holiday instead.
        {1986, 5, 4, ""},
        {1987, 5, 4, "振替休日"},
        {2003, 5, 4, ""},
        {2009, 9, 22, "国民の休日"},
        // The equinox formula at the edges of its constants' ranges; in 1979
        // the inner division must round down for a negative year count.
        {1979, 3, 21, "春分の日"},
        {1979, 9, 24, "秋分の日"},
        {1980, 3, 20, "春分の日"},
        {1980, 9, 23, "秋分の日"},
        {2099, 3, 20, "春分の日"},
        {2099, 9, 23, "秋分の日"},
        {2100, 3, 20, "春分の日"},
        {2100, 9, 23, "秋分の日"},
        {2150, 3, 21, "春分の日"},
        {2150, 9, 23, "秋分の日"},
        {2151, 3, 21, "春分の日"},
        {2151, 9, 23, "秋分の日"},
        // Far on, the formula's yearly term tells (22, not 23, in 2140); it
        // reaches the 1st of March in 4524 and leaves the month in 4652.
        {2140, 9, 22, "秋分の日"},
        {4524, 3, 1, "春分の日"},
        {4652, 3, 1, ""},
        // A day between two holidays was no holiday before 27 December 1985.
        {1985, 5, 4, ""},
        // The games years and after.
        {2021, 8, 9, "振替休日"},
        {2021, 10, 11, ""},
        {2022, 10, 10, "スポーツの日"},
        {1959, 4, 10, "結婚の儀"},
        {1989, 2, 24, "大喪の礼"},
    };
    for (const auto& c : cases) {
        kyotu1::syukujitu_set(c.year);
        EXPECT_EQ(kyotu1::holiday_name(c.month, c.day), c.name) << c.year << "-" << c.month << "-" << c.day;
    }
}

// Every holiday the law names, from the year its rule took effect to the year
// it ended, and no other: a table of its own against the tables the rules fill.
TEST_F(CurrentLaw, EachHolidayInItsYearsOnly) {
    struct Rule {
        const char* name;
        int month, day;  // day 0: the nth Monday
        int nth_monday, first, last;
    };
    const Rule rules[] = {
        {"元日", 1, 1, 0, 1949, 2100},
        {"成人の日", 1, 15, 0, 1949, 1999},
        {"成人の日", 1, 0, 2, 2000, 2100},
        {"建国記念の日", 2, 11, 0, 1967, 2100},
        {"天皇誕生日", 2, 23, 0, 2020, 2100},
        {"天皇誕生日", 4, 29, 0, 1949, 1988},
        {"みどりの日", 4, 29, 0, 1989, 2006},
        {"昭和の日", 4, 29, 0, 2007, 2100},
        {"憲法記念日", 5, 3, 0, 1949, 2100},
        {"みどりの日", 5, 4, 0, 2007, 2100},
        {"こどもの日", 5, 5, 0, 1949, 2100},
        {"海の日", 7, 20, 0, 1996, 2002},
        {"海の日", 7, 0, 3, 2003, 2019},
        {"海の日", 7, 23, 0, 2020, 2020},
        {"スポーツの日", 7, 24, 0, 2020, 2020},
        {"海の日", 7, 22, 0, 2021, 2021},
        {"スポーツの日", 7, 23, 0, 2021, 2021},
        {"海の日", 7, 0, 3, 2022, 2100},
        {"山の日", 8, 11, 0, 2016, 2019},
        {"山の日", 8, 10, 0, 2020, 2020},
        {"山の日", 8, 8, 0, 2021, 2021},
        {"山の日", 8, 11, 0, 2022, 2100},
        {"敬老の日", 9, 15, 0, 1966, 2002},
        {"敬老の日", 9, 0, 3, 2003, 2100},
        {"体育の日", 10, 10, 0, 1966, 1999},
        {"体育の日", 10, 0, 2, 2000, 2019},
        {"スポーツの日", 10, 0, 2, 2022, 2100},
        {"文化の日", 11, 3, 0, 1948, 2100},
        {"勤労感謝の日", 11, 23, 0, 1948, 2100},
        {"天皇誕生日", 12, 23, 0, 1989, 2018},
        {"結婚の儀", 4, 10, 0, 1959, 1959},
        {"大喪の礼", 2, 24, 0, 1989, 1989},
        {"即位礼正殿の儀", 11, 12, 0, 1990, 1990},
        {"結婚の儀", 6, 9, 0, 1993, 1993},
        {"即位の日", 5, 1, 0, 2019, 2019},
        {"即位礼正殿の儀", 10, 22, 0, 2019, 2019},
    };
    using Holiday = std::tuple<int, int, std::string>;
    for (int y = 1948; y <= 2100; ++y) {
        const auto year = static_cast<std::int16_t>(y);
        std::set<Holiday> expected;
        for (const Rule& r : rules) {
            if (y < r.first || y > r.last) continue;
            const int first_monday = 1 + (8 - kyotu1::yobi_keisan(year, static_cast<std::int16_t>(r.month), 1)) % 7;
            expected.emplace(r.month, r.day != 0 ? r.day : first_monday + 7 * (r.nth_monday - 1), r.name);
        }
        kyotu1::syukujitu_set(year);
        std::set<Holiday> placed;
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) {
                const std::string& name = kyotu1::holiday_name(m, d);
                const bool equinox = name == "春分の日" || name == "秋分の日";
                if (kyotu1::holiday_kind(m, d) == kyotu1::HolidayKind::law && !equinox) placed.emplace(m, d, name);
            }
        }
        EXPECT_EQ(placed, expected) << y;
    }
}

// The substitute days stand in the tables, so the Monday after a Sunday
// holiday is coloured only where the law gives it off: not before 1973.
TEST_F(CurrentLaw, GridColoursWhatTheTablesHold) {
    kyotu1::GridModel grid{};
    kyotu1::hyoji_cal(grid, 1967, 1);  // 1 January 1967 is a Sunday
    EXPECT_EQ(grid.cells[1].back_colour, kyotu1::colour_white);
    EXPECT_EQ(grid.cells[15].back_colour, kyotu1::colour_white);  // after 成人の日 on Sunday the 15th
    kyotu1::hyoji_cal(grid, 2026, 5);                             // 1 May 2026 is a Friday
    for (const std::size_t j : {7, 8, 9, 10}) EXPECT_EQ(grid.cells[j].back_colour, kyotu1::colour_light_red) << j;
    kyotu1::syukujitu_set(2101);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{"2100年までです！"});
}

}  // namespace
