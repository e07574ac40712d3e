#include "view/law_text.h"

#include <array>

namespace kyotu1 {
namespace {

struct LawTexts {
    std::string_view description, foot, calendar_name, calendar_description;
};

// Indexed by HolidayLaw.
constexpr std::array<LawTexts, 2> law_texts = {{
    {"内蔵の祝日規則（2004年）による祝日", "祝日は内蔵の祝日規則（2004年）による",
     "日本の祝日と暦（内蔵の祝日規則・2004年）",
     "内蔵の祝日規則（2004年）による日本の祝日と暦で、現行の祝日法とは異なります。"},
    {"現行の祝日法による祝日", "祝日は現行の祝日法による", "日本の祝日と暦", "現行の祝日法による日本の祝日と暦です。"},
}};

const LawTexts& texts_of(HolidayLaw law) { return law_texts.at(static_cast<std::size_t>(law)); }

}  // namespace

std::string_view law_description(HolidayLaw law) { return texts_of(law).description; }
std::string_view law_foot(HolidayLaw law) { return texts_of(law).foot; }
std::string_view calendar_name(HolidayLaw law) { return texts_of(law).calendar_name; }
std::string_view calendar_description(HolidayLaw law) { return texts_of(law).calendar_description; }

// The built-in rules take their equinox days from lists of their own, which
// no announcement changes.
bool equinox_unannounced(HolidayLaw law, std::int16_t year, std::int32_t announced_through) {
    return law == HolidayLaw::current && year > announced_through;
}

bool is_equinox_day(const std::string& holiday) { return holiday == "春分の日" || holiday == "秋分の日"; }

}  // namespace kyotu1
