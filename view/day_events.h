// The user's own events as the views show them: one event on one day, a
// multi-day event on each of its days.
#pragma once

#include <optional>
#include <string>
#include <tuple>

#include "engine/calendar.h"

namespace kyotu1 {

struct DayEvent {
    ClockDate day;
    // Minutes after the day's local midnight; none for an all-day event, and
    // none on the days a timed event runs through without starting.
    std::optional<int> start_minute;
    std::string title;     // one line of valid UTF-8
    std::string calendar;  // the calendar's name, as the user gave it
    friend bool operator==(const DayEvent&, const DayEvent&) = default;
};

// By day; all-day events first, then by time, then by title: the order
// every list of a day shows.
inline bool comes_before(const DayEvent& a, const DayEvent& b) {
    const auto key = [](const DayEvent& e) {
        return std::tuple(e.day.year, e.day.month, e.day.day, e.start_minute.has_value(), e.start_minute.value_or(0),
                          std::string_view(e.title), std::string_view(e.calendar));
    };
    return key(a) < key(b);
}

}  // namespace kyotu1
