#include "ui/guarded.h"

#include <iostream>

#include "engine/message_box.h"
#include "engine/run_state.h"

namespace korinde {

void report_failed_action() noexcept {
    try {
        kyotu1::msg_box(failed_action_message, kyotu1::mb_icon_warning, "");
    } catch (...) {
        std::cerr << "korinde: " << failed_action_message << std::endl;
    }
}

}  // namespace korinde
