#include "ics/ical_text.h"

#include <memory>
#include <stdexcept>

#include <libical/ical.h>

#include "view/law_text.h"

namespace korinde {
namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype date_of(int year, int month, int day) {
    icaltimetype date = icaltime_null_date();
    date.year = year;
    date.month = month;
    date.day = day;
    return date;
}

icalproperty* extension(const char* name, const char* value) {
    icalproperty* property = icalproperty_new_x(value);
    icalproperty_set_x_name(property, name);
    return property;
}

void add_event(icalcomponent* calendar, const kyotu1::CalendarEntry& entry, const icaltimetype& stamp) {
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_component(calendar, event);  // owned by the calendar from here
    const icaltimetype start = date_of(entry.year, entry.month, entry.day);
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    icalcomponent_add_property(event, icalproperty_new_uid(kyotu1::entry_uid(entry).c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(event, icalproperty_new_dtstart(start));
    icalcomponent_add_property(event, icalproperty_new_dtend(end));
    icalcomponent_add_property(event, icalproperty_new_summary(entry.summary.c_str()));
    icalcomponent_add_property(event,
                               icalproperty_new_categories(std::string(kyotu1::entry_category(entry.kind)).c_str()));
    if (!entry.description.empty()) {
        icalcomponent_add_property(event, icalproperty_new_description(entry.description.c_str()));
    }
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    // Outlook reads this instead of TRANSP, and would show a holiday as busy.
    if (entry.kind == kyotu1::EntryKind::holiday) {
        icalcomponent_add_property(event, extension("X-MICROSOFT-CDO-BUSYSTATUS", "FREE"));
    }
}

}  // namespace

std::string ical_text(const std::vector<kyotu1::CalendarEntry>& entries, kyotu1::HolidayLaw law,
                      const std::string& program_version, std::time_t stamp) {
    icalerror_clear_errno();
    const Component calendar(icalcomponent_new_vcalendar());
    const std::string product = "-//Korinde Project//Korinde " + program_version + "//JA";
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(product.c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    // The name and description twice: as RFC 7986 writes them, and as the
    // clients that predate it (Google, Apple, Outlook) read them.
    const std::string name(kyotu1::calendar_name(law));
    const std::string description(kyotu1::calendar_description(law));
    icalcomponent_add_property(calendar.get(), icalproperty_new_name(name.c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_description(description.c_str()));
    icalcomponent_add_property(calendar.get(), extension("X-WR-CALNAME", name.c_str()));
    icalcomponent_add_property(calendar.get(), extension("X-WR-CALDESC", description.c_str()));
    const icaltimetype utc_stamp = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
    for (const kyotu1::CalendarEntry& entry : entries) add_event(calendar.get(), entry, utc_stamp);
    if (icalerrno != ICAL_NO_ERROR) throw std::runtime_error(icalerror_strerror(icalerrno));

    char* text = icalcomponent_as_ical_string_r(calendar.get());
    if (text == nullptr) throw std::runtime_error(icalerror_strerror(icalerrno));
    std::string result(text);
    icalmemory_free_buffer(text);
    return result;
}

}  // namespace korinde
