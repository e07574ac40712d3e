// Sunrise and sunset at the former Tokyo Observatory (東経 139°44′28.8869″,
// 北緯 35°39′29.1572″), by the national observatory's convention: the
// instant at which the Sun's upper limb meets the horizon, with 35′08″ of
// refraction, the Sun's true semi-diameter and its parallax, and no height
// above the ground.
#pragma once

#include <cstdint>
#include <vector>

namespace kyotu1 {

// JST days from 1970-01-01 00:00 JST; the floor of each is its day.
struct SunTimes {
    double rise;
    double set;
};

// Tokyo's sunrise and sunset on each JST day from first to last (days from
// 1970-01-01), in order.
std::vector<SunTimes> tokyo_sun_times(std::int32_t first, std::int32_t last);

}  // namespace kyotu1
