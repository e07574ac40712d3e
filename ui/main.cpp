#include <exception>
#include <iostream>

#include "engine/kyotu1.h"
#include "ui/application.h"
#include "ui/command_line.h"
#include "ui/platform.h"
#include "ui/wincal.h"

namespace {

int run(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = korinde::parse_command_line(arguments);
    if (const auto* complaint = std::get_if<std::string>(&parsed)) return korinde::refuse(*complaint);
    const auto& command = std::get<korinde::CommandLine>(parsed);
    if (command.action != korinde::CommandLine::Action::open_window) return korinde::run_without_window(command);
    if (!korinde::display_configured()) return korinde::refuse_without_display();

    korinde::Application app(argc, argv);
    korinde::prepare_application();
    korinde::install_platform_hooks();
    kyotu1::holiday_law = command.law;
    wincal window(korinde::requested_month(command));
    window.show();
    app.check_japanese_faces_soon();
    return QApplication::exec();
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
