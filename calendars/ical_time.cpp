#include "calendars/ical_time.h"

#include <array>
#include <ctime>
#include <string_view>
#include <utility>
#include <vector>

namespace korinde::calendars {
namespace {

// Outlook names zones as Windows does, and leaves out the VTIMEZONE now and
// then; these are the zones of CLDR's windowsZones table a Japanese user's
// feeds are likely to name, with the display name Outlook writes for Tokyo.
constexpr std::array<std::pair<std::string_view, const char*>, 26> windows_zones = {{
    {"Tokyo Standard Time", "Asia/Tokyo"},
    {"(UTC+09:00) Osaka, Sapporo, Tokyo", "Asia/Tokyo"},
    {"Korea Standard Time", "Asia/Seoul"},
    {"China Standard Time", "Asia/Shanghai"},
    {"Taipei Standard Time", "Asia/Taipei"},
    {"Singapore Standard Time", "Asia/Singapore"},
    {"SE Asia Standard Time", "Asia/Bangkok"},
    {"India Standard Time", "Asia/Kolkata"},
    {"AUS Eastern Standard Time", "Australia/Sydney"},
    {"New Zealand Standard Time", "Pacific/Auckland"},
    {"Hawaiian Standard Time", "Pacific/Honolulu"},
    {"Alaskan Standard Time", "America/Anchorage"},
    {"Pacific Standard Time", "America/Los_Angeles"},
    {"Mountain Standard Time", "America/Denver"},
    {"Central Standard Time", "America/Chicago"},
    {"Eastern Standard Time", "America/New_York"},
    {"E. South America Standard Time", "America/Sao_Paulo"},
    {"GMT Standard Time", "Europe/London"},
    {"Greenwich Standard Time", "Atlantic/Reykjavik"},
    {"W. Europe Standard Time", "Europe/Berlin"},
    {"Romance Standard Time", "Europe/Paris"},
    {"Central Europe Standard Time", "Europe/Budapest"},
    {"E. Europe Standard Time", "Europe/Chisinau"},
    {"FLE Standard Time", "Europe/Kiev"},
    {"Russian Standard Time", "Europe/Moscow"},
    {"UTC", "UTC"},
}};

std::tm broken_down(std::time_t seconds, bool local) {
    std::tm parts{};
#ifdef _WIN32
    if (local)
        localtime_s(&parts, &seconds);
    else
        gmtime_s(&parts, &seconds);
#else
    if (local)
        localtime_r(&seconds, &parts);
    else
        gmtime_r(&seconds, &parts);
#endif
    return parts;
}

// Real zones change their offsets by yearly rules or by a list of dates, some
// hundreds for the oldest.
constexpr int max_zone_parts = 1000;

bool empty(const short* list) { return list[0] == ICAL_RECURRENCE_ARRAY_MAX; }

bool is_yearly_rule(icalproperty* rule) {
    const icalrecurrencetype recur = icalproperty_get_rrule(rule);
    return recur.freq == ICAL_YEARLY_RECURRENCE && empty(recur.by_second) && empty(recur.by_minute) &&
           empty(recur.by_hour) && empty(recur.by_year_day);
}

bool is_sound_zone(icalcomponent* zone) {
    int parts = 0;
    for (icalcomponent* part = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); part != nullptr;
         part = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
        parts += 1 + icalcomponent_count_properties(part, ICAL_RDATE_PROPERTY);
        if (parts > max_zone_parts || icalcomponent_count_properties(part, ICAL_RRULE_PROPERTY) > 1) return false;
        icalproperty* rule = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY);
        if (rule != nullptr && !is_yearly_rule(rule)) return false;
    }
    return true;
}

}  // namespace

int drop_unsound_zones(icalcomponent* calendar) {
    std::vector<icalcomponent*> unsound;
    for (icalcomponent* zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone != nullptr;
         zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        if (!is_sound_zone(zone)) unsound.push_back(zone);
    }
    for (icalcomponent* zone : unsound) {
        icalcomponent_remove_component(calendar, zone);
        icalcomponent_free(zone);
    }
    return static_cast<int>(unsound.size());
}

LocalTime local_time(const Moment& moment) {
    const std::tm parts = broken_down(static_cast<std::time_t>(moment.seconds), moment.kind == Moment::Kind::instant);
    const std::chrono::year_month_day date{std::chrono::year(parts.tm_year + 1900),
                                           std::chrono::month(static_cast<unsigned>(parts.tm_mon + 1)),
                                           std::chrono::day(static_cast<unsigned>(parts.tm_mday))};
    return {std::chrono::sys_days(date), moment.kind == Moment::Kind::date ? 0 : parts.tm_hour * 60 + parts.tm_min};
}

Moment moment_of(const icaltimetype& time) {
    if (time.is_date != 0) return {Moment::Kind::date, icaltime_as_timet(time)};
    if (time.zone == nullptr) return {Moment::Kind::floating, icaltime_as_timet(time)};
    return {Moment::Kind::instant, icaltime_as_timet_with_zone(time, time.zone)};
}

icaltimetype ical_time_at(std::int64_t seconds, const icaltimetype& like) {
    const auto at = static_cast<std::time_t>(seconds);
    if (like.is_date != 0) return icaltime_from_timet_with_zone(at, 1, nullptr);
    if (like.zone == nullptr) return icaltime_from_timet_with_zone(at, 0, nullptr);
    return icaltime_from_timet_with_zone(at, 0, like.zone);
}

icaltimezone* ZoneResolver::zone_named(const char* tzid) {
    if (icaltimezone* own = icalcomponent_get_timezone(calendar_, tzid)) return own;
    if (icaltimezone* known = icaltimezone_get_builtin_timezone(tzid)) return known;
    for (const auto& [windows, iana] : windows_zones) {
        if (windows == tzid) return icaltimezone_get_builtin_timezone(iana);
    }
    return nullptr;
}

icaltimetype ZoneResolver::time_of(icalproperty* property, icaltimetype value) {
    if (icaltime_is_null_time(value) != 0 || icaltime_is_valid_time(value) == 0) return icaltime_null_time();
    if (value.is_date != 0 || icaltime_is_utc(value) != 0) return value;
    icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char* name = tzid != nullptr ? icalparameter_get_tzid(tzid) : nullptr;
    if (name == nullptr) return value;  // floating
    if (icaltimezone* zone = zone_named(name)) return icaltime_set_timezone(&value, zone);
    unknown_zones_.insert(name);
    value.zone = nullptr;
    return value;
}

icaltimetype ZoneResolver::time_of(icalproperty* property) {
    const icalvalue* value = property != nullptr ? icalproperty_get_value(property) : nullptr;
    if (value == nullptr) return icaltime_null_time();
    switch (icalvalue_isa(value)) {
        case ICAL_DATE_VALUE: return time_of(property, icalvalue_get_date(value));
        case ICAL_DATETIME_VALUE: return time_of(property, icalvalue_get_datetime(value));
        case ICAL_PERIOD_VALUE: return time_of(property, icalvalue_get_period(value).start);  // RDATE's
        case ICAL_DATETIMEPERIOD_VALUE: {
            const icaldatetimeperiodtype either = icalvalue_get_datetimeperiod(value);
            return time_of(property, icaltime_is_null_time(either.time) != 0 ? either.period.start : either.time);
        }
        default: return icaltime_null_time();
    }
}

}  // namespace korinde::calendars
