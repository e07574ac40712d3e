// A year's almanac as the national observatory lists it: the 二十四節気, the
// 雑節 and the phases of the moon (朔弦望), each on its JST day, most with
// their instant.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/lunisolar.h"

namespace kyotu1 {

enum class KoyomiKind : std::uint8_t { solar_term, zassetsu, moon_phase };

// The 雑節, in the order a day's names are joined.
enum class Zassetsu : std::uint8_t {
    setsubun,
    higan,
    shanichi,
    hachijuhachiya,
    nyubai,
    hangesho,
    doyo,
    doyo_ushi,
    nihyakutoka,
    nihyakuhatsuka,
};
inline constexpr int zassetsu_count = 10;

struct KoyomiEvent {
    std::int32_t day;           // JST days from 1970-01-01
    std::optional<double> jst;  // the instant in JST days, for those that have one
    KoyomiKind kind;
    int index;                   // the term (0 春分 to 23), the Zassetsu, or the quarter (0 朔 to 3 下弦)
    std::optional<int> degrees;  // the Sun's longitude that gives it
};

// "冬至", "土用の入り", "望".
std::string_view koyomi_name(KoyomiKind kind, int index);

// Every event whose JST day lies in the year (1873 to 2100), in time order,
// the day-only ones first on their day in the order of Zassetsu.
std::vector<KoyomiEvent> koyomi_events(lunisolar::InstantDays& instants, int year);

}  // namespace kyotu1
