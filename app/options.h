// The command line's options, in the order --help lists them: the one table
// that the parser's checks, --help and the usage line read. The bash
// completion and the manual page are checked against it by a test.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/almanac.h"
#include "engine/calendar.h"

namespace korinde::options {

// Where the usage line puts an option: in brackets before the choice of
// what to do, as one of the choices, after the choice it goes with, or not
// at all (--help and --version say nothing of the rest).
enum class Place { modifier, action, companion, info };

// The years an option's year may be, and what to say of one outside them.
struct Years {
    std::int16_t first = 0;
    std::int16_t last = 0;
    std::string_view wanted{};
};

inline constexpr std::string_view year_wanted = "年には 1 から 32767 までの数を指定してください";
inline constexpr std::string_view almanac_year_wanted = "暦注の年には 1873 から 2100 までの数を指定してください";
inline constexpr std::string_view holiday_year_wanted = "祝日の年には 1 から 2100 までの数を指定してください";

inline constexpr Years any_year{kyotu1::min_year, kyotu1::max_year, year_wanted};
inline constexpr Years almanac_years{kyotu1::first_almanac_year, kyotu1::last_almanac_year, almanac_year_wanted};
// --ics with holidays alone: the rules reach back to year 1.
inline constexpr Years holiday_years{kyotu1::min_year, kyotu1::last_rule_year, holiday_year_wanted};

struct Option {
    std::string_view name{};       // the long name; "" for the year and month to open at
    std::string_view shorthand{};  // "h", or ""
    std::string_view value{};      // the value's name to Qt; "" for a switch
    Place place = Place::info;
    std::string_view usage{};    // as the usage line writes it
    std::string_view example{};  // offered when the value is missing
    Years years = {};            // of an option whose value is a year
    // The rows of --help: "left\tright", "\tright" going on under the right
    // column, "left" alone on its line when it is wider than the column.
    std::string_view help{};
};

inline constexpr Option positional{
    .place = Place::action,
    .usage = "年 [月]",
    .years = any_year,
    .help = "年 [月]\tその月を開きます (月を省くと今日の月)",
};
inline constexpr Option holidays{
    .name = "holidays",
    .value = "rules",
    .place = Place::modifier,
    .usage = "[--holidays=builtin|current]",
    .example = "--holidays=current",
    .help =
        "--holidays=current\t現行の祝日法による祝日にします (--popup、--list、--almanac、--ics、--pdf の既定)\n"
        "--holidays=builtin\t内蔵の祝日規則 (2004年) による祝日にします (年と月だけで開くウィンドウの既定)",
};
inline constexpr Option popup{
    .name = "popup",
    .place = Place::modifier,
    .usage = "[--popup]",
    .help =
        "--popup\tマウスの位置に開きます。もう一度実行すると閉じます。\n"
        "\tEsc キーか、ほかのウィンドウに移ると閉じます",
};
inline constexpr Option list{
    .name = "list",
    .value = "year",
    .place = Place::action,
    .usage = "--list 年",
    .example = "--list 2026",
    .years = any_year,
    .help = "--list 年\tその年の祝日を「年-月-日<TAB>名前」で一行ずつ書き出します",
};
inline constexpr Option almanac{
    .name = "almanac",
    .value = "year",
    .place = Place::action,
    .usage = "--almanac 年 [月]",
    .example = "--almanac 2026 12",
    .years = almanac_years,
    .help =
        "--almanac 年 [月]\tその年 (または月) の毎日の暦注を一行ずつ書き出します:\n"
        "\t年-月-日、曜日、和暦の年、旧暦の日付、六曜、二十四節気、祝日、\n"
        "\t干支、雑節、月の満ち欠けと時刻、東京の日の出と日の入り\n"
        "\t(タブ区切り、1873 年から 2100 年まで)",
};
inline constexpr Option koyomi{
    .name = "koyomi",
    .value = "year",
    .place = Place::action,
    .usage = "--koyomi 年",
    .example = "--koyomi 2026",
    .years = almanac_years,
    .help =
        "--koyomi 年\tその年の二十四節気、雑節、朔弦望を時刻の順に一行ずつ書き出します:\n"
        "\t年-月-日 時:分、種類、名前、太陽の黄経 (度)\n"
        "\t(タブ区切り、日本時間、1873 年から 2100 年まで、祝日は含みません)",
};
inline constexpr Option ics{
    .name = "ics",
    .value = "year",
    .place = Place::action,
    .usage = "--ics 年 [最後の年]",
    .example = "--ics 2026",
    .years = almanac_years,
    .help =
        "--ics 年 [最後の年]\tその年 (から最後の年まで、50 年まで) の祝日と暦を iCalendar (RFC 5545) で\n"
        "\t書き出します。ほかのカレンダーに取り込めます (終日の予定、同じ ID で更新)",
};
inline constexpr Option ics_include{
    .name = "ics-include",
    .value = "kinds",
    .place = Place::companion,
    .usage = "[--ics-include=種類,…]",
    .example = "--ics-include=holidays,sekki",
    .help =
        "--ics-include=種類,…\t--ics に含めるものをコンマ区切りで選びます (既定: holidays,sekki,zassetsu):\n"
        "\tholidays 祝日、sekki 二十四節気、zassetsu 雑節、moon 朔弦望、rokuyo 六曜\n"
        "\t(祝日だけなら 1 年から、ほかは 1873 年から、2100 年まで)",
};
inline constexpr Option pdf{
    .name = "pdf",
    .value = "year",
    .place = Place::action,
    .usage = "--pdf 年 [月]",
    .example = "--pdf 2026",
    .years = almanac_years,
    .help =
        "--pdf 年 [月] --output ファイル\n"
        "\t印刷用の暦を A4 横の PDF で書き出します: 月を指定するとその月の 1 ページ、\n"
        "\t省くと一年の一覧と 12 か月の 13 ページ (1873 年から 2100 年まで)",
};
// Told of in --pdf's rows, which it goes with.
inline constexpr Option output{
    .name = "output",
    .value = "file",
    .place = Place::companion,
    .usage = "--output ファイル",
    .example = "--output 2026.pdf",
};
inline constexpr Option help{
    .name = "help",
    .shorthand = "h",
    .place = Place::info,
    .help = "-h, --help\tこの説明を表示します",
};
inline constexpr Option version{
    .name = "version",
    .shorthand = "v",
    .place = Place::info,
    .help = "-v, --version\t版を表示します",
};

inline constexpr std::array<const Option*, 12> all = {&positional, &holidays,    &popup, &list,   &almanac, &koyomi,
                                                      &ics,        &ics_include, &pdf,   &output, &help,    &version};

}  // namespace korinde::options
