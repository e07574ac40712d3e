// The holidays and the almanac as entries of another calendar: one a day
// each, for the iCalendar export.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/holidays.h"

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
    // Tells apart entries of one kind on one day, in ASCII: a solar term's
    // longitude ("285"), a 雑節's word ("doyo-ushi"); empty for the kinds
    // that come once a day at most.
    std::string key;
    std::string summary;      // the name, with the phase's minute: "望 23:47"
    std::string description;  // the day's almanac text; empty for the 六曜
};

struct EntryRequest {
    int first_year;  // both within 1873 to 2100; holidays alone from year 1
    int last_year;
    EntryKinds kinds;
    HolidayLaw law;
    // The last year whose equinox days are announced: a later one's say so.
    std::int32_t announced_through;
};

// The entries of the years asked for in date order, each day's in the order
// of EntryKind.
std::vector<CalendarEntry> calendar_entries(const EntryRequest& request);

// "20260101-holiday@korinde", "20260105-sekki-285@korinde": the date, the kind
// and the key, never the name, so that a file of other rules or other names
// replaces an older one's events in a client instead of adding to them.
std::string entry_uid(const CalendarEntry& entry);

}  // namespace kyotu1
