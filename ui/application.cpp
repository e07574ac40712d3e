#include "ui/application.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>
#include <vector>

#include <QFontDatabase>
#include <QTimer>

#include "engine/kyotu1.h"

namespace korinde {
namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
};

QtMessageHandler handler_before_start = nullptr;
std::vector<HeldMessage> held_messages;

void hold_message(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", no_display_message);
        std::_Exit(1);
    }
    held_messages.push_back({type, text});
}

}  // namespace

namespace detail {

PlatformStartGuard::PlatformStartGuard() { handler_before_start = qInstallMessageHandler(hold_message); }

void PlatformStartGuard::platform_started() {
    if (!std::exchange(holding_, false)) return;
    qInstallMessageHandler(handler_before_start);
    for (const auto& [type, text] : std::exchange(held_messages, {})) qt_message_output(type, {}, text);
}

}  // namespace detail

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { platform_started(); }

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
        try {
            kyotu1::msg_box(failed_action_message, kyotu1::mb_icon_warning, "");
        } catch (const std::exception&) {
            std::fprintf(stderr, "korinde: %s\n", failed_action_message);
        }
        return true;
    }
}

bool display_configured() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#endif
}

int refuse_without_display() {
    std::fprintf(stderr, "%s\n", no_display_message);
    return 1;
}

bool japanese_faces_available() {
    // Where the named faces are missing, Qt falls back on any installed face
    // that writes Japanese, so one such face is enough.
    return !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

// After the first paint, so the check costs the start nothing.
void check_japanese_faces_soon() {
    QTimer::singleShot(0, [] {
        if (!japanese_faces_available()) std::fprintf(stderr, "%s\n", missing_fonts_message);
    });
}

}  // namespace korinde
