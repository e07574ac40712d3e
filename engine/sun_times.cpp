#include "engine/sun_times.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>
#include <stdexcept>

#include "engine/ephemeris.h"

namespace kyotu1 {
namespace {

using ephemeris::SunAtUt;

constexpr double arcsec = ERFA_DAS2R;
constexpr double east_longitude = (139 * 3600 + 44 * 60 + 28.8869) * arcsec;
constexpr double latitude = (35 * 3600 + 39 * 60 + 29.1572) * arcsec;
constexpr double refraction = (35 * 60 + 8) * arcsec;
constexpr double semi_diameter_at_1_au = 959.63 * arcsec;  // a radius of 696,000 km
constexpr double parallax_at_1_au = 8.794143 * arcsec;
// The Earth rotation angle's rate, radians per UT1 day.
constexpr double earth_turn = ERFA_D2PI * 1.00273781191135448;

// The Sun's place every few days, read between them by the cubic through the
// four samples around: the place moves so smoothly that sunrises stay within
// 0.05 s of a daily computation, at a quarter of the cost (ERFA's Earth is
// most of a year's time).
class SampledSun {
public:
    static constexpr double step = 4.0;  // days

    SampledSun(double first, double last) : first_(first - step) {
        const auto count = static_cast<std::size_t>(std::ceil((last - first) / step)) + 4;
        samples_.reserve(count);
        for (std::size_t i = 0; i < count; ++i) samples_.push_back(ephemeris::sun_at_ut(first_ + step * double(i)));
    }

    [[nodiscard]] SunAtUt at(double ut) const {
        const double offset = (ut - first_) / step;
        const auto index = static_cast<std::size_t>(std::floor(offset));
        if (offset < 1 || index + 2 >= samples_.size()) throw std::logic_error("sun sample out of range");
        // Lagrange's weights for the samples at −1, 0, 1, 2 around x.
        const double x = offset - double(index);
        const std::array<double, 4> weight = {-x * (x - 1) * (x - 2) / 6, (x + 1) * (x - 1) * (x - 2) / 2,
                                              -(x + 1) * x * (x - 2) / 2, (x + 1) * x * (x - 1) / 6};
        const SunAtUt& middle = samples_[index];
        SunAtUt place{middle.right_ascension, 0, 0, 0};
        for (std::size_t k = 0; k < 4; ++k) {
            const SunAtUt& sample = samples_[index + k - 1];
            place.right_ascension +=
                weight.at(k) * std::remainder(sample.right_ascension - middle.right_ascension, ERFA_D2PI);
            place.declination += weight.at(k) * sample.declination;
            place.distance += weight.at(k) * sample.distance;
            place.equation_of_origins += weight.at(k) * sample.equation_of_origins;
        }
        return place;
    }

private:
    double first_;
    std::vector<SunAtUt> samples_;
};

// The UT1 instant near `guess` at which the upper limb touches the horizon,
// rising or setting: the hour angle the Sun's place asks for, by Newton's
// steps on the Earth's turn, the Sun's place read anew at each.
double horizon_crossing(const SampledSun& sun, double guess, bool rising) {
    double ut = guess;
    for (int i = 0; i < 8; ++i) {
        const SunAtUt place = sun.at(ut);
        const double depression = refraction + (semi_diameter_at_1_au - parallax_at_1_au) / place.distance;
        const double cos_hour = (std::sin(-depression) - std::sin(latitude) * std::sin(place.declination)) /
                                (std::cos(latitude) * std::cos(place.declination));
        if (std::abs(cos_hour) > 1) throw std::logic_error("the Sun does not cross Tokyo's horizon");
        const double wanted = rising ? -std::acos(cos_hour) : std::acos(cos_hour);
        const double hour_angle =
            eraEra00(ERFA_DJ00, ut) + place.equation_of_origins + east_longitude - place.right_ascension;
        const double step = std::remainder(wanted - hour_angle, ERFA_D2PI) / (earth_turn - ERFA_D2PI / 365.2422);
        ut += step;
        if (std::abs(step) < 1e-7) return ut;
    }
    throw std::runtime_error("sunrise search did not converge");
}

}  // namespace

std::vector<SunTimes> tokyo_sun_times(std::int32_t first, std::int32_t last) {
    const SampledSun sun(ephemeris::ut_of_jst(first), ephemeris::ut_of_jst(last + 1));
    const double to_jst = first - ephemeris::ut_of_jst(first);
    std::vector<SunTimes> times;
    times.reserve(static_cast<std::size_t>(last - first) + 1);
    for (std::int32_t day = first; day <= last; ++day) {
        const double morning = ephemeris::ut_of_jst(day + 0.25);
        const double evening = ephemeris::ut_of_jst(day + 0.75);
        times.push_back(
            {horizon_crossing(sun, morning, true) + to_jst, horizon_crossing(sun, evening, false) + to_jst});
    }
    return times;
}

}  // namespace kyotu1
