#include "calendars/one_line.h"

#include <string_view>
#include <tuple>

namespace korinde::calendars {
namespace {

// The length of the valid UTF-8 sequence at the start of `text`, or 0.
std::size_t sequence_length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        std::tie(length, minimum, code) = std::tuple(2, 0x80, lead & 0x1F);
    else if (lead >= 0xE0 && lead <= 0xEF)
        std::tie(length, minimum, code) = std::tuple(3, 0x800, lead & 0x0F);
    else if (lead >= 0xF0 && lead <= 0xF4)
        std::tie(length, minimum, code) = std::tuple(4, 0x10000, lead & 0x07);
    else
        return 0;
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < minimum || code > 0x10FFFF || surrogate ? 0 : length;
}

}  // namespace

std::string one_line(const char* text) {
    if (text == nullptr) return {};
    std::string line;
    std::size_t characters = 0;
    bool space_pending = false;
    for (std::string_view rest(text); !rest.empty();) {
        std::size_t length = sequence_length(rest);
        std::string_view character = rest.substr(0, length);
        if (length == 0) {
            character = "\xEF\xBF\xBD";
            length = 1;
        }
        rest.remove_prefix(length);
        const auto first = static_cast<unsigned char>(character[0]);
        // C0 controls, DEL, and C1 controls (U+0080–U+009F, 0xC2 0x80–0x9F).
        const bool control =
            first < 0x20 || first == 0x7F || (first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0);
        if (control || character == " ") {
            space_pending = !line.empty();
            continue;
        }
        if (characters + (space_pending ? 1 : 0) >= max_line_characters) {
            line += "…";
            break;
        }
        if (space_pending) {
            line += ' ';
            ++characters;
            space_pending = false;
        }
        line += character;
        ++characters;
    }
    return line;
}

}  // namespace korinde::calendars
