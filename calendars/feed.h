// One of the user's calendars as an iCalendar feed, read by libical: its
// events, expanded into the days being looked at, in the computer's own time
// zone. A feed is somebody else's text: whatever it holds ends in a recorded
// problem or is read as far as it is sound, never in a crash or a hang.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calendar.h"
#include "view/day_events.h"

namespace korinde::calendars {

using Occurrence = kyotu1::DayEvent;

// What a feed may be before it is refused unread, and how far one event's
// repetitions are followed in one expansion.
inline constexpr std::size_t max_feed_bytes = 20 * 1024 * 1024;
inline constexpr std::size_t max_feed_events = 100'000;
inline constexpr int max_repetitions_per_event = 20'000;

class Feed {
public:
    // Never throws for what the text holds: see problems().
    static Feed parse(std::string_view text);

    // The feed's events, all-day and timed, that fall on the days from
    // `first` to `last` (local), named for the calendar, in no set order.
    struct Days {
        std::vector<Occurrence> occurrences;
        bool cut_short = false;  // an event repeated beyond max_repetitions_per_event
    };
    Days between(kyotu1::ClockDate first, kyotu1::ClockDate last, const std::string& calendar) const;

    // Why the feed, or a part of it, was not read; empty when it was whole.
    const std::vector<std::string>& problems() const { return problems_; }
    bool readable() const { return calendar_ != nullptr; }
    std::size_t event_count() const;
    // The feed's own name (X-WR-CALNAME or NAME), to offer for a subscription.
    std::string name() const;
    // How often the feed asks to be read again (REFRESH-INTERVAL or
    // X-PUBLISHED-TTL), if it says.
    std::optional<std::chrono::minutes> refresh_interval() const;

    struct Parsed;  // libical's components, held

private:
    std::shared_ptr<const Parsed> calendar_;
    std::vector<std::string> problems_;
};

}  // namespace korinde::calendars
