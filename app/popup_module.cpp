// The popup module: the popup's socket, client and server.
#include "app/popup_entry.h"
#include "app/popup_socket.h"

#include <QCoreApplication>

extern "C" Q_DECL_EXPORT int korinde_close_open_popup() { return korinde::close_open_popup() ? 1 : 0; }

extern "C" Q_DECL_EXPORT void korinde_listen_for_close(void (*close)(void* context), void* context) {
    // Lives as long as the program.
    korinde::listen_for_close([close, context] { close(context); }, QCoreApplication::instance());
}
