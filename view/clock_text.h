// Times of the day as the calendar's texts write them.
#pragma once

#include <string>

#include "engine/koyomi.h"
#include "view/number_text.h"

namespace kyotu1 {

// A minute of the day as a clock shows it: "9:52", or "09:52" with the hour
// in two digits as the command line's columns write it.
inline std::string clock_text(int minute_of_day, bool two_digit_hour) {
    std::string text = right_aligned(minute_of_day / 60, two_digit_hour ? 2 : 1, '0');
    text += ':';
    return text += right_aligned(minute_of_day % 60, 2, '0');
}

// A phase of the moon (0 朔 to 3 下弦) with its minute: "朔 9:52", "朔 09:52".
inline std::string phase_text(int quarter, int minute_of_day, bool two_digit_hour) {
    std::string text(koyomi_name(KoyomiKind::moon_phase, quarter));
    text += ' ';
    return text += clock_text(minute_of_day, two_digit_hour);
}

}  // namespace kyotu1
