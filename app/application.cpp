#include "app/application.h"
#include "engine/standard_streams.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <utility>
#include <vector>

#include <QFontDatabase>

namespace korinde {
namespace {

struct HeldMessage {
    QtMsgType type;
    QString text;
    bool from_platform;  // of a qt.qpa category: the platform plugin's own words
};

const auto check_faces_event = static_cast<QEvent::Type>(QEvent::registerEventType());

QtMessageHandler handler_before_start = nullptr;
std::vector<HeldMessage> held_messages;

// Why Qt gave up, in its own words: the first thing its platform plugins said,
// which names the cause (the display it could not reach, the plugin it could
// not find); the fatal message itself only says that no platform started.
QString reason_for(const QString& fatal) {
    const auto first = std::find_if(held_messages.begin(), held_messages.end(),
                                    [](const HeldMessage& message) { return message.from_platform; });
    return (first != held_messages.end() ? first->text : fatal).section('\n', 0, 0).trimmed();
}

void hold_message(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Started without a console on Windows, Qt has shown its own box already.
        kyotu1::print_err(std::string(no_display_message) + "\n(Qt: " + reason_for(text).toStdString() + ")\n");
        std::_Exit(1);
    }
    const bool from_platform = context.category != nullptr && QByteArray(context.category).startsWith("qt.qpa");
    held_messages.push_back({type, text, from_platform});
}

bool japanese_faces_available() {
    // Where the named faces are missing, Qt falls back on any installed face
    // that writes Japanese, so one such face is enough.
    return !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
}

}  // namespace

namespace detail {

PlatformStartGuard::PlatformStartGuard() { handler_before_start = qInstallMessageHandler(hold_message); }

void PlatformStartGuard::platform_started() {
    if (!std::exchange(holding_, false)) return;
    qInstallMessageHandler(handler_before_start);
    for (const auto& message : std::exchange(held_messages, {})) qt_message_output(message.type, {}, message.text);
}

}  // namespace detail

Application::Application(int& argc, char** argv) : QApplication(argc, argv) { platform_started(); }

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
        report_failed_action();
        return true;
    }
}

// Queued behind the first paint, so the check costs the start nothing.
void Application::check_japanese_faces_soon() { postEvent(this, new QEvent(check_faces_event)); }

void Application::customEvent(QEvent* event) {
    if (event->type() == check_faces_event && !japanese_faces_available()) {
        kyotu1::print_err(std::string(missing_fonts_message) + '\n');
    }
}

}  // namespace korinde
