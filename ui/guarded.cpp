#include "ui/guarded.h"

#include "engine/message_box.h"
#include "engine/run_state.h"
#include "engine/standard_streams.h"

namespace korinde {

void report_failed_action() noexcept {
    try {
        kyotu1::msg_box(failed_action_message, kyotu1::mb_icon_warning, "");
    } catch (...) {
        kyotu1::print_err(std::string("korinde: ") + failed_action_message + '\n');
    }
}

}  // namespace korinde
