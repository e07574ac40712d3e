// Event handlers of the window run through guarded(): an exception one lets
// out is reported in a warning box and goes no further, so none crosses Qt's
// code, which is not written to pass them on.
#pragma once

#include <exception>

namespace korinde {

// Shown when an event handler fails; the window goes on working.
inline const char* const failed_action_message =
    "この操作を最後まで行えませんでした。\n\nカレンダーはそのまま使えます。";

// Says in a warning box that an action failed; the window goes on working.
void report_failed_action() noexcept;

template <typename Handler>
void guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception&) {
        report_failed_action();
    }
}

}  // namespace korinde
