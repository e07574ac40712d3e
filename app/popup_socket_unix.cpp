// The popup's Unix socket, the system's own watched by Qt Core: Qt Network
// and the libraries it links would add more than a megabyte to every popup.
#include "app/popup_socket.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>
#include <variant>

#include <QByteArray>
#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>

#include "app/single_instance.h"
#include "engine/standard_streams.h"

namespace korinde {
namespace {

// Waits until the descriptor is ready for events, at most until the deadline.
bool ready(int descriptor, short events, const QDeadlineTimer& deadline) {
    pollfd watched{descriptor, events, 0};
    int result = 0;
    do {
        result = poll(&watched, 1, static_cast<int>(deadline.remainingTime()));
    } while (result < 0 && errno == EINTR);
    return result > 0;
}

// One client: dropped when it says anything but the request, is another
// user, or stays silent too long.
class Client final : public QObject {
public:
    Client(int descriptor, std::function<void()> answered, QObject* parent)
        : QObject(parent),
          descriptor_(descriptor),
          readable_(descriptor, QSocketNotifier::Read),
          answered_(std::move(answered)) {
        connect(&readable_, &QSocketNotifier::activated, this, &Client::read);
        silence_.setSingleShot(true);
        connect(&silence_, &QTimer::timeout, this, &QObject::deleteLater);
        silence_.start(popup_silence_limit_ms);
    }
    ~Client() override { ::close(descriptor_); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // The socket's folder and mode keep other users out already; the peer's
    // credentials are checked too where the system tells them.
    static bool from_this_user(int descriptor) {
#ifdef SO_PEERCRED
        ucred peer{};
        socklen_t size = sizeof peer;
        return getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
#else
        uid_t user = 0;
        gid_t group = 0;
        return getpeereid(descriptor, &user, &group) == 0 && user == getuid();
#endif
    }

private:
    void read() {
        std::array<char, 16> buffer{};
        const ssize_t count = ::read(descriptor_, buffer.data(), buffer.size());
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) return;
        said_.append(buffer.data(), count > 0 ? count : 0);
        if (count <= 0 || !popup_close_request.startsWith(said_)) {
            readable_.setEnabled(false);
            deleteLater();  // gone, or not the request: dropped, the popup goes on
            return;
        }
        if (said_.size() < popup_close_request.size()) return;  // the rest is on its way
        readable_.setEnabled(false);
        // Out before the popup goes, or the client, left without its answer,
        // would open a new one; bounded, as a client that stopped reading must
        // not hold the popup open.
        const QDeadlineTimer deadline(popup_answer_wait_ms);
        qsizetype written = 0;
        while (written < popup_close_answer.size() && ready(descriptor_, POLLOUT, deadline)) {
            const ssize_t sent = ::send(descriptor_, popup_close_answer.constData() + written,
                                        static_cast<std::size_t>(popup_close_answer.size() - written), MSG_NOSIGNAL);
            if (sent < 0 && errno != EINTR && errno != EAGAIN) break;
            if (sent > 0) written += sent;
        }
        answered_();
    }

    int descriptor_;
    QSocketNotifier readable_;
    QTimer silence_;
    QByteArray said_;
    std::function<void()> answered_;
};

class PopupServer final : public QObject {
public:
    PopupServer(int descriptor, std::function<void()> close, QObject* owner)
        : QObject(owner),
          descriptor_(descriptor),
          incoming_(descriptor, QSocketNotifier::Read),
          close_(std::move(close)) {
        connect(&incoming_, &QSocketNotifier::activated, this, &PopupServer::take_connection);
    }
    ~PopupServer() override { stop(); }
    PopupServer(const PopupServer&) = delete;
    PopupServer& operator=(const PopupServer&) = delete;

private:
    void take_connection() {
        const int client = accept4(descriptor_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (client < 0) return;
        if (!Client::from_this_user(client)) {
            ::close(client);
            return;
        }
        new Client(
            client,
            [this] {
                stop();
                close_();
            },
            this);
    }

    // The socket goes with the popup, so that the next --popup opens at once.
    void stop() {
        if (descriptor_ < 0) return;
        incoming_.setEnabled(false);
        ::close(descriptor_);
        descriptor_ = -1;
        unlink(QFile::encodeName(popup_socket_name()).constData());
    }

    int descriptor_;
    QSocketNotifier incoming_;
    std::function<void()> close_;
};

// A socket listening for this user alone, or the reason why not.
std::variant<int, QString> listening_socket() {
    const auto address = popup_socket_address();
    if (!address) return QString("ソケットの場所が長すぎます");
    const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0) return QString::fromLocal8Bit(std::strerror(errno));
    // Only reached when no popup answered, so a socket there is a dead one's.
    struct stat there {};
    if (lstat(address->sun_path, &there) == 0 && S_ISSOCK(there.st_mode)) unlink(address->sun_path);
    const auto* name = reinterpret_cast<const sockaddr*>(&*address);
    if (bind(descriptor, name, sizeof *address) != 0 || chmod(address->sun_path, S_IRUSR | S_IWUSR) != 0 ||
        listen(descriptor, 8) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        ::close(descriptor);
        return reason;
    }
    return descriptor;
}

}  // namespace

bool close_open_popup() {
    const auto address = popup_socket_address();
    if (!address) return false;
    const int descriptor = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (descriptor < 0) return false;
    QByteArray answer;
    const QDeadlineTimer deadline(popup_answer_wait_ms);
    if (connect(descriptor, reinterpret_cast<const sockaddr*>(&*address), sizeof *address) == 0 &&
        send(descriptor, popup_close_request.constData(), static_cast<std::size_t>(popup_close_request.size()),
             MSG_NOSIGNAL) == popup_close_request.size()) {
        std::array<char, 16> buffer{};
        while (answer.size() < popup_close_answer.size() && ready(descriptor, POLLIN, deadline)) {
            const ssize_t count = read(descriptor, buffer.data(), buffer.size());
            if (count <= 0 && !(count < 0 && errno == EINTR)) break;
            if (count > 0) answer.append(buffer.data(), count);
        }
    }
    ::close(descriptor);
    return answer == popup_close_answer;
}

void listen_for_close(std::function<void()> close, QObject* owner) {
    const auto listening = listening_socket();
    if (const auto* reason = std::get_if<QString>(&listening)) {
        kyotu1::print_err(cannot_listen_message + reason->toStdString() + cannot_listen_consequence + '\n');
        return;
    }
    new PopupServer(std::get<int>(listening), std::move(close), owner);
}

}  // namespace korinde
