#include "ui/command_line.h"

#include <iostream>

#include <QCommandLineParser>

#include "view/holiday_list.h"

namespace korinde {
namespace {

using Parsed = std::variant<CommandLine, std::string>;

std::string complaint(const std::string& what, const QString& given) {
    return "korinde: " + what + ": " + given.toStdString();
}

// A whole decimal number within the range, or nothing.
std::optional<std::int16_t> number_within(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || value < low || value > high) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> year_of(const QString& text) {
    return number_within(text, kyotu1::min_year, kyotu1::max_year);
}

const char* const year_wanted = "年には 1 から 32767 までの数を指定してください";
const char* const month_wanted = "月には 1 から 12 までの数を指定してください";

Parsed with_positional(CommandLine command, const QStringList& positional) {
    const qsizetype allowed = command.action == CommandLine::Action::list ? 0 : 2;
    if (positional.size() > allowed) return complaint("余分な引数があります", positional.mid(allowed).join(' '));
    if (!positional.empty()) {
        command.year = year_of(positional[0]);
        if (!command.year) return complaint(year_wanted, positional[0]);
    }
    if (positional.size() > 1) {
        command.month = number_within(positional[1], 1, 12);
        if (!command.month) return complaint(month_wanted, positional[1]);
    }
    return command;
}

std::string help_text() {
    return usage_line +
           "\n"
           "       korinde [--holidays=builtin|current] --list 年\n"
           "\n"
           "一か月ずつ表示する日本の万年カレンダーです。\n"
           "\n"
           "  年 [月]               その月を開きます (月を省くと今日の月)\n"
           "  --holidays=builtin    組み込みの祝日規則で表示します (既定)\n"
           "  --holidays=current    現行の祝日法で表示します\n"
           "  --list 年             その年の祝日を「年-月-日<TAB>名前」で一行ずつ書き出します\n"
           "  -h, --help            この説明を表示します\n"
           "  -v, --version         版を表示します\n";
}

std::string version_text() { return std::string("korinde ") + KORINDE_VERSION + "\n"; }

}  // namespace

Parsed parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption holidays("holidays", {}, "rules");
    const QCommandLineOption list("list", {}, "year");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOptions({holidays, list, help, version});
    parser.addPositionalArgument("year", {});
    parser.addPositionalArgument("month", {});

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().empty()) {
            const QString name = parser.unknownOptionNames().first();
            return complaint("知らないオプションです", (name.size() == 1 ? "-" : "--") + name);
        }
        return "korinde: --holidays と --list には値を指定してください (例: --list 2026)";
    }

    CommandLine command;
    if (parser.isSet(holidays)) {
        const QString rules = parser.value(holidays);
        if (rules == "current") {
            command.law = kyotu1::HolidayLaw::current;
        } else if (rules != "builtin") {
            return complaint("--holidays には builtin か current を指定してください", rules);
        }
    }
    // Asking for help or the version needs nothing else to be right.
    if (parser.isSet(help)) {
        command.action = CommandLine::Action::help;
        return command;
    }
    if (parser.isSet(version)) {
        command.action = CommandLine::Action::version;
        return command;
    }
    if (parser.isSet(list)) {
        command.action = CommandLine::Action::list;
        command.year = year_of(parser.value(list));
        if (!command.year) return complaint(year_wanted, parser.value(list));
    }
    return with_positional(command, parser.positionalArguments());
}

int run_without_window(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::help: std::cout << help_text(); break;
        case CommandLine::Action::version: std::cout << version_text(); break;
        case CommandLine::Action::list:
            // The warning for years past the rules goes to stderr, ahead of the list.
            kyotu1::msg_box = [](const std::string& text, std::int16_t, const std::string&) {
                std::cerr << text << std::endl;
                return kyotu1::answer_ok;
            };
            kyotu1::holiday_law = command.law;
            std::cout << kyotu1::holiday_list(command.year.value_or(kyotu1::min_year));
            break;
        case CommandLine::Action::open_window: return 2;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

int refuse(const std::string& complaint) {
    std::cerr << complaint << '\n' << usage_line << '\n';
    return 2;
}

std::optional<kyotu1::ClockDate> requested_month(const CommandLine& command) {
    if (!command.year) return std::nullopt;
    const std::int16_t month = command.month ? *command.month : kyotu1::system_date().month;
    return kyotu1::ClockDate{*command.year, month, 1};
}

}  // namespace korinde
