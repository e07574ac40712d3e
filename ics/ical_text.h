// A calendar of entries as an iCalendar file (RFC 5545), written by libical.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "view/calendar_entries.h"

namespace korinde {

// One VCALENDAR named and described by the holiday rules its entries were
// made by: every entry an all-day event that makes no one busy, stamped with
// the time given. UTF-8, CR LF line ends, lines folded at 75 octets. Throws
// std::runtime_error when libical fails.
std::string ical_text(const std::vector<kyotu1::CalendarEntry>& entries, kyotu1::HolidayLaw law,
                      const std::string& program_version, std::time_t stamp);

}  // namespace korinde
