// Reads an iCalendar file with libical, as a calendar program built on it
// would: parses it, checks each component against RFC 5545's restrictions
// and prints the events of each category, "祝日\t16", one a line. Exits 1 with
// the reason on stderr when the file is not a calendar libical accepts.
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include <libical/ical.h>

namespace {

int fail(const std::string& reason) {
    std::cerr << "ical_check: " << reason << '\n';
    return 1;
}

// An all-day event: a date, and an end the day after.
bool lasts_one_day(icalcomponent* event) {
    const icaltimetype start = icalcomponent_get_dtstart(event);
    icaltimetype next = start;
    icaltime_adjust(&next, 1, 0, 0, 0);
    return start.is_date != 0 && icaltime_compare(next, icalcomponent_get_dtend(event)) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return fail("usage: ical_check FILE");
    std::ifstream file(argv[1], std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    if (!file) return fail(std::string("cannot read ") + argv[1]);

    icalcomponent* calendar = icalparser_parse_string(text.str().c_str());
    if (calendar == nullptr || icalcomponent_isa(calendar) != ICAL_VCALENDAR_COMPONENT) return fail("no VCALENDAR");
    icalrestriction_check(calendar);
    if (const int errors = icalcomponent_count_errors(calendar); errors != 0) {
        icalcomponent_strip_errors(calendar);
        return fail(std::to_string(errors) + " errors");
    }
    std::map<std::string, int> counts;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event != nullptr;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (!lasts_one_day(event)) return fail(std::string("not one whole day: ") + icalcomponent_get_uid(event));
        icalproperty* category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
        if (category == nullptr) return fail(std::string("no category: ") + icalcomponent_get_uid(event));
        ++counts[icalproperty_get_categories(category)];
    }
    for (const auto& [category, count] : counts) std::cout << category << '\t' << count << '\n';
    icalcomponent_free(calendar);
    return 0;
}
