#include "app/display.h"

#include <iostream>

#include <QByteArray>
#include <QtGlobal>

namespace korinde {

bool display_configured() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#endif
}

void choose_popup_platform() {
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) return;
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", QByteArray("xcb"));
    } else {
        std::cerr << wayland_popup_message << std::endl;
    }
#endif
}

int refuse_without_display() {
    std::cerr << no_display_message << std::endl;
    return 1;
}

}  // namespace korinde
