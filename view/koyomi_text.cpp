#include "view/koyomi_text.h"

#include <array>
#include <stdexcept>

#include "engine/almanac.h"
#include "engine/ephemeris.h"
#include "engine/koyomi.h"
#include "view/clock_text.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

constexpr std::array<const char*, 3> kind_names = {"節気", "雑節", "朔弦望"};

std::string date_text(std::int32_t day) {
    const ClockDate date = ephemeris::date_of_day(day);
    return iso_date(static_cast<std::int16_t>(date.year), date.month, date.day);
}

}  // namespace

std::string koyomi_list(int year) {
    if (year < first_almanac_year || year > last_almanac_year) throw std::out_of_range("year outside the almanac");
    std::string list;
    for (const KoyomiEvent& event : run_almanac().events(year)) {
        // Appended piece by piece (see signed_text).
        list += date_text(event.day);
        list += ' ';
        list += event.jst ? clock_text(minute_of_day(*event.jst), true) : "--:--";
        list += '\t';
        list += kind_names.at(static_cast<std::size_t>(event.kind));
        list += '\t';
        list += koyomi_name(event.kind, event.index);
        list += '\t';
        if (event.degrees) list += std::to_string(*event.degrees);
        list += '\n';
    }
    return list;
}

}  // namespace kyotu1
