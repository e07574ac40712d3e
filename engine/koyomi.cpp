#include "engine/koyomi.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <stdexcept>
#include <tuple>

#include "engine/ephemeris.h"
#include "engine/sexagenary.h"

namespace kyotu1 {
namespace {

// Indexed by the Sun's longitude / 15°, from 春分 at 0°.
constexpr std::array<std::string_view, 24> solar_term_names = {
    "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄",
};
constexpr std::array<std::string_view, zassetsu_count> zassetsu_names = {
    "節分", "彼岸の入り", "社日", "八十八夜", "入梅", "半夏生", "土用の入り", "土用の丑の日", "二百十日", "二百二十日",
};
constexpr std::array<std::string_view, 4> phase_names = {"朔", "上弦", "望", "下弦"};

constexpr int vernal_equinox = 0;
constexpr int autumnal_equinox = 12;
constexpr int risshun = 21;  // 立春, 315°

// Each 土用 begins as the Sun reaches its longitude and lasts to the day
// before the term that opens the next season.
struct Doyo {
    int degrees;
    int season_term;
};
constexpr std::array<Doyo, 4> doyo = {{{297, risshun}, {27, 3}, {117, 9}, {207, 15}}};

// The 雑節 counted in days from 立春, its first day being the first.
struct CountedDay {
    Zassetsu zassetsu;
    int nth_day;
};
constexpr std::array<CountedDay, 3> counted_from_risshun = {{
    {Zassetsu::hachijuhachiya, 88},
    {Zassetsu::nihyakutoka, 210},
    {Zassetsu::nihyakuhatsuka, 220},
}};

constexpr int tsuchinoe = 4;  // the stem 戊
constexpr int ushi = 1;       // the branch 丑

// The 戊 day nearest the equinox day; of two five days away, the earlier.
std::int32_t shanichi(std::int32_t equinox) {
    const int ahead = (tsuchinoe - stem_of(day_cycle(equinox)) + 10) % 10;
    return ahead < 5 ? equinox + ahead : equinox + ahead - 10;
}

KoyomiEvent timed(double jst, KoyomiKind kind, int index, std::optional<int> degrees) {
    return {ephemeris::day_of_jst(jst), jst, kind, index, degrees};
}

KoyomiEvent on_day(std::int32_t day, Zassetsu zassetsu) {
    return {day, std::nullopt, KoyomiKind::zassetsu, static_cast<int>(zassetsu), std::nullopt};
}

KoyomiEvent by_longitude(int year, int degrees, Zassetsu zassetsu) {
    return timed(ephemeris::jst_of_tt(lunisolar::sun_longitude_instant(year, degrees)), KoyomiKind::zassetsu,
                 static_cast<int>(zassetsu), degrees);
}

void add_zassetsu(lunisolar::InstantDays& instants, int year, std::vector<KoyomiEvent>& events) {
    const std::int32_t risshun_day = instants.solar_term_day(year, risshun);
    events.push_back(on_day(risshun_day - 1, Zassetsu::setsubun));
    for (const CountedDay& counted : counted_from_risshun) {
        events.push_back(on_day(risshun_day + counted.nth_day - 1, counted.zassetsu));
    }
    for (const int equinox : {vernal_equinox, autumnal_equinox}) {
        const std::int32_t day = instants.solar_term_day(year, equinox);
        events.push_back(on_day(day - 3, Zassetsu::higan));
        events.push_back(on_day(shanichi(day), Zassetsu::shanichi));
    }
    events.push_back(by_longitude(year, 80, Zassetsu::nyubai));
    events.push_back(by_longitude(year, 100, Zassetsu::hangesho));
    for (const Doyo& season : doyo) {
        const KoyomiEvent begins = by_longitude(year, season.degrees, Zassetsu::doyo);
        events.push_back(begins);
        const std::int32_t next_season = instants.solar_term_day(year, season.season_term);
        for (std::int32_t day = begins.day; day < next_season; ++day) {
            if (branch_of(day_cycle(day)) == ushi) events.push_back(on_day(day, Zassetsu::doyo_ushi));
        }
    }
}

void add_moon_phases(lunisolar::InstantDays& instants, std::int32_t first, std::int32_t last,
                     std::vector<KoyomiEvent>& events) {
    const std::int32_t from = ephemeris::lunation_near(ephemeris::tt_of_jst_day(first)) - 1;
    const std::int32_t to = ephemeris::lunation_near(ephemeris::tt_of_jst_day(last)) + 1;
    for (std::int32_t lunation = from; lunation <= to; ++lunation) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double jst = quarter == 0 ? instants.new_moon_jst(lunation)
                                            : ephemeris::jst_of_tt(ephemeris::moon_phase(lunation, quarter));
            const KoyomiEvent phase = timed(jst, KoyomiKind::moon_phase, quarter, std::nullopt);
            if (first <= phase.day && phase.day <= last) events.push_back(phase);
        }
    }
}

}  // namespace

std::string_view koyomi_name(KoyomiKind kind, int index) {
    const auto at = static_cast<std::size_t>(index);
    switch (kind) {
        case KoyomiKind::solar_term: return solar_term_names.at(at);
        case KoyomiKind::zassetsu: return zassetsu_names.at(at);
        case KoyomiKind::moon_phase: return phase_names.at(at);
    }
    throw std::out_of_range("no such kind");
}

std::vector<KoyomiEvent> koyomi_events(lunisolar::InstantDays& instants, int year) {
    const std::int32_t first = ephemeris::day_number(std::chrono::year{year} / 1 / 1);
    const std::int32_t last = ephemeris::day_number(std::chrono::year{year} / 12 / 31);
    std::vector<KoyomiEvent> events;
    events.reserve(100);
    for (int index = 0; index < 24; ++index) {
        events.push_back(timed(instants.solar_term_jst(year, index), KoyomiKind::solar_term, index, index * 15));
    }
    add_zassetsu(instants, year, events);
    add_moon_phases(instants, first, last, events);
    std::erase_if(events, [&](const KoyomiEvent& event) { return event.day < first || event.day > last; });
    // By day; on a day, the 雑節 without an instant first, in the order a
    // day's names are joined, then the rest by their instants.
    std::sort(events.begin(), events.end(), [](const KoyomiEvent& a, const KoyomiEvent& b) {
        const auto key = [](const KoyomiEvent& e) {
            return std::tuple(e.day, e.jst.has_value(), e.jst.value_or(e.index));
        };
        return key(a) < key(b);
    });
    return events;
}

}  // namespace kyotu1
