// The entries an iCalendar file is made of; their counts against the lists
// are checked through the program, by the calendar clients.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "engine/holidays.h"
#include "view/calendar_entries.h"
#include "view/law_text.h"

namespace kyotu1 {
namespace {

constexpr EntryKinds all_kinds = (1U << entry_kind_count) - 1;

TEST(CalendarEntries, DayByDayWithTheirTexts) {
    const auto entries = calendar_entries({2026, 2026, all_kinds, HolidayLaw::current, 2027});
    ASSERT_EQ(entries.size(), 18U + 24U + 19U + 50U + 365U);
    // A day's entries in the order of their kinds.
    EXPECT_EQ(entries[0].summary, "元日");
    EXPECT_EQ(entries[1].summary, "大安");
    EXPECT_EQ(entries[1].description, "");
    EXPECT_EQ(entry_uid(entries[0]), "20260101-holiday@korinde");
    EXPECT_EQ(entry_uid(entries[1]), "20260101-rokuyo@korinde");
    EXPECT_EQ(entries[0].description.substr(0, entries[0].description.find('\n')), "2026年1月1日（木）");
    for (const CalendarEntry& entry : entries) {
        if (entry.month != 1 || entry.day != 5 || entry.kind != EntryKind::sekki) continue;
        EXPECT_EQ(entry.description.substr(0, entry.description.find('\n')), "小寒 17:23");
        EXPECT_EQ(entry_uid(entry), "20260105-sekki-285@korinde");
    }
    const CalendarEntry& full_moon = entries[3];  // before the 六曜 of its day
    EXPECT_EQ(full_moon.summary, "望 19:03");
    EXPECT_EQ(full_moon.description.substr(0, full_moon.description.find('\n')), "2026年1月3日（土）");
    EXPECT_EQ(entry_uid(full_moon), "20260103-moon@korinde");
}

// Two 雑節 on one day keep the almanac's order, each its own UID.
TEST(CalendarEntries, ADaysEntriesInTheAlmanacsOrder) {
    std::vector<std::string> names;
    for (const CalendarEntry& entry :
         calendar_entries({2027, 2027, entry_bit(EntryKind::zassetsu), HolidayLaw::current, 2027})) {
        if (entry.month == 2 && entry.day == 3) names.push_back(entry.summary + " " + entry_uid(entry));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"節分 20270203-zassetsu-setsubun@korinde",
                                               "土用の丑の日 20270203-zassetsu-doyo-ushi@korinde"}));
}

// Today's law's equinox days say so where they are not yet announced; the
// built-in rules' never do.
TEST(CalendarEntries, UnannouncedEquinoxDaysSaySo) {
    const std::string note(unannounced_note);
    for (const auto& [year, law, announced_through, noted] : {std::tuple{2028, HolidayLaw::current, 2027, true},
                                                              {2027, HolidayLaw::current, 2027, false},
                                                              {2028, HolidayLaw::builtin, 2027, false}}) {
        int equinoxes = 0;
        for (const CalendarEntry& entry :
             calendar_entries({year, year, entry_bit(EntryKind::holiday), law, announced_through})) {
            const bool equinox = entry.summary == "春分の日" || entry.summary == "秋分の日";
            equinoxes += equinox ? 1 : 0;
            EXPECT_EQ(entry.description.ends_with("\n" + entry.summary + note), equinox && noted) << entry.summary;
        }
        EXPECT_EQ(equinoxes, 2) << year;
    }
}

TEST(CalendarEntries, YearsTheirKindsCover) {
    const CalendarEntry year_one =
        calendar_entries({1, 1, entry_bit(EntryKind::holiday), HolidayLaw::builtin, 2027}).front();
    EXPECT_EQ(year_one.summary, "元旦");
    EXPECT_EQ(entry_uid(year_one), "00010101-holiday@korinde");
    EXPECT_NO_THROW(calendar_entries({1873, 1873, all_kinds, HolidayLaw::current, 2027}));
    EXPECT_NO_THROW(calendar_entries({2100, 2100, all_kinds, HolidayLaw::current, 2027}));
    for (const auto& [first, last, kinds] : {std::tuple{1872, 1873, all_kinds},
                                             {1872, 1872, entry_bit(EntryKind::moon)},
                                             {2100, 2101, entry_bit(EntryKind::holiday)},
                                             {2026, 2025, all_kinds}}) {
        EXPECT_THROW(calendar_entries({first, last, kinds, HolidayLaw::current, 2027}), std::out_of_range)
            << first << " " << last;
    }
}

}  // namespace
}  // namespace kyotu1
