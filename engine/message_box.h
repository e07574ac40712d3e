// The button-and-icon values a message box is asked for, and the answers it
// gives: the low three bits choose the buttons, the next three the icon.
#pragma once

#include <cstdint>

namespace kyotu1 {

inline constexpr std::int16_t mb_ok_only = 0;
inline constexpr std::int16_t mb_ok_cancel = 1;
inline constexpr std::int16_t mb_abort_retry_ignore = 2;
inline constexpr std::int16_t mb_yes_no_cancel = 3;
inline constexpr std::int16_t mb_yes_no = 4;
inline constexpr std::int16_t mb_retry_cancel = 5;
inline constexpr std::int16_t mb_buttons = 0x07;

inline constexpr std::int16_t mb_icon_critical = 16;
inline constexpr std::int16_t mb_icon_question = 32;
inline constexpr std::int16_t mb_icon_warning = 48;
inline constexpr std::int16_t mb_icon_information = 64;
inline constexpr std::int16_t mb_icons = 0x70;

inline constexpr std::int16_t answer_ok = 1;
inline constexpr std::int16_t answer_cancel = 2;
inline constexpr std::int16_t answer_abort = 3;
inline constexpr std::int16_t answer_retry = 4;
inline constexpr std::int16_t answer_ignore = 5;
inline constexpr std::int16_t answer_yes = 6;
inline constexpr std::int16_t answer_no = 7;

}  // namespace kyotu1
