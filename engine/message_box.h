// The button-and-icon values a message box is asked for, and the answers it
// gives: the low three bits choose the buttons, the next three the icon.
// Only the ones the program shows are here.
#pragma once

#include <cstdint>

namespace kyotu1 {

inline constexpr std::int16_t mb_ok_only = 0;
inline constexpr std::int16_t mb_yes_no = 4;
inline constexpr std::int16_t mb_buttons = 0x07;

inline constexpr std::int16_t mb_icon_warning = 48;
inline constexpr std::int16_t mb_icon_information = 64;
inline constexpr std::int16_t mb_icons = 0x70;

inline constexpr std::int16_t answer_ok = 1;
inline constexpr std::int16_t answer_yes = 6;
inline constexpr std::int16_t answer_no = 7;

}  // namespace kyotu1
