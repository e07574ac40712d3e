// The --agenda list: the days from today on, each with its holiday, 六曜 and
// 節気, and the user's events under it.
#pragma once

#include <string>
#include <vector>

#include "engine/holidays.h"
#include "view/day_events.h"

namespace kyotu1 {

// A heading per day, "2026年12月23日（水）　大安　天皇誕生日", then its events,
// "　10:00　会議（仕事）", all-day ones first as "　終日　帰省（家族）". The days
// run from `first` for `count` days; `events` may be in any order.
std::string agenda_text(ClockDate first, int count, std::vector<DayEvent> events, HolidayLaw law);

// One line per event for scripts: date, time (empty all day), title,
// calendar, holiday, 六曜, 節気, separated by tabs.
std::string agenda_tsv(ClockDate first, int count, std::vector<DayEvent> events, HolidayLaw law);

}  // namespace kyotu1
