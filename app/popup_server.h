// The open popup's side of the socket: closes the window when asked, ignores
// anything else and any other user.
#pragma once

#include <QLocalServer>
#include <QPointer>
#include <QWidget>

namespace korinde {

class PopupServer final : public QObject {
public:
    // Listens, taking over a socket that a popup which died left behind.
    explicit PopupServer(QWidget& window);

private:
    void take_connection();
    static bool from_this_user(const QLocalSocket& socket);

    QLocalServer server_;
    QPointer<QWidget> window_;
};

}  // namespace korinde
