// The application object, and what the program checks of its surroundings
// around its start.
#pragma once

#include <exception>

#include <QApplication>

namespace korinde {

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

inline const char* const no_display_message =
    "korinde: 画面に表示できません。グラフィカルなデスクトップの中で起動してください。";
inline const char* const missing_fonts_message =
    "korinde: 日本語のフォントが見つかりません。fonts-ipafont-gothic パッケージを入れてください。";
// Shown when an event handler fails; the window goes on working.
inline const char* const failed_action_message =
    "この操作を最後まで行えませんでした。\n\nカレンダーはそのまま使えます。";

// Says in a warning box that an action failed; the window goes on working.
void report_failed_action() noexcept;

// Runs an event handler of the window. An exception it lets out is reported
// here, so none crosses Qt's code, which is not written to pass them on.
template <typename Handler>
void guarded(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception&) {
        report_failed_action();
    }
}

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

// False where the desktop needs a display and none is named.
bool display_configured();
// Says so on stderr; returns the exit status 1.
int refuse_without_display();

}  // namespace korinde
