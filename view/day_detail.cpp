#include "view/day_detail.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "engine/holidays.h"
#include "engine/message_box.h"
#include "engine/run_state.h"
#include "view/number_text.h"

namespace kyotu1 {
namespace {

// The day number of a cell caption, spaces around it ignored.
std::optional<std::int16_t> caption_day(std::string_view caption) {
    const auto first = caption.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    caption = caption.substr(first, caption.find_last_not_of(' ') - first + 1);

    const char* const caption_end = caption.data() + caption.size();
    std::int16_t day = 0;
    const auto [end, error] = std::from_chars(caption.data(), caption_end, day);
    if (error != std::errc{} || end != caption_end) return std::nullopt;
    if (day < 1 || day > 31) return std::nullopt;
    return day;
}

}  // namespace

void hi_hyoji(std::int16_t year, std::int16_t month, std::int16_t day) {
    syukujitu_set(year);
    const std::string& name = holiday_name(month, day);
    if (name.empty()) return;
    const std::string text =
        signed_text(year) + "年" + signed_text(month) + "月" + signed_text(day) + "日:" + name + "\n\n";
    msg_box(text, mb_ok_only, "");
}

void day_cell_released(const std::string& caption, std::int16_t button) {
    if (button != button_left) return;
    if (const auto day = caption_day(caption)) hi_hyoji(disp_year, disp_month, *day);
}

}  // namespace kyotu1
