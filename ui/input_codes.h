// Key and mouse events turned into the codes the handlers compare.
#pragma once

#include <cstdint>

#include <Qt>

class QKeyEvent;

namespace korinde {

// Shift 1 + Ctrl 2 + Alt 4 as held at the event. At the press of a modifier
// key its own bit is already set, at its release already cleared, whatever
// the platform reports for the key itself.
std::int16_t modifier_mask(const QKeyEvent& event);

// Left 1, right 2, middle 4; 0 for any other button.
std::int16_t mouse_button_code(Qt::MouseButton button);

}  // namespace korinde
