#include <algorithm>

#include "calendars/parsed_feed.h"

namespace korinde::calendars {
namespace {

using std::chrono::sys_days;
// Zones reach 14 hours either side of UTC: a margin of two days finds every
// repetition that can land on a local day of the range.
constexpr std::int64_t zone_margin = 2 * day_seconds;
// The repetitions one expansion follows over all events together.
constexpr int max_repetitions_per_expansion = 200'000;

// The range's local days, and the seconds a repetition must reach into.
struct Range {
    sys_days first;
    sys_days last;
    std::int64_t lower;  // an end before this cannot reach `first`
    std::int64_t upper;  // a start after this cannot reach `last`
    bool reaches(const Event& event, const Moment& start) const {
        return start.seconds <= upper && start.seconds + event.length >= lower && !is_excluded(event, start);
    }
};

// The days of one repetition that lie in the range.
void add_days(const Event& event, const Moment& start, const Range& range, const std::string& calendar,
              std::vector<Occurrence>& out) {
    const LocalTime begins = local_time(start);
    const bool all_day = start.kind == Moment::Kind::date;
    sys_days last = begins.day;
    if (all_day) {
        last = begins.day + std::chrono::days(std::max<std::int64_t>(1, event.length / day_seconds) - 1);
    } else if (event.length > 0) {
        const LocalTime ends = local_time({start.kind, start.seconds + event.length});
        // An event that ends at midnight does not reach into the day that begins then.
        last = std::max(begins.day, ends.minute == 0 ? ends.day - std::chrono::days(1) : ends.day);
    }
    for (sys_days day = std::max(begins.day, range.first); day <= std::min(last, range.last);
         day += std::chrono::days(1)) {
        const std::chrono::year_month_day date(day);
        Occurrence occurrence{{int(date.year()), static_cast<std::int16_t>(unsigned(date.month())),
                               static_cast<std::int16_t>(unsigned(date.day()))},
                              std::nullopt,
                              event.title,
                              calendar};
        if (!all_day && day == begins.day) occurrence.start_minute = begins.minute;
        out.push_back(std::move(occurrence));
    }
}

// Follows the event's rule from the first repetition that can reach the
// range, for at most `budget` repetitions; false when it was cut short.
bool add_repetitions(const Event& event, const Range& range, const std::string& calendar, int& budget,
                     std::vector<Occurrence>& out) {
    const icalrecurrencetype rule = icalproperty_get_rrule(event.rule);
    icalrecur_iterator* iterator = icalrecur_iterator_new(rule, event.start);
    if (iterator == nullptr) {  // a rule libical cannot follow: the start alone
        if (range.reaches(event, event.first)) add_days(event, event.first, range, calendar, out);
        return true;
    }
    const std::int64_t earliest = range.lower - event.length;
    if (rule.count == 0 && earliest > event.first.seconds) {
        icalrecur_iterator_set_start(iterator, ical_time_at(earliest, event.start));
    }
    bool whole = true;
    for (int followed = 0;; ++followed) {
        icaltimetype next = icalrecur_iterator_next(iterator);
        if (icaltime_is_null_time(next) != 0) break;
        if (followed >= max_repetitions_per_event || --budget < 0) {
            whole = false;
            break;
        }
        next.zone = event.start.zone;
        const Moment start = moment_of(next);
        if (start.seconds > range.upper) break;
        if (range.reaches(event, start)) add_days(event, start, range, calendar, out);
    }
    icalrecur_iterator_free(iterator);
    return whole;
}

std::int64_t seconds_of(sys_days day) { return std::int64_t{day.time_since_epoch().count()} * day_seconds; }

}  // namespace

Feed::Days Feed::between(kyotu1::ClockDate first, kyotu1::ClockDate last, const std::string& calendar) const {
    Days days;
    if (!calendar_) return days;
    const auto day_of = [](kyotu1::ClockDate date) {
        return sys_days(std::chrono::year_month_day(std::chrono::year(date.year),
                                                    std::chrono::month(static_cast<unsigned>(date.month)),
                                                    std::chrono::day(static_cast<unsigned>(date.day))));
    };
    const Range range{day_of(first), day_of(last), seconds_of(day_of(first)) - zone_margin,
                      seconds_of(day_of(last) + std::chrono::days(1)) + zone_margin};
    int budget = max_repetitions_per_expansion;
    for (const Event& event : calendar_->events) {
        const Moment& start = event.first;
        if (event.rule != nullptr && start.seconds <= range.upper) {
            days.cut_short = !add_repetitions(event, range, calendar, budget, days.occurrences) || days.cut_short;
        } else if (range.reaches(event, start)) {
            add_days(event, start, range, calendar, days.occurrences);
        }
        for (const Moment& extra : event.extra_starts) {
            if (range.reaches(event, extra)) add_days(event, extra, range, calendar, days.occurrences);
        }
    }
    return days;
}

}  // namespace korinde::calendars
