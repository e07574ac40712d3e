// The holidays and the almanac as entries of another calendar: one a day
// each, for the iCalendar export.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kyotu1 {

enum class EntryKind : std::uint8_t { holiday, sekki, zassetsu, moon, rokuyo };
inline constexpr int entry_kind_count = 5;

// The kinds as a set: bit i for EntryKind i.
using EntryKinds = unsigned;
inline constexpr EntryKinds entry_bit(EntryKind kind) { return 1U << static_cast<unsigned>(kind); }
inline constexpr EntryKinds default_entry_kinds =
    entry_bit(EntryKind::holiday) | entry_bit(EntryKind::sekki) | entry_bit(EntryKind::zassetsu);

// "holiday", "sekki", … as a UID writes the kind; --ics-include takes the
// plural "holidays" for the first.
std::string_view entry_kind_word(EntryKind kind);
// "祝日", "二十四節気", "雑節", "月相", "六曜".
std::string_view entry_category(EntryKind kind);

struct CalendarEntry {
    std::int16_t year;
    std::int16_t month;
    std::int16_t day;
    EntryKind kind;
    std::string name;         // "元日", "望": what the UID is made of
    std::string summary;      // the name, with the phase's minute: "望 23:47"
    std::string description;  // the day's almanac text; empty for the 六曜
};

// The entries of the years first to last (both within 1873 to 2100; holidays
// alone from year 1) in date order, each day's in the order of EntryKind.
// Rebuilds the day tables for each year.
std::vector<CalendarEntry> calendar_entries(int first_year, int last_year, EntryKinds kinds);

// "20260101-holiday-%E5%85%83%E6%97%A5@korinde": the date, the kind and the
// name with each of its UTF-8 bytes escaped (the names are all Japanese), so
// that the UID is ASCII, as every client takes it.
std::string entry_uid(const CalendarEntry& entry);

}  // namespace kyotu1
