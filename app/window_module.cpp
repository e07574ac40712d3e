// The window half of the program, loaded by it when a window is wanted.
#include <memory>
#include <optional>

#include "app/application.h"
#include "app/popup_server.h"
#include "app/window_entry.h"
#include "engine/kyotu1.h"
#include "ui/platform.h"
#include "ui/popup.h"
#include "ui/wincal.h"

namespace {

// The month asked for, or none for today's; a year without a month opens at
// today's month of that year.
std::optional<kyotu1::ClockDate> requested_month(const KorindeWindowRequest& request) {
    if (request.year == 0) return std::nullopt;
    const auto month = static_cast<std::int16_t>(request.month != 0 ? request.month : kyotu1::system_date().month);
    return kyotu1::ClockDate{request.year, month, 1};
}

}  // namespace

extern "C" Q_DECL_EXPORT int korinde_run_window(int argc, char** argv, const KorindeWindowRequest* request) {
    korinde::Application app(argc, argv);
    korinde::prepare_application();
    korinde::install_platform_hooks();
    kyotu1::holiday_law = request->current_law != 0 ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin;
    wincal window(requested_month(*request));

    std::unique_ptr<korinde::PopupServer> server;
    if (request->popup != 0) {
        server = std::make_unique<korinde::PopupServer>(window);
        if (request->popup_listening != nullptr) request->popup_listening(request->context);
        new korinde::PopupBehaviour(window);  // owned by the window
    }
    window.show();
    if (request->popup != 0) window.activateWindow();
    app.check_japanese_faces_soon();
    return QApplication::exec();
}
