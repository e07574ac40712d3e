#include "calendars/feed.h"

#include <algorithm>
#include <map>

#include "calendars/one_line.h"
#include "calendars/parsed_feed.h"

namespace korinde::calendars {

namespace {

// No event is shown on more days than a year's.
constexpr std::int64_t max_length = 366 * day_seconds;
// A calendar nests VCALENDAR, VEVENT, VALARM; VTIMEZONE, STANDARD: deeper is no calendar.
constexpr int max_depth = 6;

bool starts_with_word(std::string_view line, std::string_view word) {
    if (line.size() < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = line[i];
        if ((c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c) != word[i]) return false;
    }
    return true;
}

// A physical line longer than this is no calendar's: libical's time on one
// grows with the square of its length (a 20 MiB line would take minutes). A
// long text is folded into lines of 75 bytes.
constexpr std::size_t max_line_bytes = 64 * 1024;

// The feed as libical gets it, or why it gets nothing: too large, nested too
// deep, or no calendar at all. Lines libical would stumble over, or complain
// of on standard error, are left out and counted.
struct Screened {
    std::string text;
    std::string refusal;
    int long_lines = 0;
    int stray_ends = 0;  // END: with no BEGIN: open
};

Screened screened(std::string_view text) {
    Screened result;
    if (text.size() > max_feed_bytes) return {{}, "大きすぎます (20 MiB まで)"};
    result.text.reserve(text.size());
    int depth = 0;
    bool calendar = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (line.size() > max_line_bytes) {
            ++result.long_lines;
            continue;
        }
        if (starts_with_word(line, "BEGIN:")) {
            calendar = calendar || starts_with_word(line, "BEGIN:VCALENDAR");
            if (++depth > max_depth) return {{}, "入れ子が深すぎます"};
        } else if (starts_with_word(line, "END:")) {
            if (depth == 0) {
                ++result.stray_ends;
                continue;
            }
            --depth;
        }
        for (const char c : line) {
            if (c != '\0') result.text += c;  // C's strings, libical's, would end there
        }
        result.text += '\n';
    }
    if (!calendar) return {{}, "iCalendar ではありません (BEGIN:VCALENDAR がありません)"};
    return result;
}

std::int64_t length_of(icalcomponent* component, ZoneResolver& zones, const icaltimetype& start) {
    std::int64_t length = start.is_date != 0 ? day_seconds : 0;
    const icaltimetype end = zones.time_of(icalcomponent_get_first_property(component, ICAL_DTEND_PROPERTY));
    if (icaltime_is_null_time(end) == 0) {
        length = moment_of(end).seconds - moment_of(start).seconds;
    } else if (icalproperty* duration = icalcomponent_get_first_property(component, ICAL_DURATION_PROPERTY)) {
        length = icaldurationtype_as_int(icalproperty_get_duration(duration));
    }
    return std::clamp<std::int64_t>(length, 0, max_length);
}

void exclude(Event& event, const Moment& moment) {
    if (moment.kind == Moment::Kind::date) event.excluded_days.insert(local_time(moment).day);
    event.excluded.insert(moment);
}

}  // namespace

Feed Feed::parse(std::string_view text) {
    Feed feed;
    const Screened screen = screened(text);
    if (!screen.refusal.empty()) {
        feed.problems_.push_back(screen.refusal);
        return feed;
    }
    if (screen.long_lines > 0) {
        feed.problems_.push_back("長すぎる行 " + std::to_string(screen.long_lines) + " 行を省きました");
    }
    if (screen.stray_ends > 0) {
        feed.problems_.push_back("BEGIN のない END " + std::to_string(screen.stray_ends) + " 行を省きました");
    }
    icalerror_set_errors_are_fatal(0);  // a feed's fault is never the program's end
    auto parsed = std::make_shared<Parsed>();
    parsed->root.reset(icalparser_parse_string(screen.text.c_str()));
    icalcomponent* root = parsed->root.get();
    if (root != nullptr && icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) parsed->calendar = root;
    if (root != nullptr && icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        parsed->calendar = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
    }
    if (parsed->calendar == nullptr) {
        feed.problems_.emplace_back("iCalendar として読めません");
        return feed;
    }
    if (const int errors = icalcomponent_count_errors(root); errors > 0) {
        feed.problems_.push_back("読めない行が " + std::to_string(errors) + " か所ありました");
    }
    if (const int dropped = drop_unsound_zones(parsed->calendar); dropped > 0) {
        feed.problems_.push_back("変化の規則が読めない時間帯 " + std::to_string(dropped) + " 件を使いませんでした");
    }
    ZoneResolver zones(parsed->calendar);
    std::map<std::string, std::vector<Moment>, std::less<>> replaced;  // by UID
    std::size_t without_start = 0;
    for (icalcomponent* component = icalcomponent_get_first_component(parsed->calendar, ICAL_VEVENT_COMPONENT);
         component != nullptr; component = icalcomponent_get_next_component(parsed->calendar, ICAL_VEVENT_COMPONENT)) {
        if (parsed->events.size() >= max_feed_events) {
            feed.problems_.push_back("予定が多すぎるため、最初の " + std::to_string(max_feed_events) +
                                     " 件だけを読みました");
            break;
        }
        const char* uid = icalcomponent_get_uid(component);
        const icaltimetype overridden =
            zones.time_of(icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY));
        const bool is_override = icaltime_is_null_time(overridden) == 0;
        if (is_override && uid != nullptr) replaced[uid].push_back(moment_of(overridden));
        if (icalcomponent_get_status(component) == ICAL_STATUS_CANCELLED) continue;
        Event event;
        event.start = zones.time_of(icalcomponent_get_first_property(component, ICAL_DTSTART_PROPERTY));
        if (icaltime_is_null_time(event.start) != 0) {
            ++without_start;
            continue;
        }
        event.first = moment_of(event.start);
        event.length = length_of(component, zones, event.start);
        event.title = one_line(icalcomponent_get_summary(component));
        if (!is_override) {
            event.rule = icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY);
            for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY); p != nullptr;
                 p = icalcomponent_get_next_property(component, ICAL_RDATE_PROPERTY)) {
                if (const icaltimetype t = zones.time_of(p); icaltime_is_null_time(t) == 0) {
                    event.extra_starts.push_back(moment_of(t));
                }
            }
            for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY); p != nullptr;
                 p = icalcomponent_get_next_property(component, ICAL_EXDATE_PROPERTY)) {
                if (const icaltimetype t = zones.time_of(p); icaltime_is_null_time(t) == 0)
                    exclude(event, moment_of(t));
            }
            if (uid != nullptr) event.uid = uid;
        }
        parsed->events.push_back(std::move(event));
    }
    // An override replaces the repetition of its master that starts at its RECURRENCE-ID.
    for (Event& event : parsed->events) {
        if (event.uid.empty()) continue;
        if (const auto found = replaced.find(event.uid); found != replaced.end()) {
            for (const Moment& start : found->second) exclude(event, start);
        }
    }
    if (without_start > 0)
        feed.problems_.push_back("開始日時のない予定 " + std::to_string(without_start) + " 件を省きました");
    for (const std::string& zone : zones.unknown_zones()) {
        feed.problems_.push_back("時間帯「" + one_line(zone.c_str()) +
                                 "」が分からないため、この計算機の時刻として読みました");
    }
    feed.calendar_ = std::move(parsed);
    return feed;
}

std::size_t Feed::event_count() const { return calendar_ ? calendar_->events.size() : 0; }

std::string Feed::name() const {
    if (!calendar_) return {};
    for (const char* property : {"X-WR-CALNAME", "NAME"}) {
        for (icalproperty* p = icalcomponent_get_first_property(calendar_->calendar, ICAL_ANY_PROPERTY); p != nullptr;
             p = icalcomponent_get_next_property(calendar_->calendar, ICAL_ANY_PROPERTY)) {
            const char* name = icalproperty_get_property_name(p);
            if (name != nullptr && std::string_view(name) == property)
                return one_line(icalproperty_get_value_as_string(p));
        }
    }
    return {};
}

std::optional<std::chrono::minutes> Feed::refresh_interval() const {
    if (!calendar_) return std::nullopt;
    for (const char* property : {"REFRESH-INTERVAL", "X-PUBLISHED-TTL"}) {
        for (icalproperty* p = icalcomponent_get_first_property(calendar_->calendar, ICAL_ANY_PROPERTY); p != nullptr;
             p = icalcomponent_get_next_property(calendar_->calendar, ICAL_ANY_PROPERTY)) {
            const char* name = icalproperty_get_property_name(p);
            const char* value = icalproperty_get_value_as_string(p);
            if (name == nullptr || value == nullptr || std::string_view(name) != property) continue;
            const icaldurationtype duration = icaldurationtype_from_string(value);
            if (icaldurationtype_is_bad_duration(duration) != 0) continue;
            const int seconds = icaldurationtype_as_int(duration);
            if (seconds > 0) return std::chrono::minutes(std::max(1, seconds / 60));
        }
    }
    return std::nullopt;
}

}  // namespace korinde::calendars
