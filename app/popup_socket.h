// The popup's socket: a second --popup asks the open one to close; the open
// one closes when asked, and ignores anything else and any other user. On
// Windows a named pipe through Qt Network; elsewhere a Unix socket of the
// system's own, watched by Qt Core, so that the popup never loads Qt Network
// and what it links.
#pragma once

#include <functional>

#include <QObject>

namespace korinde {

// Asks the open popup to close. True when one took the request. Needs no
// application object.
bool close_open_popup();

// Listens for the request to close, calling close() on the event loop when it
// comes, for as long as owner lives; takes over a socket that a popup which
// died left behind. Needs the application object. Where it cannot listen,
// it says so on stderr: the popup still opens, only the toggle is lost.
void listen_for_close(std::function<void()> close, QObject* owner);

// Said on stderr before the reason when the popup cannot listen, and after it.
inline constexpr const char* cannot_listen_message = "korinde: ポップアップの待ち受けを始められません (";
inline constexpr const char* cannot_listen_consequence =
    ")。もう一度 --popup としても閉じません。Esc で閉じてください。";

// A client that says nothing for this long is dropped; and as long waited
// for a popup busy with a message box to answer.
inline constexpr int popup_silence_limit_ms = 2000;
inline constexpr int popup_answer_wait_ms = 2000;

}  // namespace korinde
