// Numbers and dates as the calendar's texts write them.
#pragma once

#include <cstdint>
#include <string>

namespace kyotu1 {

// A space in the place of the sign when the number is not negative (" 11", "-3").
inline std::string signed_text(int number) { return (number < 0 ? "" : " ") + std::to_string(number); }

// At least `width` digits, zeros in front: "0005", "12".
inline std::string zero_padded(int number, std::size_t width) {
    std::string digits = std::to_string(number);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// "2026-01-05", as the command line's lists write a date.
inline std::string iso_date(std::int16_t year, std::int16_t month, std::int16_t day) {
    return zero_padded(year, 4) + "-" + zero_padded(month, 2) + "-" + zero_padded(day, 2);
}

}  // namespace kyotu1
