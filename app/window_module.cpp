// The window half of the program, loaded by it when a window is wanted.
#include <exception>
#include <functional>
#include <optional>
#include <utility>

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "app/application.h"
#include "app/window_entry.h"
#include "engine/calendar.h"
#include "engine/holidays.h"
#include "engine/run_state.h"
#include "engine/standard_streams.h"
#include "ui/platform.h"
#include "ui/popup.h"
#include "ui/wincal.h"

namespace {

// Runs a job once, on the event loop after the widget's first paint: what the
// first sight of the window does not need waits until it is there.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget& widget, std::function<void()> job) : QObject(&widget), job_(std::move(job)) {
        soon_.setSingleShot(true);
        soon_.setInterval(0);
        connect(&soon_, &QTimer::timeout, this, [this] {
            job_();
            deleteLater();
        });
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            soon_.start();
        }
        return false;
    }

private:
    std::function<void()> job_;
    QTimer soon_;
};

// The month asked for, or none for today's; a year without a month opens at
// today's month of that year.
std::optional<kyotu1::ClockDate> requested_month(const KorindeWindowRequest& request) {
    if (request.year == 0) return std::nullopt;
    const auto month = static_cast<std::int16_t>(request.month != 0 ? request.month : kyotu1::system_date().month);
    return kyotu1::ClockDate{request.year, month, 1};
}

int run_window(int argc, char** argv, const KorindeWindowRequest* request) {
    korinde::Application app(argc, argv);
    korinde::prepare_application();
    korinde::install_platform_hooks();
    kyotu1::holiday_law = request->current_law != 0 ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin;
    wincal window(requested_month(*request));

    if (request->popup != 0) {
        // Listening loads the popup module, which the first paint does without.
        new AfterFirstPaint(window, [request, &window] {  // owned by the window
            request->listen_for_close([](void* popup) { static_cast<wincal*>(popup)->close(); }, &window);
            request->popup_listening(request->listening_context);
        });
        new korinde::PopupBehaviour(window);  // owned by the window
    }
    window.show();
    if (request->popup != 0) window.activateWindow();
    app.check_japanese_faces_soon();
    return QApplication::exec();
}

}  // namespace

// Nothing thrown crosses back into the program: the boundary is C's.
extern "C" Q_DECL_EXPORT int korinde_run_window(int argc, char** argv, const KorindeWindowRequest* request) {
    try {
        return run_window(argc, argv, request);
    } catch (const std::exception& error) {
        kyotu1::print_err(std::string("korinde: 予期しない問題のため終了します (") + error.what() + ")\n");
        return 1;
    }
}
