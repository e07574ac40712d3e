#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/holiday_laws.h"
#include "engine/holidays.h"
#include "engine/mondays.h"
#include "support/message_recorder.h"

namespace {

using Holidays = std::map<std::pair<int, int>, std::string>;

// Every flagged cell of the tables, with its name; fails on a flag without a
// name or a name without a flag.
Holidays table_contents() {
    Holidays result;
    for (int m = 0; m <= 13; ++m) {
        for (int d = 0; d <= 32; ++d) {
            const std::int16_t flag = kyotu1::holiday_flag(m, d);
            const std::string& name = kyotu1::holiday_name(m, d);
            EXPECT_TRUE(flag == 0 || flag == 1) << m << "/" << d;
            EXPECT_EQ(flag == 1, !name.empty()) << m << "/" << d;
            if (flag == 1) result[{m, d}] = name;
        }
    }
    return result;
}

Holidays holidays_of(std::int16_t year) {
    kyotu1::syukujitu_set(year);
    return table_contents();
}

class HolidayRules : public ::testing::Test {
protected:
    korinde_test::MessageRecorder recorder;
};

// Two whole years worked out by hand from the rules.
TEST_F(HolidayRules, WholeYears) {
    const Holidays y2026 = {
        {{1, 1}, "元旦"},       {{1, 12}, "成人の日"},  {{2, 11}, "建国記念日"},    {{3, 20}, "春分の日"},
        {{4, 29}, "緑の日"},    {{5, 3}, "憲法記念日"}, {{5, 4}, "国民の休日"},     {{5, 5}, "子供の日"},
        {{7, 20}, "海の日"},    {{9, 21}, "敬老の日"},  {{9, 22}, "国民の休日"},    {{9, 23}, "秋分の日"},
        {{10, 12}, "体育の日"}, {{11, 3}, "文化の日"},  {{11, 23}, "勤労感謝の日"}, {{12, 23}, "天皇誕生日"},
    };
    EXPECT_EQ(holidays_of(2026), y2026);

    const Holidays y1990 = {
        {{1, 1}, "元旦"},
        {{1, 15}, "成人の日"},
        {{2, 11}, "建国記念日"},
        {{3, 20}, "春分の日"},
        {{4, 29}, "緑の日"},
        {{5, 3}, "憲法記念日"},
        {{5, 4}, "国民の休日"},
        {{5, 5}, "子供の日"},
        {{9, 15}, "敬老の日"},
        {{9, 23}, "秋分の日"},
        {{10, 10}, "体育の日"},
        {{11, 3}, "文化の日"},
        {{11, 12}, "即位礼正殿の儀"},
        {{11, 23}, "勤労感謝の日"},
        {{12, 23}, "天皇誕生日"},
    };
    EXPECT_EQ(holidays_of(1990), y1990);
    EXPECT_TRUE(recorder.shown.empty());
}

struct Expected {
    std::int16_t year;
    int month, day;
    const char* name;  // "" where the day must hold nothing
};

TEST_F(HolidayRules, DaysWhereTheRulesChange) {
    const Expected cases[] = {
        // The September citizens' holiday between 敬老の日 and 秋分の日.
        {2049, 9, 20, "敬老の日"},
        {2049, 9, 21, "国民の休日"},
        {2049, 9, 22, "秋分の日"},
        {2009, 9, 21, "敬老の日"},
        {2009, 9, 22, "国民の休日"},
        {2009, 9, 23, "秋分の日"},
        {2050, 9, 21, ""},
        {2050, 9, 22, ""},
        {2050, 9, 19, "敬老の日"},
        {2050, 9, 23, "秋分の日"},
        // 成人の日 and 体育の日 move to Mondays in 2000.
        {1999, 1, 15, "成人の日"},
        {1999, 10, 10, "体育の日"},
        {2000, 1, 10, "成人の日"},
        {2000, 1, 15, ""},
        {2000, 10, 9, "体育の日"},
        {2000, 10, 10, ""},
        // 海の日 from 1996, on a Monday from 2003; 敬老の日 on a Monday from 2003.
        {1995, 7, 20, ""},
        {1996, 7, 20, "海の日"},
        {2002, 7, 20, "海の日"},
        {2002, 9, 15, "敬老の日"},
        {2003, 7, 21, "海の日"},
        {2003, 7, 20, ""},
        {2003, 9, 15, "敬老の日"},
        // One-off days.
        {1990, 11, 12, "即位礼正殿の儀"},
        {1991, 11, 12, ""},
        {1993, 6, 9, "皇太子朔陽親王の結婚の儀"},
        {1994, 6, 9, ""},
        // The vernal equinox lists.
        {2092, 3, 19, "春分の日"},
        {2096, 3, 19, "春分の日"},
        {2093, 3, 20, "春分の日"},
        {2055, 3, 21, "春分の日"},
        {2056, 3, 20, "春分の日"},
        {2001, 3, 20, "春分の日"},
        {2002, 3, 21, "春分の日"},
        {2097, 3, 20, "春分の日"},
        // The autumnal equinox list.
        {2011, 9, 23, "秋分の日"},
        {2012, 9, 22, "秋分の日"},
        {2098, 9, 22, "秋分の日"},
        {2099, 9, 23, "秋分の日"},
        // 2100 is the last year of the rules.
        {2100, 1, 11, "成人の日"},
        {2100, 7, 19, "海の日"},
        {2100, 9, 20, "敬老の日"},
        {2100, 9, 23, "秋分の日"},
        // No substitute holiday is entered: 1 January 2006 is a Sunday.
        {2006, 1, 2, ""},
        // Years before the designed range take the pre-2000 rules.
        {1, 1, 15, "成人の日"},
        {1, 9, 15, "敬老の日"},
        {1, 7, 20, ""},
    };
    for (const auto& c : cases) {
        kyotu1::syukujitu_set(c.year);
        EXPECT_EQ(kyotu1::holiday_name(c.month, c.day), c.name) << c.year << "/" << c.month << "/" << c.day;
        EXPECT_EQ(kyotu1::holiday_flag(c.month, c.day), *c.name ? 1 : 0) << c.year << "/" << c.month << "/" << c.day;
    }
}

TEST_F(HolidayRules, EveryYearHasTheFixedDaysAndConsistentTables) {
    for (int y = 1; y <= 2400; ++y) {
        const Holidays all = holidays_of(static_cast<std::int16_t>(y));
        ASSERT_EQ(all.at({4, 29}), "緑の日") << y;
        ASSERT_EQ(all.at({5, 4}), "国民の休日") << y;
        ASSERT_EQ(all.at({12, 23}), "天皇誕生日") << y;
        for (const auto& [date, name] : all) {
            ASSERT_TRUE(date.first >= 1 && date.first <= 12 && date.second >= 1 && date.second <= 31) << y;
        }
    }
}

// The September lists must be exactly the years in which the Tuesday between
// 敬老の日 and 秋分の日 is caught.
TEST_F(HolidayRules, SeptemberCitizensHolidayListsMatchTheirReason) {
    for (int y = 2003; y <= 2100; ++y) {
        const Holidays all = holidays_of(static_cast<std::int16_t>(y));
        int aged = 0, equinox = 0, citizens = 0;
        for (const auto& [date, name] : all) {
            if (date.first != 9) continue;
            if (name == "敬老の日") aged = date.second;
            if (name == "秋分の日") equinox = date.second;
            if (name == "国民の休日") citizens = date.second;
        }
        EXPECT_EQ(citizens, equinox - aged == 2 ? aged + 1 : 0) << y;
    }
}

// The built-in equinox lists hold exactly the days that today's law works out
// by its formula, in every year from 2000 to 2100.
TEST_F(HolidayRules, EquinoxListsAgreeWithTheFormula) {
    const auto equinoxes = [](std::int16_t year, kyotu1::HolidayLaw law) {
        std::vector<std::pair<int, int>> days;
        for (const kyotu1::NamedDay& holiday : kyotu1::holidays_of(year, law).days()) {
            if (holiday.name == "春分の日" || holiday.name == "秋分の日") days.emplace_back(holiday.month, holiday.day);
        }
        return days;
    };
    for (int y = 2000; y <= 2100; ++y) {
        const auto year = static_cast<std::int16_t>(y);
        EXPECT_EQ(equinoxes(year, kyotu1::HolidayLaw::builtin), equinoxes(year, kyotu1::HolidayLaw::current)) << y;
    }
}

TEST_F(HolidayRules, RebuildLeavesNothingOfThePreviousYear) {
    kyotu1::syukujitu_set(1993);
    kyotu1::syukujitu_set(2049);
    kyotu1::syukujitu_set(2050);
    EXPECT_EQ(kyotu1::holiday_flag(9, 21), 0);
    EXPECT_EQ(kyotu1::holiday_name(9, 22), "");
    EXPECT_EQ(kyotu1::holiday_name(6, 9), "");
    EXPECT_EQ(kyotu1::holiday_flag(3, 0), 0);
    EXPECT_EQ(kyotu1::holiday_flag(0, 1), 0);
}

TEST_F(HolidayRules, WarnsBeforeEveryRebuildAfter2100) {
    const korinde_test::ShownBox warning{"2100年までです！", 0, ""};
    kyotu1::syukujitu_set(2100);
    EXPECT_TRUE(recorder.shown.empty());

    kyotu1::syukujitu_set(2101);
    ASSERT_EQ(recorder.shown.size(), 1U);
    EXPECT_EQ(recorder.shown[0], warning);
    const Holidays y2101 = table_contents();
    EXPECT_EQ(y2101.at({1, 10}), "成人の日");
    EXPECT_EQ(y2101.at({3, 20}), "春分の日");
    EXPECT_EQ(y2101.at({7, 18}), "海の日");
    EXPECT_EQ(y2101.at({9, 19}), "敬老の日");
    EXPECT_EQ(y2101.at({9, 23}), "秋分の日");

    kyotu1::syukujitu_set(32767);
    EXPECT_EQ(recorder.shown.size(), 2U);
}

// A weekday the arithmetic never gives is reported, and nothing is placed;
// the seven real ones take their Monday.
TEST_F(HolidayRules, MondayRuleReportsAnImpossibleWeekday) {
    for (const std::int16_t weekday : {std::int16_t{-1}, std::int16_t{7}}) {
        kyotu1::YearHolidays holidays(2026, kyotu1::HolidayLaw::builtin);
        recorder.shown.clear();
        kyotu1::place_on_monday_after(holidays, 1, weekday, kyotu1::second_monday, "成人の日");
        EXPECT_EQ(recorder.shown, (std::vector<korinde_test::ShownBox>{{"バグです", 0, ""}})) << weekday;
        EXPECT_TRUE(holidays.days().empty()) << weekday;
    }
    recorder.shown.clear();
    for (const std::int16_t weekday : {std::int16_t{0}, std::int16_t{6}}) {
        kyotu1::YearHolidays holidays(2026, kyotu1::HolidayLaw::builtin);
        kyotu1::place_on_monday_after(holidays, 1, weekday, kyotu1::second_monday, "成人の日");
        EXPECT_EQ(holidays.name(1, weekday == 0 ? 9 : 10), "成人の日") << weekday;
    }
    EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(HolidayRules, RefusesYearsBeforeOne) {
    EXPECT_THROW(kyotu1::syukujitu_set(0), std::out_of_range);
    EXPECT_THROW(kyotu1::syukujitu_set(-32768), std::out_of_range);
}

// The tables as the program finds them at start, read before any test runs,
// so the check holds whichever tests ran before it in the same process.
bool tables_empty_at_start = false;

class StartState : public ::testing::Environment {
    void SetUp() override {
        tables_empty_at_start = true;
        for (int m = 0; m <= 13; ++m) {
            for (int d = 0; d <= 32; ++d) {
                if (kyotu1::holiday_flag(m, d) != 0 || !kyotu1::holiday_name(m, d).empty()) {
                    tables_empty_at_start = false;
                }
            }
        }
    }
};
[[maybe_unused]] const ::testing::Environment* const start_state =
    ::testing::AddGlobalTestEnvironment(new StartState);  // gtest owns it

TEST(DayTables, EmptyBeforeTheFirstRebuild) { EXPECT_TRUE(tables_empty_at_start); }

// A holiday goes on a day of the calendar only, with its kind, and the
// named days come in date order.
TEST(DayTables, PlacedOnCalendarDaysInDateOrder) {
    kyotu1::YearHolidays holidays(2026, kyotu1::HolidayLaw::current);
    const std::pair<std::int16_t, std::int16_t> outside[] = {{0, 1}, {13, 1}, {1, 0}, {1, 32}};
    for (const auto& [m, d] : outside) {
        EXPECT_THROW(holidays.place(m, d, "x", kyotu1::HolidayKind::law), std::out_of_range) << m << "/" << d;
    }
    EXPECT_THROW(holidays.place(1, 1, "x", kyotu1::HolidayKind::none), std::invalid_argument);
    holidays.place(12, 31, "x", kyotu1::HolidayKind::substitute);
    holidays.place(1, 31, "y", kyotu1::HolidayKind::citizens);
    holidays.place(2, 1, "z");
    using kyotu1::HolidayKind;
    EXPECT_EQ(holidays.days(), (std::vector<kyotu1::NamedDay>{
                                   {1, 31, HolidayKind::citizens, "y"},
                                   {2, 1, HolidayKind::law, "z"},
                                   {12, 31, HolidayKind::substitute, "x"},
                               }));
}

// The window's tables are the year's holidays by the window's rules, and a
// year's holidays leave the window's tables as they were.
TEST_F(HolidayRules, WindowTablesHoldTheYearsHolidays) {
    for (const auto law : {kyotu1::HolidayLaw::builtin, kyotu1::HolidayLaw::current}) {
        kyotu1::holiday_law = law;
        for (const std::int16_t year : {std::int16_t{1948}, std::int16_t{1973}, std::int16_t{2007}, std::int16_t{2019},
                                        std::int16_t{2026}, std::int16_t{2100}}) {
            kyotu1::syukujitu_set(year);
            const auto other =
                law == kyotu1::HolidayLaw::current ? kyotu1::HolidayLaw::builtin : kyotu1::HolidayLaw::current;
            EXPECT_FALSE(kyotu1::holidays_of(static_cast<std::int16_t>(year + 1), other).days().empty());
            EXPECT_EQ(kyotu1::day_tables().days(), kyotu1::holidays_of(year, law).days()) << year;
            EXPECT_EQ(kyotu1::day_tables().law(), law);
        }
    }
    kyotu1::holiday_law = kyotu1::HolidayLaw::builtin;
}

TEST(DayTables, IndicesOutsideTheTablesThrow) {
    const std::pair<int, int> outside[] = {{-1, 1}, {14, 1}, {1, -1}, {1, 33}, {32767, 0}, {0, -32768}};
    for (const auto& [m, d] : outside) {
        EXPECT_THROW(kyotu1::holiday_flag(m, d), std::out_of_range) << m << "/" << d;
        EXPECT_THROW(kyotu1::holiday_name(m, d), std::out_of_range) << m << "/" << d;
    }
    EXPECT_NO_THROW(kyotu1::holiday_flag(13, 32));
    EXPECT_NO_THROW(kyotu1::holiday_name(0, 0));
}

}  // namespace
