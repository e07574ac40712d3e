// Between the program and its popup module, the popup's socket. Only a
// --popup loads it, and only when a popup may be open or once one has shown.
#pragma once

extern "C" {

// Asks the open popup to close: 1 when one took the request, else 0.
int korinde_close_open_popup();

// Listens for the request to close and then calls close(context) on the
// event loop; anything else on the socket is dropped. Needs the application
// object; the listener lives as long as the program.
void korinde_listen_for_close(void (*close)(void* context), void* context);
}

namespace korinde {
inline constexpr const char* close_open_popup_symbol = "korinde_close_open_popup";
inline constexpr const char* listen_for_close_symbol = "korinde_listen_for_close";
using CloseOpenPopup = int (*)();
using ListenForClose = void (*)(void (*)(void*), void*);
}  // namespace korinde
