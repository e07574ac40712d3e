#include "engine/sexagenary.h"

#include <array>
#include <string_view>

#include "engine/checked.h"

namespace kyotu1 {
namespace {

constexpr std::array<std::string_view, 10> stems = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<std::string_view, 12> branches = {"子", "丑", "寅", "卯", "辰", "巳",
                                                       "午", "未", "申", "酉", "戌", "亥"};

// 1970-01-01 was a 辛巳 day (17); 4 AD, and every 60th year from it, a 甲子 year.
constexpr int cycle_of_day_zero = 17;
constexpr int first_cycle_year = 4;

int modulo_60(std::int64_t n) { return static_cast<int>(floor_mod(n, std::int64_t{60})); }

}  // namespace

int day_cycle(std::int32_t day) { return modulo_60(std::int64_t{day} + cycle_of_day_zero); }
int year_cycle(int year) { return modulo_60(std::int64_t{year} - first_cycle_year); }

int stem_of(int cycle) { return cycle % 10; }
int branch_of(int cycle) { return cycle % 12; }

std::string cycle_name(int cycle) {
    return std::string(stems.at(static_cast<std::size_t>(stem_of(cycle)))) +
           std::string(branches.at(static_cast<std::size_t>(branch_of(cycle))));
}

}  // namespace kyotu1
