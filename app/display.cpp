#include "app/display.h"
#include "engine/standard_streams.h"

#include <QByteArray>
#include <QtGlobal>

namespace korinde {
namespace {

// An empty variable, as a script leaves QT_QPA_PLATFORM=$UNSET, names
// nothing: Qt reads it so too.
[[maybe_unused]] bool named(const char* variable) { return !qEnvironmentVariableIsEmpty(variable); }

}  // namespace

bool display_configured() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return named("QT_QPA_PLATFORM") || named("DISPLAY") || named("WAYLAND_DISPLAY");
#endif
}

void choose_popup_platform() {
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    if (named("QT_QPA_PLATFORM") || !named("WAYLAND_DISPLAY")) return;
    if (named("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
    } else {
        kyotu1::print_err(std::string(wayland_popup_message) + '\n');
    }
#endif
}

int refuse_without_display() {
    kyotu1::print_err(std::string(no_display_message) + '\n');
    return 1;
}

}  // namespace korinde
