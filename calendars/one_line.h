// A feed's text as one line of valid UTF-8, for a cell's tooltip, a list's
// line or a TSV field: what a feed may hold is not what those may show.
#pragma once

#include <cstddef>
#include <string>

namespace korinde::calendars {

inline constexpr std::size_t max_line_characters = 200;

// Invalid bytes become U+FFFD; tabs, line ends and other control characters
// a space, runs of spaces one; the ends trimmed; at most max_line_characters
// characters, and "…" after them where it was cut. A null pointer is "".
std::string one_line(const char* text);

}  // namespace korinde::calendars
