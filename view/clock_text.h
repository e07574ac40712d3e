#pragma once

#include <string>

#include "view/number_text.h"

namespace kyotu1 {

// A minute of the day as a clock shows it: "9:52", or "09:52" with the hour
// in two digits as the command line's columns write it.
inline std::string clock_text(int minute_of_day, bool two_digit_hour) {
    std::string text = right_aligned(minute_of_day / 60, two_digit_hour ? 2 : 1, '0');
    text += ':';
    return text += right_aligned(minute_of_day % 60, 2, '0');
}

}  // namespace kyotu1
