#include "app/command_line.h"

#include <array>
#include <iostream>

#include <QCommandLineParser>

#include "engine/almanac.h"
#include "engine/calendar.h"
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
const char* const holiday_year_wanted = "祝日の年には 1 から 2100 までの数を指定してください";

// An option that prints a list of the year given with it.
struct ListOption {
    const QCommandLineOption* option;
    CommandLine::Action action;
    int first_year;
    int last_year;
    const char* year_wanted;
};

// --ics's last year, the first when none is given: not before the first,
// nor more than max_ics_years on.
Parsed with_last_year(CommandLine command, const QStringList& positional, const ListOption& years) {
    command.last_year = command.year;
    if (positional.empty()) return command;
    command.last_year = number_within(positional[0], years.first_year, years.last_year);
    if (!command.last_year) return complaint(years.year_wanted, positional[0]);
    if (*command.last_year < *command.year) {
        return complaint("最後の年には最初の年と同じか後の年を指定してください", positional[0]);
    }
    if (*command.last_year - *command.year >= max_ics_years) {
        return complaint("一度に書き出せるのは 50 年までです", QString("%1 %2").arg(*command.year).arg(positional[0]));
    }
    return command;
}

// Positional arguments: YEAR [MONTH] to open at, MONTH after --almanac YEAR
// or --pdf YEAR, LAST_YEAR after --ics YEAR, none after --list YEAR or
// --koyomi YEAR.
Parsed with_positional(CommandLine command, QStringList positional, const ListOption* chosen) {
    using Action = CommandLine::Action;
    const auto action = command.action;
    const bool one_allowed = action == Action::almanac || action == Action::pdf || action == Action::ics;
    const qsizetype allowed = one_allowed ? 1 : action == Action::open_window ? 2 : 0;
    if (positional.size() > allowed) return complaint("余分な引数があります", positional.mid(allowed).join(' '));
    if (action == Action::ics && chosen != nullptr) return with_last_year(command, positional, *chosen);
    if (action == Action::open_window && !positional.empty()) {
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
    return with_positional(command, parser.positionalArguments(), chosen);
}

// The kinds of --ics-include, "holidays,sekki,…", or nothing when one is
// not known.
std::optional<kyotu1::EntryKinds> entry_kinds_of(const QString& text) {
    kyotu1::EntryKinds kinds = 0;
    for (const QString& word : text.split(',')) {
        bool known = false;
        for (int index = 0; index < kyotu1::entry_kind_count; ++index) {
            const auto kind = static_cast<kyotu1::EntryKind>(index);
            QString name = QString::fromUtf8(kyotu1::entry_kind_word(kind));
            if (kind == kyotu1::EntryKind::holiday) name += 's';
            if (word.trimmed() != name) continue;
            kinds |= kyotu1::entry_bit(kind);
            known = true;
        }
        if (!known) return std::nullopt;
    }
    return kinds;
}

// The window keeps its modal box for a year past the rules; a list says on
// stderr, ahead of itself, what that year's holidays are.
void warn_past_the_rules(std::int16_t year) {
    if (year <= kyotu1::last_rule_year) return;
    std::cerr << "korinde: 祝日の規則は " << kyotu1::last_rule_year << " 年までです。" << year
              << " 年の祝日は規則をそのまま当てはめたもので、実際の祝日とは異なることがあります" << std::endl;
}

// An option that takes a value, and an example of it for the message that
// asks for one.
struct ValueOption {
    const char* name;
    const char* example;
};
constexpr std::array<ValueOption, 8> value_options = {{
    {"holidays", "--holidays=current"},
    {"list", "--list 2026"},
    {"almanac", "--almanac 2026 12"},
    {"koyomi", "--koyomi 2026"},
    {"ics", "--ics 2026"},
    {"ics-include", "--ics-include=holidays,sekki"},
    {"pdf", "--pdf 2026"},
    {"output", "--output 2026.pdf"},
}};

// Qt's parser misses a value only where the option ends the command line.
std::string missing_value(const QStringList& arguments) {
    for (const ValueOption& option : value_options) {
        if (arguments.size() > 1 && arguments.last() == QString("--") + option.name) {
            return std::string("korinde: --") + option.name + " には値を指定してください (例: " + option.example + ")";
        }
    }
    return "korinde: オプションの値がありません";
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

struct Options {
    QCommandLineOption holidays{"holidays", {}, "rules"};
    QCommandLineOption list{"list", {}, "year"};
    QCommandLineOption almanac{"almanac", {}, "year"};
    QCommandLineOption koyomi{"koyomi", {}, "year"};
    QCommandLineOption ics{"ics", {}, "year"};
    QCommandLineOption ics_include{"ics-include", {}, "kinds"};
    QCommandLineOption pdf{"pdf", {}, "year"};
    QCommandLineOption output{"output", {}, "file"};
    QCommandLineOption popup{"popup"};
    QCommandLineOption help{QStringList{"h", "help"}};
    QCommandLineOption version{QStringList{"v", "version"}};
};

// What only goes with one action: --ics-include with --ics, --output with
// --pdf, which needs it.
Parsed with_export_options(CommandLine command, const QCommandLineParser& parser, const Options& options) {
    using Action = CommandLine::Action;
    if (parser.isSet(options.ics_include) && command.action != Action::ics) {
        return "korinde: --ics-include は --ics と一緒に指定してください";
    }
    if (parser.isSet(options.output) && command.action != Action::pdf) {
        return "korinde: --output は --pdf と一緒に指定してください";
    }
    if (command.action == Action::pdf) {
        command.output = parser.value(options.output);
        if (command.output.isEmpty()) return "korinde: --pdf には --output で書き出すファイルを指定してください";
    }
    return command;
}

// The list or export asked for, with its years, month and options.
Parsed with_actions(CommandLine command, const QCommandLineParser& parser, const Options& options) {
    if (parser.isSet(options.ics_include)) {
        const QString given = parser.value(options.ics_include);
        const auto kinds = entry_kinds_of(given);
        if (!kinds) {
            return complaint(
                "--ics-include には holidays、sekki、zassetsu、moon、rokuyo をコンマで区切って指定してください", given);
        }
        command.ics_kinds = *kinds;
    }
    // Holidays alone follow the rules, which reach back to year 1.
    const bool holidays_only = command.ics_kinds == kyotu1::entry_bit(kyotu1::EntryKind::holiday);
    using Action = CommandLine::Action;
    Parsed parsed = with_list(
        command, parser,
        {{&options.list, Action::list, kyotu1::min_year, kyotu1::max_year, year_wanted},
         {&options.almanac, Action::almanac, kyotu1::first_almanac_year, kyotu1::last_almanac_year,
          almanac_year_wanted},
         {&options.koyomi, Action::koyomi, kyotu1::first_almanac_year, kyotu1::last_almanac_year, almanac_year_wanted},
         {&options.ics, Action::ics, holidays_only ? kyotu1::min_year : kyotu1::first_almanac_year,
          kyotu1::last_rule_year, holidays_only ? holiday_year_wanted : almanac_year_wanted},
         {&options.pdf, Action::pdf, kyotu1::first_almanac_year, kyotu1::last_almanac_year, almanac_year_wanted}});
    if (const auto* listed = std::get_if<CommandLine>(&parsed)) return with_export_options(*listed, parser, options);
    return parsed;
}

}  // namespace

Parsed parse_command_line(const QStringList& arguments) {
    const Options options;
    QCommandLineParser parser;
    parser.addOptions({options.holidays, options.list, options.almanac, options.koyomi, options.ics,
                       options.ics_include, options.pdf, options.output, options.popup, options.help, options.version});
    parser.addPositionalArgument("year", {});
    parser.addPositionalArgument("month", {});

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().empty()) {
            const QString name = parser.unknownOptionNames().first();
            return complaint("知らないオプションです", (name.size() == 1 ? "-" : "--") + name);
        }
        return missing_value(arguments);
    }

    CommandLine command;
    if (parser.isSet(options.koyomi) && parser.isSet(options.holidays)) {
        return "korinde: --koyomi の暦に祝日はないため、--holidays とは一緒に指定できません";
    }
    if (parser.isSet(options.holidays)) {
        const QString rules = parser.value(options.holidays);
        if (rules != "current" && rules != "builtin") {
            return complaint("--holidays には builtin か current を指定してください", rules);
        }
        command.law = rules == "current" ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin;
    }
    if (parser.isSet(options.popup)) {
        if (const auto other = first_set(parser, {&options.list, &options.almanac, &options.koyomi, &options.ics,
                                                  &options.pdf, &options.help, &options.version})) {
            return complaint("--popup と一緒には指定できません", "--" + *other);
        }
        command.popup = true;
    }
    // Asking for help or the version needs nothing else to be right.
    if (parser.isSet(options.help)) {
        command.action = CommandLine::Action::help;
        return command;
    }
    if (parser.isSet(options.version)) {
        command.action = CommandLine::Action::version;
        return command;
    }
    Parsed parsed = with_actions(command, parser, options);
    auto* chosen = std::get_if<CommandLine>(&parsed);
    if (chosen != nullptr && !parser.isSet(options.holidays)) {
        const bool plain_window = chosen->action == CommandLine::Action::open_window && !chosen->popup;
        chosen->law = plain_window ? kyotu1::HolidayLaw::builtin : kyotu1::HolidayLaw::current;
    }
    return parsed;
}

int run_without_window(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::help: std::cout << help_text(); break;
        case CommandLine::Action::version: std::cout << version_text(); break;
        case CommandLine::Action::list: {
            const std::int16_t year = command.year.value_or(kyotu1::min_year);
            warn_past_the_rules(year);
            std::cout << kyotu1::holiday_list(year, command.law);
            break;
        }
        case CommandLine::Action::almanac:
            std::cout << kyotu1::almanac_list(command.year.value_or(kyotu1::first_almanac_year), command.month,
                                              command.law);
            break;
        case CommandLine::Action::koyomi:
            std::cout << kyotu1::koyomi_list(command.year.value_or(kyotu1::first_almanac_year));
            break;
        case CommandLine::Action::ics:
        case CommandLine::Action::pdf:
        case CommandLine::Action::open_window: return 2;  // not answered here
    }
    return standard_output_written();
}

int standard_output_written() {
    if (std::cout.flush()) return 0;
    std::cerr << "korinde: 標準出力に書き出せません" << std::endl;
    return 1;
}

int refuse(const std::string& complaint) {
    std::cerr << complaint << '\n' << usage_line << '\n';
    return 2;
}

}  // namespace korinde
