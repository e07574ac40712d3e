// The --koyomi list against the national observatory's figures for 2026, and
// the 雑節 counted in days at their edges.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "view/koyomi_text.h"

namespace {

// The observatory's 暦要項 for 2026: the terms and phases to the minute (JST)
// and the days of the 雑節 (their minutes where they have one are ours,
// within a second of the Swiss Ephemeris). 春分 2026 is a 癸 day, five days
// from a 戊 day each way: the 社日 is the earlier.
TEST(KoyomiText, AgreesWithThePublished2026Almanac) {
    const std::string list = kyotu1::koyomi_list(2026);
    const char* const lines[] = {
        "2026-01-05 17:23\t節気\t小寒\t285\n",
        "2026-01-17 12:03\t雑節\t土用の入り\t297\n",
        "2026-02-03 --:--\t雑節\t節分\t\n",
        "2026-02-04 05:02\t節気\t立春\t315\n",
        "2026-03-03 20:38\t朔弦望\t望\t\n",
        "2026-03-15 --:--\t雑節\t社日\t\n",
        "2026-03-17 --:--\t雑節\t彼岸の入り\t\n",
        "2026-03-20 23:46\t節気\t春分\t0\n",
        "2026-05-02 --:--\t雑節\t八十八夜\t\n",
        "2026-06-11 06:14\t雑節\t入梅\t80\n",
        "2026-06-21 17:25\t節気\t夏至\t90\n",
        "2026-07-02 05:04\t雑節\t半夏生\t100\n",
        "2026-07-26 --:--\t雑節\t土用の丑の日\t\n",
        "2026-09-01 --:--\t雑節\t二百十日\t\n",
        "2026-09-21 --:--\t雑節\t社日\t\n",
        "2026-09-23 09:05\t節気\t秋分\t180\n",
        "2026-12-09 09:52\t朔弦望\t朔\t\n",
        "2026-12-22 05:50\t節気\t冬至\t270\n",
        // Each 土用 and its 丑 days, none on the day a season begins.
        "2026-01-27 --:--\t雑節\t土用の丑の日\t\n",
        "2026-04-17 09:01\t雑節\t土用の入り\t27\n",
        "2026-04-21 --:--\t雑節\t土用の丑の日\t\n",
        "2026-05-03 --:--\t雑節\t土用の丑の日\t\n",
        "2026-07-20 00:48\t雑節\t土用の入り\t117\n",
        "2026-10-20 18:13\t雑節\t土用の入り\t207\n",
        "2026-10-30 --:--\t雑節\t土用の丑の日\t\n",
        "2026-09-11 --:--\t雑節\t二百二十日\t\n",
        "2026-09-20 --:--\t雑節\t彼岸の入り\t\n",
    };
    for (const char* line : lines) EXPECT_NE(list.find(line), std::string::npos) << line;
    // And no more 雑節 than those: 19 with 節分, 八十八夜, 入梅, 半夏生, 二百十日.
    std::size_t zassetsu = 0;
    for (std::size_t at = list.find("\t雑節\t"); at != std::string::npos; at = list.find("\t雑節\t", at + 1))
        ++zassetsu;
    EXPECT_EQ(zassetsu, 19U);
    EXPECT_TRUE(list.starts_with("2026-01-03 19:03\t朔弦望\t望\t\n"));
}

// 八十八夜 and 二百十日 count 立春 as the first day, so a 29 February moves
// them a day earlier in the date; the lists hold the events of their year's
// first and last days.
TEST(KoyomiText, CountsDaysFromRisshun) {
    const std::string leap = kyotu1::koyomi_list(2028);
    EXPECT_NE(leap.find("2028-02-04 "), std::string::npos);  // 立春 on the 4th, as in 2026
    EXPECT_NE(leap.find("2028-05-01 --:--\t雑節\t八十八夜\t\n"), std::string::npos);
    EXPECT_NE(leap.find("2028-08-31 --:--\t雑節\t二百十日\t\n"), std::string::npos);
    EXPECT_NE(leap.find("2028-09-10 --:--\t雑節\t二百二十日\t\n"), std::string::npos);
    // The full moon of the partial lunar eclipse of 31 December 2009 (UTC).
    EXPECT_TRUE(kyotu1::koyomi_list(2010).starts_with("2010-01-01 04:13\t朔弦望\t望\t\n"));
    // Two 雑節 of one day in the order the day's names are joined.
    const std::string first = kyotu1::koyomi_list(1873);
    EXPECT_TRUE(first.starts_with("1873-01-"));
    EXPECT_NE(first.find("1873-03-17 --:--\t雑節\t彼岸の入り\t\n1873-03-17 --:--\t雑節\t社日\t\n"), std::string::npos);
    EXPECT_NE(
        kyotu1::koyomi_list(1876).find("1876-02-03 --:--\t雑節\t節分\t\n1876-02-03 --:--\t雑節\t土用の丑の日\t\n"),
        std::string::npos);
    EXPECT_TRUE(kyotu1::koyomi_list(2100).ends_with("\n"));
    EXPECT_THROW(kyotu1::koyomi_list(1872), std::out_of_range);
    EXPECT_THROW(kyotu1::koyomi_list(2101), std::out_of_range);
}

}  // namespace
