#include "app/display.h"

#include <iostream>

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

int refuse_without_display() {
    std::cerr << no_display_message << std::endl;
    return 1;
}

}  // namespace korinde
