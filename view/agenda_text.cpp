#include "view/agenda_text.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <tuple>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "view/accessible_names.h"
#include "view/clock_text.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

// What the heading says of a day besides its date.
struct DayNotes {
    std::string holiday;
    std::string rokuyo;  // empty outside the almanac's years
    std::string solar_term;
};

class Days {
public:
    explicit Days(HolidayLaw law) : law_(law) {}
    DayNotes notes(const ClockDate& date) {
        DayNotes notes;
        const auto year = static_cast<std::int16_t>(date.year);
        auto found = holidays_.find(year);
        if (found == holidays_.end()) found = holidays_.emplace(year, holidays_of(year, law_)).first;
        notes.holiday = found->second.name(date.month, date.day);
        if (const auto almanac = run_almanac().day(year, date.month, date.day)) {
            notes.rokuyo = almanac->rokuyo;
            notes.solar_term = almanac->solar_term;
        }
        return notes;
    }

private:
    HolidayLaw law_;
    std::map<std::int16_t, YearHolidays> holidays_;
};

bool day_before(const ClockDate& a, const ClockDate& b) {
    return std::tuple(a.year, a.month, a.day) < std::tuple(b.year, b.month, b.day);
}

using DayVisitor = std::function<void(const ClockDate&, Days&, std::vector<DayEvent>::const_iterator,
                                      std::vector<DayEvent>::const_iterator)>;

// Visits the days from `first`, `count` of them within the years the
// calendar knows, each with its events.
void for_days(ClockDate first, int count, std::vector<DayEvent>& events, HolidayLaw law, const DayVisitor& visit) {
    using namespace std::chrono;
    std::sort(events.begin(), events.end(), comes_before);
    Days notes(law);
    auto next = events.cbegin();
    sys_days day{year_month_day(year(first.year), month(static_cast<unsigned>(first.month)),
                                std::chrono::day(static_cast<unsigned>(first.day)))};
    // std::chrono::year ends at 32767 too: a day past it would wrap to year −32768.
    const sys_days last{year_month_day(year(max_year), December, std::chrono::day(31))};
    for (int i = 0; i < count && day <= last; ++i, day += days(1)) {
        const year_month_day ymd(day);
        const ClockDate date{int(ymd.year()), static_cast<std::int16_t>(unsigned(ymd.month())),
                             static_cast<std::int16_t>(unsigned(ymd.day()))};
        while (next != events.cend() && day_before(next->day, date)) ++next;
        auto end = next;
        while (end != events.cend() && end->day == date) ++end;
        visit(date, notes, next, end);
        next = end;
    }
}

std::string time_text(const DayEvent& event) {
    return event.start_minute ? clock_text(*event.start_minute, true) : std::string("終日");
}

}  // namespace

std::string agenda_text(ClockDate first, int count, std::vector<DayEvent> events, HolidayLaw law) {
    std::string text;
    for_days(first, count, events, law, [&](const ClockDate& date, Days& days, auto event, auto end) {
        const auto y = static_cast<std::int16_t>(date.year);
        const DayNotes notes = days.notes(date);
        text +=
            japanese_date(y, date.month, date.day) + "（" + weekday_letter(yobi_keisan(y, date.month, date.day)) + "）";
        for (const std::string* note : {&notes.rokuyo, &notes.solar_term, &notes.holiday}) {
            if (!note->empty()) text += full_width_space + *note;
        }
        text += '\n';
        for (; event != end; ++event) {
            text += std::string(full_width_space) + time_text(*event) + full_width_space + event->title + "（" +
                    event->calendar + "）\n";
        }
    });
    return text;
}

std::string agenda_tsv(ClockDate first, int count, std::vector<DayEvent> events, HolidayLaw law) {
    std::string text;
    for_days(first, count, events, law, [&](const ClockDate& date, Days& days, auto event, auto end) {
        if (event == end) return;
        const DayNotes notes = days.notes(date);
        for (; event != end; ++event) {
            text += iso_date(static_cast<std::int16_t>(date.year), date.month, date.day) + '\t' +
                    (event->start_minute ? clock_text(*event->start_minute, true) : std::string()) + '\t' +
                    event->title + '\t' + event->calendar + '\t' + notes.holiday + '\t' + notes.rokuyo + '\t' +
                    notes.solar_term + '\n';
        }
    });
    return text;
}

}  // namespace kyotu1
