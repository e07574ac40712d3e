// The codes the handlers receive for the modifier keys and mouse buttons.
#pragma once

#include <cstdint>

namespace kyotu1 {

// Modifier mask bits of a key event.
inline constexpr std::int16_t mask_shift = 1;
inline constexpr std::int16_t mask_ctrl = 2;
inline constexpr std::int16_t mask_alt = 4;

// The mouse button the handlers answer; the others arrive as 0.
inline constexpr std::int16_t button_left = 1;

}  // namespace kyotu1
