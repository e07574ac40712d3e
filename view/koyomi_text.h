// The --koyomi list: a year's almanac as the national observatory lists it.
#pragma once

#include <string>

namespace kyotu1 {

// One event a line in time order, tab-separated: the JST date and minute
// (`--:--` for the 雑節 that are days only), the kind (節気, 雑節 or 朔弦望),
// the name, and the Sun's longitude in whole degrees for those that have one:
// "2026-12-22 05:50\t節気\t冬至\t270\n", "2026-02-03 --:--\t雑節\t節分\t\n".
// The year must lie within the almanac's range.
std::string koyomi_list(int year);

}  // namespace kyotu1
