// The sexagenary cycle (干支): ten stems (甲 to 癸) and twelve branches (子 to
// 亥) running together, one step a day and one a year.
#pragma once

#include <cstdint>
#include <string>

namespace kyotu1 {

// Of the day (days from 1970-01-01): one cycle unbroken through the
// calendar's change, 0 being 甲子.
int day_cycle(std::int32_t day);
// Of the year, which the almanac changes on 1 January.
int year_cycle(int year);

int stem_of(int cycle);    // 0 甲 to 9 癸
int branch_of(int cycle);  // 0 子 to 11 亥

// "丙午".
std::string cycle_name(int cycle);

}  // namespace kyotu1
