#include "ui/qt_input_codes.h"

#include <QKeyEvent>

#include "view/input_codes.h"
#include "view/navigation.h"

namespace korinde {
namespace {

// X11 keysyms of the Alt keys that arrive as Key_Meta while Shift is held.
constexpr quint32 keysym_meta_left = 0xffe7;
constexpr quint32 keysym_meta_right = 0xffe8;

std::int16_t own_modifier_bit(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Shift: return kyotu1::mask_shift;
        case Qt::Key_Control: return kyotu1::mask_ctrl;
        case Qt::Key_Alt: return kyotu1::mask_alt;
        case Qt::Key_Meta: {
            const quint32 keysym = event.nativeVirtualKey();
            const bool alt = keysym == keysym_meta_left || keysym == keysym_meta_right;
            return alt ? kyotu1::mask_alt : std::int16_t{0};
        }
        default: return 0;
    }
}

}  // namespace

std::int16_t modifier_mask(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    int mask = 0;
    if (held.testFlag(Qt::ShiftModifier)) mask |= kyotu1::mask_shift;
    if (held.testFlag(Qt::ControlModifier)) mask |= kyotu1::mask_ctrl;
    if (held.testFlag(Qt::AltModifier)) mask |= kyotu1::mask_alt;

    const int own = own_modifier_bit(event);
    if (event.type() == QEvent::KeyPress) {
        mask |= own;
    } else {
        mask &= ~own;
    }
    return static_cast<std::int16_t>(mask);
}

std::optional<NavigationKey> navigation_key(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    if (held.testAnyFlags(Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
    const std::int32_t step = held.testFlag(Qt::ControlModifier) ? kyotu1::decade_step_months
                              : held.testFlag(Qt::ShiftModifier) ? kyotu1::year_step_months
                                                                 : 1;
    switch (event.key()) {
        case Qt::Key_Left:
        case Qt::Key_PageUp: return NavigationKey{false, -step};
        case Qt::Key_Right:
        case Qt::Key_PageDown: return NavigationKey{false, step};
        case Qt::Key_Home: return NavigationKey{true, 0};
        default: return std::nullopt;
    }
}

std::int16_t mouse_button_code(Qt::MouseButton button) { return button == Qt::LeftButton ? kyotu1::button_left : 0; }

}  // namespace korinde
