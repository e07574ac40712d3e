#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "view/almanac_text.h"

namespace {

// Each line of a day's tooltip: the date, the almanac (元年 for an era's first
// year, 閏 for a leap month), the solar term and the holiday, each only where
// there is one; outside 1873 to 2100 the almanac line is left out.
TEST(AlmanacText, TooltipLines) {
    struct Case {
        std::int16_t year, month, day;
        const char* holiday;
        const char* text;
    };
    const Case cases[] = {
        {2026, 12, 9, "", "2026年12月9日（水）\n令和8年　旧暦11月1日　大安"},
        {2026, 12, 7, "", "2026年12月7日（月）\n令和8年　旧暦10月29日　友引\n大雪"},
        {2019, 5, 1, "即位の日", "2019年5月1日（水）\n令和元年　旧暦3月27日　大安\n即位の日"},
        {2033, 12, 22, "", "2033年12月22日（木）\n令和15年　旧暦閏11月1日　大安"},
        {1872, 12, 31, "", "1872年12月31日（火）"},
        {2101, 1, 1, "元旦", "2101年1月1日（土）\n元旦"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kyotu1::day_tooltip(c.year, c.month, c.day, c.holiday), c.text) << c.year << "-" << c.month;
    }
}

// The year's every day or one month's, first and last lines whole; the years
// of the almanac's ends and no others.
TEST(AlmanacText, ListsAYearOrAMonth) {
    struct Case {
        std::int16_t year;
        std::optional<std::int16_t> month;
        std::size_t lines;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {2026, 12, 31, "2026-12-01\t火\t令和8年\t10月23日\t友引\t\t\n",
         "2026-12-31\t木\t令和8年\t11月23日\t先負\t\t\n"},
        {2028, 2, 29, "2028-02-01\t火\t令和10年\t1月6日\t赤口\t\t\n", "2028-02-29\t火\t令和10年\t2月5日\t赤口\t\t\n"},
        {1873, std::nullopt, 365, "1873-01-01\t水\t明治6年\t12月3日\t友引\t\t元旦\n",
         "1873-12-31\t水\t明治6年\t11月12日\t仏滅\t\t\n"},
        {2100, std::nullopt, 365, "2100-01-01\t金\t令和82年\t11月21日\t先勝\t\t元旦\n",
         "2100-12-31\t金\t令和82年\t12月1日\t赤口\t\t\n"},
    };
    for (const Case& c : cases) {
        const std::string list = kyotu1::almanac_list(c.year, c.month);
        EXPECT_EQ(static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n')), c.lines) << c.year;
        EXPECT_TRUE(list.starts_with(c.first)) << list.substr(0, 80);
        EXPECT_TRUE(list.ends_with(c.last)) << list.substr(list.size() - 80);
    }
    EXPECT_THROW(kyotu1::almanac_list(1872, std::nullopt), std::out_of_range);
    EXPECT_THROW(kyotu1::almanac_list(2101, 1), std::out_of_range);
}

}  // namespace
