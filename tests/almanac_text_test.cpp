#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <string>

#include "view/almanac_text.h"

namespace {

// Each line of a day's tooltip: the date; the era year (元年 for an era's
// first) with the year's 干支, the lunar date (閏 for a leap month) and the
// 六曜; the day's 干支 and the moon's age; the solar term and 雑節 joined; the
// moon's phase; Tokyo's sunrise and sunset; the holiday. Lines without
// content are left out, and outside 1873 to 2100 all of the almanac's.
TEST(AlmanacText, TooltipLines) {
    struct Case {
        std::int16_t year, month, day;
        const char* holiday;
        const char* text;
    };
    const Case cases[] = {
        {2026, 12, 9, "",
         "2026年12月9日（水）\n令和8年（丙午）　旧暦11月1日　大安\n干支 丁巳　月齢 0.1\n朔 9:52\n"
         "日の出 6:38　日の入 16:28（東京）"},
        {2019, 5, 1, "即位の日",
         "2019年5月1日（水）\n令和元年（己亥）　旧暦3月27日　大安\n干支 戊戌　月齢 25.8\n"
         "日の出 4:50　日の入 18:27（東京）\n即位の日"},
        {2033, 12, 22, "",
         "2033年12月22日（木）\n令和15年（癸丑）　旧暦閏11月1日　大安\n干支 丁未　月齢 0.3\n朔 3:46\n"
         "日の出 6:47　日の入 16:32（東京）"},
        {1878, 4, 17, "",
         "1878年4月17日（水）\n明治11年（戊寅）　旧暦3月15日　大安\n干支 乙丑　月齢 14.2\n"
         "土用の入り・土用の丑の日\n望 14:58\n日の出 5:06　日の入 18:15（東京）"},
        {2026, 2, 3, "",
         "2026年2月3日（火）\n令和8年（丙午）　旧暦12月16日　先負\n干支 戊申　月齢 15.3\n節分\n"
         "日の出 6:40　日の入 17:10（東京）"},
        {1873, 9, 23, "秋分の日",
         "1873年9月23日（火）\n明治6年（癸酉）　旧暦8月2日　先負\n干支 戊寅　月齢 1.4\n秋分・社日\n"
         "日の出 5:29　日の入 17:37（東京）\n秋分の日"},
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
        {2026, 12, 31, "2026-12-01\t火\t令和8年\t10月23日\t友引\t\t\t己酉\t\t下弦 15:09\t06:32-16:28\n",
         "2026-12-31\t木\t令和8年\t11月23日\t先負\t\t\t己卯\t\t下弦 03:59\t06:50-16:37\n"},
        {2028, 2, 29, "2028-02-01\t火\t令和10年\t1月6日\t赤口\t\t\t丙辰\t\t\t06:42-17:08\n",
         "2028-02-29\t火\t令和10年\t2月5日\t赤口\t\t\t甲申\t\t\t06:12-17:35\n"},
        {1873, std::nullopt, 365, "1873-01-01\t水\t明治6年\t12月3日\t友引\t\t\t癸丑\t\t\t06:51-16:39\n",
         "1873-12-31\t水\t明治6年\t11月12日\t仏滅\t\t\t丁巳\t\t\t06:51-16:38\n"},
        {2100, std::nullopt, 365, "2100-01-01\t金\t令和82年\t11月21日\t先勝\t\t元日\t癸卯\t\t\t06:50-16:38\n",
         "2100-12-31\t金\t令和82年\t12月1日\t赤口\t\t\t丁未\t\t朔 08:58\t06:50-16:37\n"},
    };
    for (const Case& c : cases) {
        const std::string list = kyotu1::almanac_list(c.year, c.month, kyotu1::HolidayLaw::current);
        EXPECT_EQ(static_cast<std::size_t>(std::count(list.begin(), list.end(), '\n')), c.lines) << c.year;
        EXPECT_TRUE(list.starts_with(c.first)) << list.substr(0, 80);
        EXPECT_TRUE(list.ends_with(c.last)) << list.substr(list.size() - 80);
    }
    EXPECT_THROW(kyotu1::almanac_list(1872, std::nullopt, kyotu1::HolidayLaw::current), std::out_of_range);
    EXPECT_THROW(kyotu1::almanac_list(2101, 1, kyotu1::HolidayLaw::current), std::out_of_range);
}

}  // namespace
