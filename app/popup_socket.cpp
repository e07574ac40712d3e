#include "app/popup_socket.h"

#include <QLocalSocket>
#include <QTimer>
#include <iostream>
#include <utility>

#include "app/single_instance.h"

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace korinde {
namespace {

// A client that says nothing for this long is dropped.
constexpr int silence_limit_ms = 2000;
// Long enough for a popup busy with a message box to answer.
constexpr int answer_wait_ms = 2000;

}  // namespace

bool close_open_popup() {
    const QString name = popup_socket_name();
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(answer_wait_ms)) return false;
    socket.write(popup_close_request);
    if (!socket.waitForBytesWritten(answer_wait_ms)) return false;
    QByteArray answer;
    while (answer.size() < popup_close_answer.size() && socket.waitForReadyRead(answer_wait_ms)) {
        answer += socket.readAll();
    }
    return answer == popup_close_answer;
}

PopupServer::PopupServer(std::function<void()> close) : close_(std::move(close)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = popup_socket_name();
    // Only reached when no popup answered, so a socket there is a dead one's.
    if (!name.isEmpty()) QLocalServer::removeServer(name);
    if (name.isEmpty() || !server_.listen(name)) {
        // The popup still opens; only the toggle through a second --popup is lost.
        const QString reason = name.isEmpty() ? QString("利用者かセッションが分かりません") : server_.errorString();
        std::cerr << "korinde: ポップアップの待ち受けを始められません (" << reason.toStdString()
                  << ")。もう一度 --popup としても閉じません。Esc で閉じてください。" << std::endl;
    }
    connect(&server_, &QLocalServer::newConnection, this, &PopupServer::take_connection);
}

// The socket's folder and mode keep other users out already; the peer's
// credentials are checked too where the system tells them.
bool PopupServer::from_this_user(const QLocalSocket& socket) {
#ifdef Q_OS_LINUX
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto descriptor = static_cast<int>(socket.socketDescriptor());
    return getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
#else
    (void)socket;
    return true;
#endif
}

void PopupServer::take_connection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!from_this_user(*socket)) {
            socket->abort();
            continue;
        }
        auto* silence = new QTimer(socket);
        silence->setSingleShot(true);
        connect(silence, &QTimer::timeout, socket, &QLocalSocket::abort);
        silence->start(silence_limit_ms);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray said = socket->peek(popup_close_request.size() + 1);
            if (said.size() > popup_close_request.size() || !popup_close_request.startsWith(said)) {
                socket->abort();  // not the request: dropped, the popup goes on
                return;
            }
            if (said.size() < popup_close_request.size()) return;  // the rest is on its way
            socket->write(popup_close_answer);
            // Out before the popup goes, or the client, left without its
            // answer, would open a new one; bounded, as a client that stopped
            // reading must not hold the popup open.
            while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(answer_wait_ms)) {
            }
            server_.close();
            close_();
        });
    }
}

}  // namespace korinde
