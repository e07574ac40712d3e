// One popup per user and display: `korinde --popup` closes the popup that is
// open, or opens one. The popup listens on a local socket in the user's
// runtime folder, readable by that user alone; the one request it takes is
// popup_close_request, answered with popup_close_answer.
#pragma once

#include <QByteArray>
#include <QString>

#ifdef Q_OS_WIN
#include <QLockFile>
#endif

#ifndef Q_OS_WIN
#include <sys/un.h>

#include <optional>
#endif

namespace korinde {

inline const QByteArray popup_close_request = "close\n";
inline const QByteArray popup_close_answer = "closing\n";

// The socket's path: per user (the runtime folder is the user's) and per
// display; on Windows a named pipe's name, per user and logon session, or
// empty where Windows does not tell either: a name shared by two would let
// one close the other's popup.
QString popup_socket_name();

#ifndef Q_OS_WIN
// The socket's address, or none where its path is too long for one, where no
// popup can listen.
std::optional<sockaddr_un> popup_socket_address();
#endif

// False only where it is sure that no popup is open: outside Windows, when
// no one listens on its socket. Asking one to close loads the popup module;
// a popup that opens is spared that until it has shown.
bool popup_may_be_open();

// Held from the look for an open popup until the new popup listens, so that
// two started at once cannot both open. A lock left by a process that died
// is taken over.
class PopupStartLock {
public:
    PopupStartLock();
    PopupStartLock(const PopupStartLock&) = delete;
    PopupStartLock& operator=(const PopupStartLock&) = delete;
#ifdef Q_OS_WIN
    void release() { file_.unlock(); }

private:
    QLockFile file_;
#else
    ~PopupStartLock() { release(); }
    void release();

private:
    int descriptor_ = -1;
#endif
};

}  // namespace korinde
