#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/holidays.h"
#include "engine/run_state.h"
#include "support/message_recorder.h"
#include "view/day_detail.h"

namespace {

using korinde_test::ShownBox;

class DayDetail : public ::testing::Test {
protected:
    korinde_test::MessageRecorder recorder{{2004, 11, 3}};
};

struct DetailCase {
    std::int16_t year, month, day;
    std::vector<std::string> texts;
};

TEST_F(DayDetail, ShowsHolidaysOnly) {
    const DetailCase cases[] = {
        {2004, 11, 3, {" 2004年 11月 3日:文化の日\n\n"}},  // today, cyan
        {2049, 9, 21, {" 2049年 9月 21日:国民の休日\n\n"}},
        {1993, 6, 9, {" 1993年 6月 9日:皇太子朔陽親王の結婚の儀\n\n"}},
        {2005, 1, 1, {" 2005年 1月 1日:元旦\n\n"}},
        {2004, 11, 7, {}},   // a Sunday
        {2006, 1, 2, {}},    // the Monday after a Sunday holiday
        {2004, 11, 31, {}},  // past the month's end, no holiday
        {2101, 1, 1, {"2100年までです！", " 2101年 1月 1日:元旦\n\n"}},
        {2101, 1, 2, {"2100年までです！"}},
    };
    for (const auto& c : cases) {
        recorder.shown.clear();
        kyotu1::hi_hyoji(c.year, c.month, c.day);
        EXPECT_EQ(recorder.texts(), c.texts) << c.year << "/" << c.month << "/" << c.day;
    }
}

TEST_F(DayDetail, BoxHasOkOnlyNoIconAndTheAppTitle) {
    kyotu1::hi_hyoji(2004, 11, 23);
    ASSERT_EQ(recorder.shown.size(), 1U);
    EXPECT_EQ(recorder.shown[0], (ShownBox{" 2004年 11月 23日:勤労感謝の日\n\n", 0, ""}));
}

TEST_F(DayDetail, LooksTheDayUpForTheYearItIsGiven) {
    kyotu1::syukujitu_set(2050);
    kyotu1::hi_hyoji(2049, 9, 22);
    EXPECT_EQ(recorder.texts(), std::vector<std::string>{" 2049年 9月 22日:秋分の日\n\n"});
}

struct Release {
    const char* caption;
    std::int16_t button;
    bool shows;
};

TEST_F(DayDetail, CellReleaseReadsTheCaption) {
    kyotu1::disp_year = 2005;
    kyotu1::disp_month = 1;
    const Release releases[] = {
        {" 1", 1, true},  {"1", 1, true},      {" 1 ", 1, true}, {" 1", 2, false}, {" 1", 4, false},
        {" 1", 0, false}, {" 1", 3, false},    {"", 1, false},   {"  ", 1, false}, {"x", 1, false},
        {"1x", 1, false}, {"99999", 1, false}, {"-1", 1, false}, {" 2", 1, false},
    };
    for (const auto& r : releases) {
        recorder.shown.clear();
        kyotu1::day_cell_released(r.caption, r.button);
        EXPECT_EQ(recorder.shown.size(), r.shows ? 1U : 0U) << "'" << r.caption << "' button " << r.button;
    }
    // After 2100 every day the caption names warns, holiday or not: the days
    // 1 to 31 and no others.
    kyotu1::disp_year = 2101;
    for (const Release& r : {Release{"31", 1, true}, Release{"30", 1, true}, Release{"32", 1, false},
                             Release{"0", 1, false}, Release{"00", 1, false}}) {
        recorder.shown.clear();
        kyotu1::day_cell_released(r.caption, r.button);
        EXPECT_EQ(recorder.texts(), r.shows ? std::vector<std::string>{"2100年までです！"} : std::vector<std::string>{})
            << "'" << r.caption << "' in 2101";
    }
}

}  // namespace
