#include "view/calendar_entries.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <tuple>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/ephemeris.h"
#include "engine/holidays.h"
#include "engine/koyomi.h"
#include "engine/year_days.h"
#include "view/almanac_text.h"
#include "view/clock_text.h"
#include "view/law_text.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

struct KindText {
    std::string_view word;
    std::string_view category;
};
constexpr std::array<KindText, entry_kind_count> kind_texts = {{
    {"holiday", "祝日"},
    {"sekki", "二十四節気"},
    {"zassetsu", "雑節"},
    {"moon", "月相"},
    {"rokuyo", "六曜"},
}};

// The kinds the year's events (koyomi.h) give, and all those of the almanac.
constexpr EntryKinds koyomi_kinds =
    entry_bit(EntryKind::sekki) | entry_bit(EntryKind::zassetsu) | entry_bit(EntryKind::moon);
constexpr EntryKinds almanac_kinds = koyomi_kinds | entry_bit(EntryKind::rokuyo);

EntryKind entry_kind_of(KoyomiKind kind) {
    switch (kind) {
        case KoyomiKind::solar_term: return EntryKind::sekki;
        case KoyomiKind::zassetsu: return EntryKind::zassetsu;
        case KoyomiKind::moon_phase: break;
    }
    return EntryKind::moon;
}

// Indexed by Zassetsu.
constexpr std::array<std::string_view, zassetsu_count> zassetsu_keys = {
    "setsubun", "higan", "shanichi",  "hachijuhachiya", "nyubai",
    "hangesho", "doyo",  "doyo-ushi", "nihyakutoka",    "nihyakuhatsuka",
};

CalendarEntry dated_entry(std::int16_t year, std::int16_t month, std::int16_t day, EntryKind kind,
                          std::string_view name) {
    return {year, month, day, kind, {}, std::string(name), {}};
}

std::string key_of(const KoyomiEvent& event) {
    switch (event.kind) {
        case KoyomiKind::solar_term: return std::to_string(event.index * 15);
        case KoyomiKind::zassetsu: return std::string(zassetsu_keys.at(static_cast<std::size_t>(event.index)));
        case KoyomiKind::moon_phase: break;
    }
    return {};
}

std::string tooltip_of(const CalendarEntry& entry, const YearHolidays& holidays) {
    return day_tooltip(entry.year, entry.month, entry.day, holidays.name(entry.month, entry.day));
}

// A term, 雑節 or phase; a term or 雑節 with an instant gives its minute first.
CalendarEntry koyomi_entry(const KoyomiEvent& event, const YearHolidays& holidays) {
    const ClockDate date = ephemeris::date_of_day(event.day);
    const auto kind = entry_kind_of(event.kind);
    CalendarEntry entry = dated_entry(static_cast<std::int16_t>(date.year), date.month, date.day, kind,
                                      koyomi_name(event.kind, event.index));
    entry.key = key_of(event);
    if (event.jst) {
        // The day's text names a phase with its minute, the rest without.
        const int minute = minute_of_day(*event.jst);
        if (kind == EntryKind::moon) {
            entry.summary = phase_text(event.index, minute, false);
        } else {
            (entry.description = entry.summary) += ' ';
            (entry.description += clock_text(minute, false)) += '\n';
        }
    }
    entry.description += tooltip_of(entry, holidays);
    return entry;
}

void add_year(std::vector<CalendarEntry>& entries, std::int16_t year, const EntryRequest& request) {
    const EntryKinds kinds = request.kinds;
    const YearHolidays holidays = holidays_of(year, request.law);
    const bool unannounced = equinox_unannounced(request.law, year, request.announced_through);
    const bool rokuyo = (kinds & entry_bit(EntryKind::rokuyo)) != 0;
    for_each_day(year, 1, 12, [&](std::int16_t month, std::int16_t day) {
        if ((kinds & entry_bit(EntryKind::holiday)) != 0 && holidays.is_holiday(month, day)) {
            const std::string& name = holidays.name(month, day);
            CalendarEntry entry = dated_entry(year, month, day, EntryKind::holiday, name);
            entry.description = tooltip_of(entry, holidays);
            if (unannounced && is_equinox_day(name)) entry.description += unannounced_note;
            entries.push_back(std::move(entry));
        }
        if (rokuyo) {
            entries.push_back(
                dated_entry(year, month, day, EntryKind::rokuyo, run_almanac().day(year, month, day).value().rokuyo));
        }
    });
    if ((kinds & koyomi_kinds) == 0) return;
    for (const KoyomiEvent& event : run_almanac().events(year)) {
        if ((kinds & entry_bit(entry_kind_of(event.kind))) != 0) entries.push_back(koyomi_entry(event, holidays));
    }
}

}  // namespace

std::string_view entry_kind_word(EntryKind kind) { return kind_texts.at(static_cast<std::size_t>(kind)).word; }

std::string_view entry_category(EntryKind kind) { return kind_texts.at(static_cast<std::size_t>(kind)).category; }

std::vector<CalendarEntry> calendar_entries(const EntryRequest& request) {
    const int lowest = (request.kinds & almanac_kinds) != 0 ? first_almanac_year : min_year;
    if (request.first_year < lowest || request.last_year > last_rule_year || request.first_year > request.last_year) {
        throw std::out_of_range("years outside the calendar's entries");
    }
    std::vector<CalendarEntry> entries;
    for (int year = request.first_year; year <= request.last_year; ++year) {
        const std::size_t start = entries.size();
        add_year(entries, static_cast<std::int16_t>(year), request);
        std::stable_sort(entries.begin() + static_cast<std::ptrdiff_t>(start), entries.end(),
                         [](const CalendarEntry& a, const CalendarEntry& b) {
                             return std::tie(a.month, a.day, a.kind) < std::tie(b.month, b.day, b.kind);
                         });
    }
    return entries;
}

std::string entry_uid(const CalendarEntry& entry) {
    std::string uid = right_aligned(entry.year, 4, '0');
    uid += right_aligned(entry.month, 2, '0');
    uid += right_aligned(entry.day, 2, '0');
    (uid += '-') += entry_kind_word(entry.kind);
    if (!entry.key.empty()) (uid += '-') += entry.key;
    return uid += "@korinde";
}

}  // namespace kyotu1
