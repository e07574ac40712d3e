// The program: the command line, the answers that need no window, the
// second --popup that closes the first, and the window module for the rest.
#include <array>
#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>

#include <QFileInfo>
#include <QLibrary>

#include "app/command_line.h"
#include "app/display.h"
#include "app/popup_entry.h"
#include "app/single_instance.h"
#include "app/window_entry.h"
#include "app/windows_console.h"

namespace {

// Next to the program in a build, in the module folder beside bin when installed.
template <typename Function>
Function load(const char* module_name, const char* symbol) {
    const QString program_folder = QFileInfo(QFileInfo("/proc/self/exe").canonicalFilePath()).path();
    const QString name = QString::fromLatin1(module_name);
    const std::array<QString, 3> places = {program_folder + "/" + name,
                                           program_folder + "/../" KORINDE_MODULE_DIR "/" + name, name};
    QString error;
    for (const QString& place : places) {
        QLibrary module(place);
        if (auto function = reinterpret_cast<Function>(module.resolve(symbol))) return function;
        error = module.errorString();
    }
    throw std::runtime_error("ウィンドウの部品を読み込めません: " + error.toStdString());
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
                                 nullptr,
                                 nullptr};
    std::optional<korinde::PopupStartLock> lock;
    if (command.popup) {
        const auto close_open_popup = load<korinde::CloseOpenPopup>("korinde-popup", korinde::close_open_popup_symbol);
        // Closing needs no lock; opening looks again under it, since another
        // popup may be starting meanwhile.
        if (close_open_popup() != 0) return 0;
        lock.emplace();
        if (close_open_popup() != 0) return 0;
        request.listen_for_close = load<korinde::ListenForClose>("korinde-popup", korinde::listen_for_close_symbol);
        request.popup_listening = [](void* held) { static_cast<korinde::PopupStartLock*>(held)->release(); };
        request.listening_context = &*lock;
    }
    return load<korinde::RunWindow>("korinde-window", korinde::run_window_symbol)(argc, argv, &request);
}

}  // namespace

int main(int argc, char** argv) {
    korinde::use_parent_console();  // before anything is printed
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "korinde: 予期しない問題のため終了します (" << error.what() << ")" << std::endl;
        return 1;
    }
}
