// The application object, and what the program checks of its surroundings
// around its start.
#pragma once

#include <QApplication>

#include "app/display.h"
#include "ui/guarded.h"

namespace korinde {

inline const char* const missing_fonts_message =
    "korinde: 日本語のフォントが見つかりません。fonts-ipafont-gothic パッケージを入れてください。";

namespace detail {
// Holds Qt's messages while the platform plugin starts, so that a failure to
// reach the display ends in one clear line instead of Qt's abort.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard() { platform_started(); }
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;

    // Passes on what Qt said meanwhile, where it would have gone.
    void platform_started();

private:
    bool holding_ = true;
};
}  // namespace detail

class Application final : private detail::PlatformStartGuard, public QApplication {
public:
    Application(int& argc, char** argv);

    // The last guard: an exception that still reaches the event loop is
    // reported like one from a guarded handler.
    bool notify(QObject* receiver, QEvent* event) override;

    // Once the window has painted, says on stderr which package to install
    // when no face can draw Japanese text.
    void check_japanese_faces_soon();

protected:
    void customEvent(QEvent* event) override;
};

}  // namespace korinde
