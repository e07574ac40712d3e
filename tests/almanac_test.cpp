#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "engine/almanac.h"
#include "engine/koyomi.h"

namespace {

namespace chrono = std::chrono;

struct Fact {
    std::int16_t year, month, day;
    std::int16_t lunar_month;
    bool leap;
    std::int16_t lunar_day;
    const char* rokuyo;
    const char* term;
};

// Published dates: 旧暦 and 六曜, the leap months since 2012, the 2033 leap
// 11th month, and terms that fell a minute before midnight JST.
TEST(Almanac, AgreesWithPublishedDates) {
    kyotu1::Almanac almanac;  // empty: every year is computed afresh
    const Fact facts[] = {
        {2017, 10, 17, 8, false, 28, "大安", ""},     {2017, 10, 21, 9, false, 2, "仏滅", ""},
        {1873, 1, 1, 12, false, 3, "友引", ""},       {2033, 12, 22, 11, true, 1, "大安", ""},
        {2012, 4, 21, 3, true, 1, "先負", ""},        {2014, 10, 24, 9, true, 1, "先負", ""},
        {2017, 6, 24, 5, true, 1, "大安", ""},        {2020, 5, 23, 4, true, 1, "仏滅", ""},
        {2023, 3, 22, 2, true, 1, "友引", ""},        {2025, 7, 25, 6, true, 1, "赤口", ""},
        {2021, 2, 3, 12, false, 22, "先負", "立春"},  {2019, 11, 22, 10, false, 26, "大安", "小雪"},
        {2026, 12, 7, 10, false, 29, "友引", "大雪"}, {2026, 12, 9, 11, false, 1, "大安", ""},
    };
    for (const Fact& f : facts) {
        const auto day = almanac.day(f.year, f.month, f.day);
        ASSERT_TRUE(day) << f.year << "-" << f.month << "-" << f.day;
        const std::string date = std::to_string(f.year) + "-" + std::to_string(f.month) + "-" + std::to_string(f.day);
        EXPECT_EQ(day->lunar_month, f.lunar_month) << date;
        EXPECT_EQ(day->leap_month, f.leap) << date;
        EXPECT_EQ(day->lunar_day, f.lunar_day) << date;
        EXPECT_EQ(day->rokuyo, f.rokuyo) << date;
        EXPECT_EQ(day->solar_term, f.term) << date;
    }
    // 立春 2021 fell on 3 February, not the 4th; 小雪 2019 on the 22nd, not the 23rd.
    EXPECT_EQ(almanac.day(2021, 2, 4)->solar_term, "");
    EXPECT_EQ(almanac.day(2019, 11, 23)->solar_term, "");
}

// Each side of every change of era, and the ends of the range.
TEST(Almanac, EraYearsAndRange) {
    kyotu1::Almanac almanac;
    struct Era {
        std::int16_t year, month, day;
        std::optional<std::pair<const char*, int>> era;
    };
    const Era cases[] = {
        {1872, 12, 31, std::nullopt}, {1873, 1, 1, {{"明治", 6}}},    {1912, 7, 29, {{"明治", 45}}},
        {1912, 7, 30, {{"大正", 1}}}, {1926, 12, 24, {{"大正", 15}}}, {1926, 12, 25, {{"昭和", 1}}},
        {1989, 1, 7, {{"昭和", 64}}}, {1989, 1, 8, {{"平成", 1}}},    {2019, 4, 30, {{"平成", 31}}},
        {2019, 5, 1, {{"令和", 1}}},  {2100, 12, 31, {{"令和", 82}}}, {2101, 1, 1, std::nullopt},
    };
    for (const Era& c : cases) {
        const auto day = almanac.day(c.year, c.month, c.day);
        ASSERT_EQ(day.has_value(), c.era.has_value()) << c.year;
        if (!day) continue;
        EXPECT_EQ(day->era, c.era->first) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(day->era_year, c.era->second) << c.year << "-" << c.month << "-" << c.day;
    }
    // Numbers that no date has, however they wrap into the calendar's own types.
    for (const auto& [month, day] : {std::pair{2, 29}, std::pair{-255, 1}, std::pair{1, -255}, std::pair{0, 1}}) {
        EXPECT_THROW(almanac.day(2026, static_cast<std::int16_t>(month), static_cast<std::int16_t>(day)),
                     std::out_of_range)
            << month << "/" << day;
    }
    EXPECT_THROW(almanac.events(1872), std::out_of_range);
    EXPECT_THROW(almanac.events(2101), std::out_of_range);
}

// Every day of the range: lunar days count on from 1 in months of 29 or 30
// days, months follow in order with at most one leap month between two 11th
// months, and the solar terms come in their order, 24 a year, with the
// solstice in the 11th month and the equinoxes in the 2nd and the 8th. The
// day's 干支 steps on by one, the year's on 1 January; the phases come in
// their order, a new moon on the 1st or 2nd of a lunar month, and the moon's
// age grows a day a day from under 1.0 after it; sunrise and sunset stay in
// Tokyo's bounds and move by at most two minutes a day; each year has its
// 雑節 once (土用 and 社日 and 彼岸 as often as there are seasons for them),
// the 丑 days of 土用 on 丑 days, the 社日 on the 戊 day nearest the equinox.
TEST(Almanac, EveryDayOfTheRangeHangsTogether) {
    kyotu1::Almanac almanac;
    const chrono::sys_days first{chrono::year{1873} / 1 / 1};
    const chrono::sys_days last{chrono::year{2100} / 12 / 31};
    std::optional<kyotu1::AlmanacDay> previous;
    int leap_months_this_span = 0;
    int expected_term = 19;  // 小寒, the first term of a year
    int terms_this_year = 0;
    int leap_months = 0;
    int expected_phase = -1;
    std::array<int, kyotu1::zassetsu_count> zassetsu_this_year{};
    std::vector<int> equinoxes;
    std::vector<int> shanichi;
    constexpr std::array<int, kyotu1::zassetsu_count> zassetsu_a_year = {1, 2, 2, 1, 1, 1, 4, -1, 1, 1};
    for (chrono::sys_days d = first; d <= last; d += chrono::days{1}) {
        const chrono::year_month_day date{d};
        const auto year = static_cast<std::int16_t>(static_cast<int>(date.year()));
        const auto day = almanac.day(year, static_cast<std::int16_t>(static_cast<unsigned>(date.month())),
                                     static_cast<std::int16_t>(static_cast<unsigned>(date.day())));
        ASSERT_TRUE(day);
        if (previous && day->lunar_day != 1) {
            ASSERT_EQ(day->lunar_day, previous->lunar_day + 1) << static_cast<int>(date.year());
            ASSERT_EQ(day->lunar_month, previous->lunar_month);
            ASSERT_EQ(day->leap_month, previous->leap_month);
        } else if (previous) {
            ASSERT_GE(previous->lunar_day, 29);
            ASSERT_EQ(day->lunar_month, day->leap_month ? previous->lunar_month : previous->lunar_month % 12 + 1)
                << static_cast<int>(date.year()) << "-" << static_cast<unsigned>(date.month());
            if (day->lunar_month == 11 && !day->leap_month) leap_months_this_span = 0;
            if (day->leap_month) {
                ASSERT_EQ(++leap_months_this_span, 1);
                ++leap_months;
            }
        }
        ASSERT_LE(day->lunar_day, 30);
        if (!day->solar_term.empty()) {
            static constexpr std::string_view order[] = {
                "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
                "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};
            ASSERT_EQ(day->solar_term, order[expected_term]) << static_cast<int>(date.year());
            if (expected_term % 2 == 0) {
                EXPECT_FALSE(day->leap_month);  // a principal term
            }
            expected_term = (expected_term + 1) % 24;
            ++terms_this_year;
            // The leap 11th month of 2033 leaves its autumn equinox in the 9th month.
            const int autumn_month = date.year() == chrono::year{2033} ? 9 : 8;
            const std::pair<std::string_view, int> fixed[] = {{"冬至", 11}, {"春分", 2}, {"秋分", autumn_month}};
            for (const auto& [term, month] : fixed) {
                if (day->solar_term == term) {
                    EXPECT_EQ(day->lunar_month, month) << static_cast<int>(date.year());
                }
            }
        }
        if (previous) {
            ASSERT_EQ(day->day_cycle, (previous->day_cycle + 1) % 60);
            ASSERT_EQ(day->year_cycle,
                      (previous->year_cycle + (date.day() == chrono::day{1} && date.month() == chrono::January)) % 60);
            ASSERT_LE(std::abs(day->sunrise_minute - previous->sunrise_minute), 2) << static_cast<int>(date.year());
            ASSERT_LE(std::abs(day->sunset_minute - previous->sunset_minute), 2);
            if (day->moon_age_tenths >= previous->moon_age_tenths) {
                ASSERT_NEAR(day->moon_age_tenths, previous->moon_age_tenths + 10, 1);
            } else {
                ASSERT_LE(day->moon_age_tenths, 10);
            }
        }
        ASSERT_GE(day->moon_age_tenths, 0);
        ASSERT_LE(day->moon_age_tenths, 300);
        ASSERT_GE(day->sunrise_minute, 4 * 60 + 20);
        ASSERT_LE(day->sunrise_minute, 6 * 60 + 55);
        ASSERT_GE(day->sunset_minute, 16 * 60 + 25);
        ASSERT_LE(day->sunset_minute, 19 * 60 + 5);
        if (day->moon_phase >= 0) {
            if (expected_phase >= 0) {
                ASSERT_EQ(day->moon_phase, expected_phase) << static_cast<int>(date.year());
            }
            if (day->moon_phase == 0) {
                ASSERT_LE(day->lunar_day, 2);
            }
            expected_phase = (day->moon_phase + 1) % 4;
        }
        for (int i = 0; i < kyotu1::zassetsu_count; ++i) zassetsu_this_year.at(i) += (day->zassetsu >> i) & 1;
        const auto is = [&](kyotu1::Zassetsu z) { return (day->zassetsu & (1U << static_cast<int>(z))) != 0; };
        const auto day_number = static_cast<int>(d.time_since_epoch().count());
        if (day->solar_term == "春分" || day->solar_term == "秋分") equinoxes.push_back(day_number);
        if (is(kyotu1::Zassetsu::shanichi)) {
            ASSERT_EQ(day->day_cycle % 10, 4);  // 戊
            shanichi.push_back(day_number);
        }
        if (is(kyotu1::Zassetsu::doyo_ushi)) {
            ASSERT_EQ(day->day_cycle % 12, 1);  // 丑
            for (const std::string_view season : {"立春", "立夏", "立秋", "立冬"}) ASSERT_NE(day->solar_term, season);
        }
        if (date.month() == chrono::December && date.day() == chrono::day{31}) {
            ASSERT_EQ(terms_this_year, 24) << static_cast<int>(date.year());
            terms_this_year = 0;
            for (int i = 0; i < kyotu1::zassetsu_count; ++i) {
                if (zassetsu_a_year.at(i) >= 0) {
                    EXPECT_EQ(zassetsu_this_year.at(i), zassetsu_a_year.at(i)) << i;
                }
            }
            EXPECT_GE(zassetsu_this_year.at(static_cast<int>(kyotu1::Zassetsu::doyo_ushi)), 4);
            // The 戊 day nearest each equinox: within five days, and five before when two are.
            ASSERT_EQ(shanichi.size(), 2U);
            for (std::size_t i = 0; i < 2; ++i) {
                EXPECT_GE(shanichi.at(i) - equinoxes.at(i), -5) << static_cast<int>(date.year());
                EXPECT_LT(shanichi.at(i) - equinoxes.at(i), 5) << static_cast<int>(date.year());
            }
            shanichi.clear();
            equinoxes.clear();
            zassetsu_this_year = {};
        }
        previous = day;
    }
    // Seven leap months in every 19 years.
    EXPECT_NEAR(leap_months, 228 * 7 / 19, 2);
}

}  // namespace
