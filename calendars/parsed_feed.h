// What a parsed feed holds, for the files that read and expand it.
#pragma once

#include <libical/ical.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "calendars/feed.h"
#include "calendars/ical_time.h"

namespace korinde::calendars {

inline constexpr std::int64_t day_seconds = 86'400;

struct Event {
    icaltimetype start;
    Moment first;             // the start's moment, worked out once: libical's zone look-up is slow
    std::int64_t length = 0;  // seconds from the start to the end
    std::string title;
    std::string uid;                                // of a master, whose repetitions overrides may replace
    icalproperty* rule = nullptr;                   // RRULE, the first; a second is deprecated
    std::vector<Moment> extra_starts;               // RDATE
    std::set<Moment> excluded;                      // EXDATE, and the starts that an override replaces
    std::set<std::chrono::sys_days> excluded_days;  // EXDATE as dates
};

inline bool is_excluded(const Event& event, const Moment& start) {
    if (event.excluded.empty()) return false;
    return event.excluded.contains(start) ||
           (!event.excluded_days.empty() && event.excluded_days.contains(local_time(start).day));
}

struct IcalFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

struct Feed::Parsed {
    std::unique_ptr<icalcomponent, IcalFree> root;
    icalcomponent* calendar = nullptr;
    std::vector<Event> events;
};

}  // namespace korinde::calendars
