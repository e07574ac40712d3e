// The entries an iCalendar file is made of; their counts against the lists
// are checked through the program, by the calendar clients.
#include <gtest/gtest.h>

#include <stdexcept>

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
    EXPECT_EQ(entry_uid(full_moon), "20260103-moon-%E6%9C%9B@korinde");
}

TEST(CalendarEntries, YearsTheirKindsCover) {
    EXPECT_EQ(calendar_entries(1, 1, entry_bit(EntryKind::holiday)).front().summary, "元旦");
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
