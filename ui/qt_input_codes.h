// Key and mouse events turned into the codes the handlers compare.
#pragma once

#include <cstdint>
#include <optional>

#include <Qt>

class QKeyEvent;

namespace korinde {

// Shift 1 + Ctrl 2 + Alt 4 as held at the event. At the press of a modifier
// key its own bit is already set, at its release already cleared, whatever
// the platform reports for the key itself.
std::int16_t modifier_mask(const QKeyEvent& event);

// What a navigation key asks for: Left or Page Up a month back, Right or
// Page Down a month on (a year with Shift held, ten years with Ctrl), Home
// today's month. Nothing for any other key, or with Alt or Meta held.
struct NavigationKey {
    bool to_today;
    std::int32_t months;  // the step, when not to today
};
std::optional<NavigationKey> navigation_key(const QKeyEvent& event);

// The left button's code; 0 for any other button, which the handlers ignore.
std::int16_t mouse_button_code(Qt::MouseButton button);

}  // namespace korinde
