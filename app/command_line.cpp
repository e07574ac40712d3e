#include "app/command_line.h"

#include <iostream>

#include <QCommandLineParser>

#include "engine/almanac.h"
#include "engine/calendar.h"
#include "engine/message_box.h"
#include "engine/run_state.h"
#include "korinde_version.h"
#include "view/almanac_text.h"
#include "view/holiday_list.h"
#include "view/koyomi_text.h"

namespace korinde {
namespace {

using Parsed = std::variant<CommandLine, std::string>;

std::string complaint(const std::string& what, const QString& given) {
    return "korinde: " + what + ": " + given.toStdString();
}

// Full-width digits, as a Japanese input method types them, read as digits;
// nothing else changes.
QString with_ascii_digits(QString text) {
    for (QChar& c : text) {
        if (c >= QChar(u'０') && c <= QChar(u'９')) c = QChar(u'0' + (c.unicode() - u'０'));
    }
    return text;
}

// A whole decimal number within the range, or nothing.
std::optional<std::int16_t> number_within(const QString& text, int low, int high) {
    bool ok = false;
    const int value = with_ascii_digits(text).toInt(&ok, 10);
    if (!ok || value < low || value > high) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<std::int16_t> year_of(const QString& text) {
    return number_within(text, kyotu1::min_year, kyotu1::max_year);
}

const char* const year_wanted = "年には 1 から 32767 までの数を指定してください";
const char* const month_wanted = "月には 1 から 12 までの数を指定してください";
const char* const almanac_year_wanted = "暦注の年には 1873 から 2100 までの数を指定してください";

// Positional arguments: YEAR [MONTH] to open at, MONTH after --almanac YEAR,
// none after --list YEAR or --koyomi YEAR.
Parsed with_positional(CommandLine command, QStringList positional) {
    using Action = CommandLine::Action;
    const qsizetype allowed = command.action == Action::almanac ? 1 : command.action == Action::open_window ? 2 : 0;
    if (positional.size() > allowed) return complaint("余分な引数があります", positional.mid(allowed).join(' '));
    if (command.action == Action::open_window && !positional.empty()) {
        const QString year = positional.takeFirst();
        command.year = year_of(year);
        if (!command.year) return complaint(year_wanted, year);
    }
    if (!positional.empty()) {
        command.month = number_within(positional[0], 1, 12);
        if (!command.month) return complaint(month_wanted, positional[0]);
    }
    return command;
}

// An option that prints a list of the year given with it.
struct ListOption {
    const QCommandLineOption* option;
    CommandLine::Action action;
    int first_year;
    int last_year;
    const char* year_wanted;
};

// The one list asked for, if any, with its year, then the positional
// arguments.
Parsed with_list(CommandLine command, const QCommandLineParser& parser, std::initializer_list<ListOption> lists) {
    const ListOption* chosen = nullptr;
    for (const ListOption& list : lists) {
        if (!parser.isSet(*list.option)) continue;
        if (chosen != nullptr) {
            return "korinde: --" + chosen->option->names().last().toStdString() + " と --" +
                   list.option->names().last().toStdString() + " は一緒に指定できません";
        }
        chosen = &list;
    }
    if (chosen != nullptr) {
        const QString year = parser.value(*chosen->option);
        command.action = chosen->action;
        command.year = number_within(year, chosen->first_year, chosen->last_year);
        if (!command.year) return complaint(chosen->year_wanted, year);
    }
    return with_positional(command, parser.positionalArguments());
}

std::string help_text() {
    return usage_line +
           "\n"
           "\n"
           "一か月ずつ表示する日本の万年カレンダーです。\n"
           "\n"
           "  年 [月]               その月を開きます (月を省くと今日の月)\n"
           "  --holidays=builtin    組み込みの祝日規則で表示します (既定)\n"
           "  --holidays=current    現行の祝日法で表示します\n"
           "  --popup               マウスの位置に開きます。もう一度実行すると閉じます。\n"
           "                        Esc キーか、ほかのウィンドウに移ると閉じます\n"
           "  --list 年             その年の祝日を「年-月-日<TAB>名前」で一行ずつ書き出します\n"
           "  --almanac 年 [月]     その年 (または月) の毎日の暦注を一行ずつ書き出します:\n"
           "                        年-月-日、曜日、和暦の年、旧暦の日付、六曜、二十四節気、祝日、\n"
           "                        干支、雑節、月の満ち欠けと時刻、東京の日の出と日の入り\n"
           "                        (タブ区切り、1873 年から 2100 年まで)\n"
           "  --koyomi 年           その年の二十四節気、雑節、朔弦望を時刻の順に一行ずつ書き出します:\n"
           "                        年-月-日 時:分、種類、名前、太陽の黄経 (度)\n"
           "                        (タブ区切り、日本時間、1873 年から 2100 年まで)\n"
           "  -h, --help            この説明を表示します\n"
           "  -v, --version         版を表示します\n";
}

// The holiday rules for a list on the standard output; their warning for
// years past the rules goes to stderr, ahead of the list.
void use_law_without_window(kyotu1::HolidayLaw law) {
    kyotu1::msg_box = [](const std::string& text, std::int16_t, const std::string&) {
        std::cerr << text << std::endl;
        return kyotu1::answer_ok;
    };
    kyotu1::holiday_law = law;
}

// The long name of the first of the options that is on the command line.
std::optional<QString> first_set(const QCommandLineParser& parser,
                                 std::initializer_list<const QCommandLineOption*> options) {
    for (const QCommandLineOption* option : options) {
        if (parser.isSet(*option)) return option->names().last();
    }
    return std::nullopt;
}

std::string version_text() { return std::string("korinde ") + program_version + "\n"; }

}  // namespace

Parsed parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption holidays("holidays", {}, "rules");
    const QCommandLineOption list("list", {}, "year");
    const QCommandLineOption almanac("almanac", {}, "year");
    const QCommandLineOption koyomi("koyomi", {}, "year");
    const QCommandLineOption popup("popup");
    const QCommandLineOption help(QStringList{"h", "help"});
    const QCommandLineOption version(QStringList{"v", "version"});
    parser.addOptions({holidays, list, almanac, koyomi, popup, help, version});
    parser.addPositionalArgument("year", {});
    parser.addPositionalArgument("month", {});

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().empty()) {
            const QString name = parser.unknownOptionNames().first();
            return complaint("知らないオプションです", (name.size() == 1 ? "-" : "--") + name);
        }
        return "korinde: --holidays、--list、--almanac と --koyomi には値を指定してください (例: --list 2026)";
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
    if (parser.isSet(popup)) {
        if (const auto other = first_set(parser, {&list, &almanac, &koyomi, &help, &version})) {
            return complaint("--popup と一緒には指定できません", "--" + *other);
        }
        command.popup = true;
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
    using Action = CommandLine::Action;
    return with_list(
        command, parser,
        {{&list, Action::list, kyotu1::min_year, kyotu1::max_year, year_wanted},
         {&almanac, Action::almanac, kyotu1::first_almanac_year, kyotu1::last_almanac_year, almanac_year_wanted},
         {&koyomi, Action::koyomi, kyotu1::first_almanac_year, kyotu1::last_almanac_year, almanac_year_wanted}});
}

int run_without_window(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::help: std::cout << help_text(); break;
        case CommandLine::Action::version: std::cout << version_text(); break;
        case CommandLine::Action::list:
            use_law_without_window(command.law);
            std::cout << kyotu1::holiday_list(command.year.value_or(kyotu1::min_year));
            break;
        case CommandLine::Action::almanac:
            use_law_without_window(command.law);
            std::cout << kyotu1::almanac_list(command.year.value_or(kyotu1::first_almanac_year), command.month);
            break;
        case CommandLine::Action::koyomi:
            std::cout << kyotu1::koyomi_list(command.year.value_or(kyotu1::first_almanac_year));
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

}  // namespace korinde
