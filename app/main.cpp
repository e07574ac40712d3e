// The program: the command line, the answers that need no window, the
// second --popup that closes the first, and the window module for the rest.
#include <exception>
#include <iostream>

#include <QFileInfo>
#include <QLibrary>

#include "app/command_line.h"
#include "app/display.h"
#include "app/single_instance.h"
#include "app/window_entry.h"

namespace {

// Next to the program in a build, in lib/korinde beside bin when installed.
korinde::RunWindow load_window_module() {
    const QString program_folder = QFileInfo(QFileInfo("/proc/self/exe").canonicalFilePath()).path();
    const QString places[] = {program_folder + "/korinde-window", program_folder + "/../lib/korinde/korinde-window",
                              "korinde-window"};
    QString error;
    for (const QString& place : places) {
        QLibrary module(place);
        if (auto run = reinterpret_cast<korinde::RunWindow>(module.resolve(korinde::run_window_symbol))) return run;
        error = module.errorString();
    }
    std::cerr << "korinde: ウィンドウの部品を読み込めません (" << error.toStdString() << ")" << std::endl;
    return nullptr;
}

int run(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = korinde::parse_command_line(arguments);
    if (const auto* complaint = std::get_if<std::string>(&parsed)) return korinde::refuse(*complaint);
    const auto& command = std::get<korinde::CommandLine>(parsed);
    if (command.action != korinde::CommandLine::Action::open_window) return korinde::run_without_window(command);
    if (!korinde::display_configured()) return korinde::refuse_without_display();

    KorindeWindowRequest request{command.law == kyotu1::HolidayLaw::current ? 1 : 0,
                                 command.year.value_or(0),
                                 command.month.value_or(0),
                                 command.popup ? 1 : 0,
                                 nullptr,
                                 nullptr};
    std::optional<korinde::PopupStartLock> lock;
    if (command.popup) {
        // Closing needs no lock; opening looks again under it, since another
        // popup may be starting meanwhile.
        if (korinde::close_open_popup()) return 0;
        lock.emplace();
        if (korinde::close_open_popup()) return 0;
        request.popup_listening = [](void* held) { static_cast<korinde::PopupStartLock*>(held)->release(); };
        request.context = &*lock;
    }
    const korinde::RunWindow run_window = load_window_module();
    return run_window != nullptr ? run_window(argc, argv, &request) : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "korinde: 予期しない問題のため終了します (" << error.what() << ")" << std::endl;
        return 1;
    }
}
