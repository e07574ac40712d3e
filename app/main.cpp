// The program: the command line, the answers that need no window, the
// second --popup that closes the first, the export modules for --ics and
// --pdf, and the window module for the rest.
#include <array>
#include <exception>
#include <optional>
#include <stdexcept>

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "app/command_line.h"
#include "app/display.h"
#include "app/export_entry.h"
#include "app/popup_entry.h"
#include "app/process.h"
#include "app/single_instance.h"
#include "app/window_entry.h"
#include "app/windows_console.h"
#include "engine/standard_streams.h"

namespace {

#ifdef _WIN32
constexpr const char* module_suffix = ".dll";
#else
constexpr const char* module_suffix = ".so";
#endif

// Next to the program in a build and on Windows, in the module folder beside
// bin when installed: the first place where the module is.
QString find_module(const char* module_name, const std::string& part) {
    const QString folder = korinde::program_folder();
    const QString name = QString::fromLatin1(module_name);
    const std::array<QString, 2> places = {folder + "/" + name, folder + "/../" KORINDE_MODULE_DIR "/" + name};
    for (const QString& place : places) {
        if (QFileInfo::exists(place + module_suffix)) return place;
    }
    QStringList tried;
    for (const QString& place : places) tried << QDir::toNativeSeparators(QDir::cleanPath(place + module_suffix));
    throw std::runtime_error(part + "が見つかりません: " + tried.join("、").toStdString());
}

// The error told is the one that explains: of the first place where the
// module exists but does not load, else that it is nowhere.
template <typename Function>
Function load(const char* module_name, const char* symbol, const std::string& part = "ウィンドウの部品") {
    QLibrary module(find_module(module_name, part));
    if (auto function = reinterpret_cast<Function>(module.resolve(symbol))) return function;
    throw std::runtime_error(part + "を読み込めません: " + module.errorString().toStdString());
}

const std::string popup_part = "ポップアップの部品";

void write_out(void* /*context*/, const char* data, std::size_t size) { kyotu1::print_out({data, size}); }

void write_err(void* /*context*/, const char* data, std::size_t size) { kyotu1::print_err({data, size}); }

bool close_open_popup() {
    return korinde::popup_may_be_open() &&
           load<korinde::CloseOpenPopup>("korinde-popup", korinde::close_open_popup_symbol, popup_part)() != 0;
}

// Called by the window once it has shown. A module that does not load costs
// the toggle only: the popup stays open and closes on Esc.
void listen_for_close(void (*close)(void* context), void* context) {
    try {
        load<korinde::ListenForClose>("korinde-popup", korinde::listen_for_close_symbol, popup_part)(close, context);
    } catch (const std::exception& error) {
        kyotu1::print_err(std::string("korinde: ") + error.what() +
                          "。もう一度 --popup としても閉じません。Esc で閉じてください。\n");
    }
}

int current_law(const korinde::CommandLine& command) { return command.law == kyotu1::HolidayLaw::current ? 1 : 0; }

// The exports say which equinox days are only computed, as of today's date.
int announced_through() {
    const QDate today = QDate::currentDate();
    return kyotu1::last_announced_equinox_year(
        {today.year(), static_cast<std::int16_t>(today.month()), static_cast<std::int16_t>(today.day())});
}

int write_ics(const korinde::CommandLine& command) {
    const KorindeIcsRequest request{current_law(command), command.year.value_or(0), command.last_year.value_or(0),
                                    command.ics_kinds, announced_through()};
    const auto write = load<korinde::WriteIcs>("korinde-ics", korinde::write_ics_symbol, "iCalendar の部品");
    korinde::binary_standard_output();  // the file's own CR LF, untranslated
    const int status = write(&request, write_out, write_err, nullptr);
    return status != 0 ? status : korinde::standard_output_written();
}

int write_pdf(int argc, char** argv, const korinde::CommandLine& command) {
    const QByteArray output = command.output.toUtf8();
    const KorindePdfRequest request{current_law(command), command.year.value_or(0), command.month.value_or(0),
                                    output.constData(), announced_through()};
    const auto write = load<korinde::WritePdf>("korinde-pdf", korinde::write_pdf_symbol, "PDF の部品");
    return write(argc, argv, &request, write_err, nullptr);
}

int run(int argc, char** argv) {
    const auto parsed = korinde::parse_command_line(korinde::program_arguments(argc, argv));
    if (const auto* complaint = std::get_if<std::string>(&parsed)) return korinde::refuse(*complaint);
    const auto& command = std::get<korinde::CommandLine>(parsed);
    using Action = korinde::CommandLine::Action;
    if (command.action == Action::ics) return write_ics(command);
    if (command.action == Action::pdf) return write_pdf(argc, argv, command);
    if (command.action != Action::open_window) return korinde::run_without_window(command);
    if (!korinde::display_configured()) return korinde::refuse_without_display();

    KorindeWindowRequest request{current_law(command),
                                 command.year.value_or(0),
                                 command.month.value_or(0),
                                 command.popup ? 1 : 0,
                                 nullptr,
                                 nullptr,
                                 nullptr};
    std::optional<korinde::PopupStartLock> lock;
    if (command.popup) {
        find_module("korinde-popup", popup_part);  // a missing one is told before the window opens
        // Closing needs no lock; opening looks again under it, since another
        // popup may be starting meanwhile.
        if (close_open_popup()) return 0;
        lock.emplace();
        if (close_open_popup()) return 0;
        korinde::choose_popup_platform();  // only for a popup that opens
        request.listen_for_close = listen_for_close;
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
        korinde::report_failure(std::string("korinde: 予期しない問題のため終了します (") + error.what() + ")");
        return 1;
    }
}
