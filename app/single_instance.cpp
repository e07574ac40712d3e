#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace korinde {
namespace {

QString display_name() {
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = "default";
    // Only letters, digits, dots and dashes go into the file name.
    for (QChar& c : display) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != '.' && c != '-') c = '_';
    }
    return display;
}

// Looked up once: without XDG_RUNTIME_DIR, Qt warns at every look-up.
QString runtime_path(const QString& name) {
    static const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return QDir(folder).filePath(name);
}

// One popup's socket and lock file share this name.
QString popup_path() { return runtime_path("korinde-popup-" + display_name()); }

}  // namespace

QString popup_socket_name() { return popup_path(); }

// A popup holds the lock for as long as its window module takes to load and
// listen, a fraction of a second; a wait of ten seconds spans a slow machine.
PopupStartLock::PopupStartLock() : file_(popup_path() + ".lock") { file_.tryLock(10000); }

}  // namespace korinde
