#include "app/single_instance.h"
#include "engine/standard_streams.h"

#include <array>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
// After windows.h, whose types it uses.
#include <lmcons.h>
#include <sddl.h>

#include <vector>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

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

#ifdef Q_OS_WIN
namespace {

// The user's security identifier, "S-1-5-21-…": one per user, and there
// when the name is not.
QString user_sid() {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) == 0) return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);  // asks for the size
    std::vector<BYTE> user(size);
    QString sid;
    LPWSTR text = nullptr;
    if (size != 0 && GetTokenInformation(token, TokenUser, user.data(), size, &size) != 0 &&
        ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid, &text) != 0) {
        sid = QString::fromWCharArray(text);
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

}  // namespace

// A named pipe: one name space for the whole machine, so the name carries the
// user and the logon session; the pipe's access list admits that user alone.
QString popup_socket_name() {
    wchar_t user[UNLEN + 1];
    DWORD length = UNLEN + 1;
    const QString name = GetUserNameW(user, &length) != 0 ? QString::fromWCharArray(user) : user_sid();
    DWORD session = 0;
    if (name.isEmpty() || ProcessIdToSessionId(GetCurrentProcessId(), &session) == 0) return {};
    return QString("korinde-popup-%1-%2").arg(QString::fromLatin1(name.toUtf8().toHex())).arg(session);
}
bool popup_may_be_open() { return true; }  // a pipe has no file to look for
#else
QString popup_socket_name() { return popup_path(); }

std::optional<sockaddr_un> popup_socket_address() {
    const QByteArray path = QFile::encodeName(popup_path());
    sockaddr_un address{};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return address;
}

// A socket that no one listens on is a dead popup's, and no socket none at
// all: neither needs the popup module loaded to be found out.
bool popup_may_be_open() {
    const auto address = popup_socket_address();
    if (!address) return false;
    const int probe = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (probe < 0) return true;  // the module's to tell
    const bool listening = connect(probe, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0;
    const int reason = errno;
    close(probe);
    return listening || (reason != ENOENT && reason != ECONNREFUSED);
}
#endif

namespace {

// A popup holds the lock for as long as its window module takes to load and
// listen, a fraction of a second; a wait of ten seconds spans a slow machine.
constexpr int lock_wait_ms = 10000;

enum class LockFailure { held, cannot_create, unknown };

// Opened anyway: at worst two popups start at once and both stay open.
void say_lock_not_taken(LockFailure failure, const QString& path) {
    static const std::array<const char*, 3> reasons = {"ほかのプロセスが持ったままです", "ファイルを作れません",
                                                       "原因は不明です"};
    kyotu1::print_err(std::string("korinde: ポップアップの起動の順番を守るためのロックを取れません (") +
                      reasons.at(static_cast<std::size_t>(failure)) + ": " +
                      QDir::toNativeSeparators(path).toStdString() + ")。そのまま開きます。\n");
}

}  // namespace

#ifdef Q_OS_WIN
PopupStartLock::PopupStartLock() : file_(popup_path() + ".lock") {
    if (file_.tryLock(lock_wait_ms)) return;
    const auto error = file_.error();
    say_lock_not_taken(error == QLockFile::LockFailedError   ? LockFailure::held
                       : error == QLockFile::PermissionError ? LockFailure::cannot_create
                                                             : LockFailure::unknown,
                       file_.fileName());
}
#else
// The kernel's lock on the open file: it goes with the process however that
// ends, so nothing stale is left to take over, and taking it writes nothing.
// The empty file stays: removing it would let a popup lock a file that
// another has just replaced.
PopupStartLock::PopupStartLock() {
    const QString path = popup_path() + ".lock";
    descriptor_ = open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (descriptor_ < 0) {
        say_lock_not_taken(LockFailure::cannot_create, path);
        return;
    }
    constexpr int poll_ms = 5;
    for (int waited = 0; flock(descriptor_, LOCK_EX | LOCK_NB) != 0; waited += poll_ms) {
        const bool busy = errno == EWOULDBLOCK || errno == EINTR;
        if (!busy || waited >= lock_wait_ms) {
            say_lock_not_taken(busy ? LockFailure::held : LockFailure::unknown, path);
            release();
            return;
        }
        usleep(poll_ms * 1000);
    }
}

void PopupStartLock::release() {
    if (descriptor_ < 0) return;
    close(descriptor_);  // which drops the lock
    descriptor_ = -1;
}
#endif

}  // namespace korinde
