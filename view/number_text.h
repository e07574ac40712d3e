// Numbers and dates as the calendar's texts write them.
#pragma once

#include <cstdint>
#include <string>

namespace kyotu1 {

// "　", which parts the pieces of a Japanese line.
inline constexpr const char* full_width_space = "\u3000";

// A space in the place of the sign when the number is not negative (" 11", "-3").
// Appended, not added to a temporary: GCC 12 warns falsely (-Wrestrict) about
// a character string added to a std::string temporary.
inline std::string signed_text(int number) {
    std::string text = number < 0 ? "" : " ";
    return text += std::to_string(number);
}

// At least `width` characters, `fill` in front: " 5", "12", "0005".
inline std::string right_aligned(int number, std::size_t width, char fill = ' ') {
    std::string digits = std::to_string(number);
    if (digits.size() < width) digits.insert(0, width - digits.size(), fill);
    return digits;
}

// "2026-01-05", as the command line's lists write a date.
inline std::string iso_date(std::int16_t year, std::int16_t month, std::int16_t day) {
    return right_aligned(year, 4, '0') + "-" + right_aligned(month, 2, '0') + "-" + right_aligned(day, 2, '0');
}

// "2026年12月9日", as the window's texts write a date.
inline std::string japanese_date(std::int16_t year, std::int16_t month, std::int16_t day) {
    return std::to_string(year) + "年" + std::to_string(month) + "月" + std::to_string(day) + "日";
}

}  // namespace kyotu1
