// The two ways colours are written, each a type of its own so that a value
// cannot be read in the other: the window's platform writes 0x00BBGGRR, print
// designs 0xRRGGBB.
#pragma once

#include <cstdint>

namespace kyotu1 {

struct BgrColour {
    std::uint32_t bgr;
    friend constexpr bool operator==(BgrColour, BgrColour) = default;
};

struct RgbColour {
    std::uint32_t rgb;
    friend constexpr bool operator==(RgbColour, RgbColour) = default;
};

}  // namespace kyotu1
