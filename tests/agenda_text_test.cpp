// The agenda as --agenda prints it: a heading per day with its 六曜, 節気 and
// holiday, the day's events under it, all-day ones first; and its TSV.
#include <gtest/gtest.h>

#include <algorithm>

#include "view/agenda_text.h"

namespace kyotu1 {
namespace {

const std::vector<DayEvent> events = {
    {{2026, 12, 23}, 600, "会議", "仕事"},          {{2026, 12, 23}, std::nullopt, "休暇", "家族"},
    {{2026, 12, 22}, 9 * 60 + 5, "歯医者", "家族"}, {{2026, 12, 19}, 600, "範囲の前", "仕事"},
    {{2026, 12, 25}, 600, "範囲の後", "仕事"},
};

TEST(AgendaText, DaysWithTheirNotesAndEvents) {
    EXPECT_EQ(agenda_text({2026, 12, 21}, 4, events, HolidayLaw::builtin),
              "2026年12月21日（月）　大安\n"
              "2026年12月22日（火）　赤口　冬至\n"
              "　09:05　歯医者（家族）\n"
              "2026年12月23日（水）　先勝　天皇誕生日\n"
              "　終日　休暇（家族）\n"
              "　10:00　会議（仕事）\n"
              "2026年12月24日（木）　友引\n");
    EXPECT_EQ(agenda_tsv({2026, 12, 21}, 4, events, HolidayLaw::current),
              "2026-12-22\t09:05\t歯医者\t家族\t\t赤口\t冬至\n"
              "2026-12-23\t\t休暇\t家族\t\t先勝\t\n"
              "2026-12-23\t10:00\t会議\t仕事\t\t先勝\t\n");
    // Past the almanac's years a day has no 六曜; past the calendar's, no day.
    EXPECT_EQ(agenda_text({2100, 12, 31}, 1, {}, HolidayLaw::current), "2100年12月31日（金）　赤口\n");
    EXPECT_EQ(agenda_text({2101, 1, 1}, 1, {}, HolidayLaw::current), "2101年1月1日（土）　元日\n");
    const std::string last = agenda_text({32767, 12, 31}, 3, {}, HolidayLaw::builtin);
    EXPECT_EQ(last.rfind("32767年12月31日（", 0), 0U) << last;
    EXPECT_EQ(std::count(last.begin(), last.end(), '\n'), 1) << last;
}

}  // namespace
}  // namespace kyotu1
