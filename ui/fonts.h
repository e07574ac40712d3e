// The faces the window asks for by name; prepare_application() maps each to
// an installed face where the original is missing.
#pragma once

namespace korinde::fonts {

inline constexpr const char* proportional_gothic = "ＭＳ Ｐゴシック";
inline constexpr const char* fixed_gothic = "ＭＳ ゴシック";
inline constexpr const char* small_fonts = "Small Fonts";

}  // namespace korinde::fonts
