#pragma once

#include <string>

namespace kyotu1 {

// A number as the calendar's texts write it: a space in the place of the
// sign when it is not negative (" 11", "-3").
inline std::string signed_text(int number) { return (number < 0 ? "" : " ") + std::to_string(number); }

}  // namespace kyotu1
