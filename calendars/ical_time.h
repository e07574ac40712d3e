// The times of a feed's properties, as the computer's local wall clock.
#pragma once

#include <libical/ical.h>

#include <chrono>
#include <cstdint>
#include <set>
#include <string>

namespace korinde::calendars {

// A moment as the feed gives it: an instant (UTC or in a zone), or a wall
// time with no zone ("floating", read as the computer's local time), or a
// date. `seconds` counts from 1970 for an instant, and likewise for a
// floating time or a date as if it were UTC.
struct Moment {
    enum class Kind { instant, floating, date };
    Kind kind = Kind::floating;
    std::int64_t seconds = 0;
    friend bool operator==(const Moment&, const Moment&) = default;
    friend auto operator<=>(const Moment&, const Moment&) = default;
};

// The local day and minute of a moment.
struct LocalTime {
    std::chrono::sys_days day;
    int minute;
};
LocalTime local_time(const Moment& moment);

// The moment of a time libical holds, its zone attached.
Moment moment_of(const icaltimetype& time);

// The moment `seconds` in the form of `like`: a date, a floating time or a
// time in like's zone.
icaltimetype ical_time_at(std::int64_t seconds, const icaltimetype& like);

// Takes out of the calendar every VTIMEZONE whose changes libical would
// expand without end (a rule other than yearly, or thousands of dates): its
// times are read as if it were not there. Returns how many went.
int drop_unsound_zones(icalcomponent* calendar);

// Finds a property's zone: the feed's own VTIMEZONE, else libical's zone of
// that name, else the zone a Windows name stands for ("Tokyo Standard
// Time"). A TZID that names none is kept in unknown_zones() and its time
// read as floating.
class ZoneResolver {
public:
    explicit ZoneResolver(icalcomponent* calendar) : calendar_(calendar) {}
    // The property's date or date-time with its zone; a null time where it
    // holds none.
    icaltimetype time_of(icalproperty* property, icaltimetype value);
    icaltimetype time_of(icalproperty* property);
    const std::set<std::string>& unknown_zones() const { return unknown_zones_; }

private:
    icaltimezone* zone_named(const char* tzid);
    icalcomponent* calendar_;
    std::set<std::string> unknown_zones_;
};

}  // namespace korinde::calendars
