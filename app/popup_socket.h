// The popup's socket: a second --popup asks the open one to close; the open
// one closes when asked, and ignores anything else and any other user.
#pragma once

#include <functional>

#include <QLocalServer>

namespace korinde {

// Asks the open popup to close. True when one took the request. Needs no
// application object.
bool close_open_popup();

class PopupServer final : public QObject {
public:
    // Listens, taking over a socket that a popup which died left behind.
    explicit PopupServer(std::function<void()> close);

private:
    void take_connection();
    static bool from_this_user(const QLocalSocket& socket);

    QLocalServer server_;
    std::function<void()> close_;
};

}  // namespace korinde
