// The entries an iCalendar file is made of; their counts against the lists
// are checked through the program, by the calendar clients.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/holidays.h"
#include "view/calendar_entries.h"

namespace kyotu1 {
namespace {

constexpr EntryKinds all_kinds = (1U << entry_kind_count) - 1;

TEST(CalendarEntries, DayByDayWithTheirTexts) {
    holiday_law = HolidayLaw::builtin;
    const auto entries = calendar_entries(2026, 2026, all_kinds);
    ASSERT_EQ(entries.size(), 16U + 24U + 19U + 50U + 365U);
    // A day's entries in the order of their kinds.
    EXPECT_EQ(entries[0].summary, "元旦");
    EXPECT_EQ(entries[1].summary, "大安");
    EXPECT_EQ(entries[1].description, "");
    EXPECT_EQ(entry_uid(entries[0]), "20260101-holiday-%E5%85%83%E6%97%A6@korinde");
    EXPECT_EQ(entries[0].description.substr(0, entries[0].description.find('\n')), "2026年1月1日（木）");
    for (const CalendarEntry& entry : entries) {
        if (entry.month != 1 || entry.day != 5 || entry.kind != EntryKind::sekki) continue;
        EXPECT_EQ(entry.description.substr(0, entry.description.find('\n')), "小寒 17:23");
        EXPECT_EQ(entry_uid(entry), "20260105-sekki-%E5%B0%8F%E5%AF%92@korinde");
    }
    const CalendarEntry& full_moon = entries[3];  // before the 六曜 of its day
    EXPECT_EQ(full_moon.summary, "望 19:03");
    EXPECT_EQ(full_moon.description.substr(0, full_moon.description.find('\n')), "2026年1月3日（土）");
    EXPECT_EQ(entry_uid(full_moon), "20260103-moon-%E6%9C%9B@korinde");
}

// Two 雑節 on one day keep the almanac's order.
TEST(CalendarEntries, ADaysEntriesInTheAlmanacsOrder) {
    std::vector<std::string> names;
    for (const CalendarEntry& entry : calendar_entries(2027, 2027, entry_bit(EntryKind::zassetsu))) {
        if (entry.month == 2 && entry.day == 3) names.push_back(entry.summary);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"節分", "土用の丑の日"}));
}

TEST(CalendarEntries, YearsTheirKindsCover) {
    const CalendarEntry year_one = calendar_entries(1, 1, entry_bit(EntryKind::holiday)).front();
    EXPECT_EQ(year_one.summary, "元旦");
    EXPECT_EQ(entry_uid(year_one), "00010101-holiday-%E5%85%83%E6%97%A6@korinde");
    EXPECT_NO_THROW(calendar_entries(1873, 1873, all_kinds));
    EXPECT_NO_THROW(calendar_entries(2100, 2100, all_kinds));
    for (const auto& [first, last, kinds] : {std::tuple{1872, 1873, all_kinds},
                                             {1872, 1872, entry_bit(EntryKind::moon)},
                                             {2100, 2101, entry_bit(EntryKind::holiday)},
                                             {2026, 2025, all_kinds}}) {
        EXPECT_THROW(calendar_entries(first, last, kinds), std::out_of_range) << first << " " << last;
    }
}

}  // namespace
}  // namespace kyotu1
