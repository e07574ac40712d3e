// The popup's named pipe on Windows, through Qt Network.
#include "app/popup_socket.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <utility>

#include "app/single_instance.h"
#include "engine/standard_streams.h"

namespace korinde {
namespace {

class PopupServer final : public QObject {
public:
    explicit PopupServer(std::function<void()> close);

private:
    void take_connection();

    QLocalServer server_;
    std::function<void()> close_;
};

}  // namespace

bool close_open_popup() {
    const QString name = popup_socket_name();
    if (name.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(popup_answer_wait_ms)) return false;
    socket.write(popup_close_request);
    if (!socket.waitForBytesWritten(popup_answer_wait_ms)) return false;
    QByteArray answer;
    while (answer.size() < popup_close_answer.size() && socket.waitForReadyRead(popup_answer_wait_ms)) {
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
        kyotu1::print_err(cannot_listen_message + reason.toStdString() + cannot_listen_consequence + '\n');
    }
    connect(&server_, &QLocalServer::newConnection, this, &PopupServer::take_connection);
}

void PopupServer::take_connection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // The pipe's access list, the user's alone, keeps others out.
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto* silence = new QTimer(socket);
        silence->setSingleShot(true);
        connect(silence, &QTimer::timeout, socket, &QLocalSocket::abort);
        silence->start(popup_silence_limit_ms);
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
            while (socket->bytesToWrite() > 0 && socket->waitForBytesWritten(popup_answer_wait_ms)) {
            }
            server_.close();
            close_();
        });
    }
}

void listen_for_close(std::function<void()> close, QObject* owner) {
    (new PopupServer(std::move(close)))->setParent(owner);
}

}  // namespace korinde
