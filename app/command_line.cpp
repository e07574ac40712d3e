#include "app/command_line.h"

#include <QCommandLineParser>

#include "app/options.h"
#include "engine/standard_streams.h"
#include "korinde_version.h"
#include "view/almanac_text.h"
#include "view/holiday_list.h"
#include "view/koyomi_text.h"

namespace korinde {
namespace {

using Parsed = std::variant<CommandLine, std::string>;

std::string complaint(std::string_view what, const QString& given) {
    return "korinde: " + std::string(what) + ": " + given.toStdString();
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

std::optional<std::int16_t> within(const QString& text, const options::Years& years) {
    return number_within(text, years.first, years.last);
}

QString name_of(const options::Option& option) { return qt_string(option.name); }

bool is_set(const QCommandLineParser& parser, const options::Option& option) { return parser.isSet(name_of(option)); }

const char* const month_wanted = "月には 1 から 12 までの数を指定してください";

// An option that prints a list of the year given with it.
struct ListOption {
    const options::Option* option;
    CommandLine::Action action;
    options::Years years;
};

// --ics's last year, the first when none is given: not before the first,
// nor more than max_ics_years on.
Parsed with_last_year(CommandLine command, const QStringList& positional, const ListOption& years) {
    command.last_year = command.year;
    if (positional.empty()) return command;
    command.last_year = within(positional[0], years.years);
    if (!command.last_year) return complaint(years.years.wanted, positional[0]);
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
        command.year = within(year, options::positional.years);
        if (!command.year) return complaint(options::positional.years.wanted, year);
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
        if (!is_set(parser, *list.option)) continue;
        if (chosen != nullptr) {
            return "korinde: --" + std::string(chosen->option->name) + " と --" + std::string(list.option->name) +
                   " は一緒に指定できません";
        }
        chosen = &list;
    }
    if (chosen != nullptr) {
        const QString year = parser.value(name_of(*chosen->option));
        command.action = chosen->action;
        command.year = within(year, chosen->years);
        if (!command.year) return complaint(chosen->years.wanted, year);
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
    kyotu1::print_err("korinde: 祝日の規則は " + std::to_string(kyotu1::last_rule_year) + " 年までです。" +
                      std::to_string(year) +
                      " 年の祝日は規則をそのまま当てはめたもので、実際の祝日とは異なることがあります\n");
}

// Qt's parser misses a value only where the option ends the command line.
std::string missing_value(const QStringList& arguments) {
    for (const options::Option* option : options::all) {
        if (!option->value.empty() && !arguments.empty() && arguments.last() == "--" + name_of(*option)) {
            return "korinde: --" + std::string(option->name) +
                   " には値を指定してください (例: " + std::string(option->example) + ")";
        }
    }
    return "korinde: オプションの値がありません";
}

// The first of the options that asks for something else than a window,
// if one is on the command line.
const options::Option* first_action(const QCommandLineParser& parser) {
    for (const options::Option* option : options::all) {
        const bool acts = option->place == options::Place::action || option->place == options::Place::info;
        if (acts && !option->name.empty() && is_set(parser, *option)) return option;
    }
    return nullptr;
}

std::string version_text() { return std::string("korinde ") + program_version + "\n"; }

// What only goes with one action: --ics-include with --ics, --output with
// --pdf, which needs it.
Parsed with_export_options(CommandLine command, const QCommandLineParser& parser) {
    using Action = CommandLine::Action;
    if (is_set(parser, options::ics_include) && command.action != Action::ics) {
        return "korinde: --ics-include は --ics と一緒に指定してください";
    }
    if (is_set(parser, options::output) && command.action != Action::pdf) {
        return "korinde: --output は --pdf と一緒に指定してください";
    }
    if (command.action == Action::pdf) {
        command.output = parser.value(name_of(options::output));
        if (command.output.isEmpty()) return "korinde: --pdf には --output で書き出すファイルを指定してください";
    }
    return command;
}

// The list or export asked for, with its years, month and options.
Parsed with_actions(CommandLine command, const QCommandLineParser& parser) {
    if (is_set(parser, options::ics_include)) {
        const QString given = parser.value(name_of(options::ics_include));
        const auto kinds = entry_kinds_of(given);
        if (!kinds) {
            return complaint(
                "--ics-include には holidays、sekki、zassetsu、moon、rokuyo をコンマで区切って指定してください", given);
        }
        command.ics_kinds = *kinds;
    }
    const bool holidays_only = command.ics_kinds == kyotu1::entry_bit(kyotu1::EntryKind::holiday);
    using Action = CommandLine::Action;
    Parsed parsed =
        with_list(command, parser,
                  {{&options::list, Action::list, options::list.years},
                   {&options::almanac, Action::almanac, options::almanac.years},
                   {&options::koyomi, Action::koyomi, options::koyomi.years},
                   {&options::ics, Action::ics, holidays_only ? options::holiday_years : options::ics.years},
                   {&options::pdf, Action::pdf, options::pdf.years}});
    if (const auto* listed = std::get_if<CommandLine>(&parsed)) return with_export_options(*listed, parser);
    return parsed;
}

// The table's options, with their short names and values, and the year and
// month to open at.
void add_options(QCommandLineParser& parser) {
    for (const options::Option* option : options::all) {
        if (option->name.empty()) continue;
        QStringList names{name_of(*option)};
        if (!option->shorthand.empty()) names.prepend(qt_string(option->shorthand));
        parser.addOption(QCommandLineOption(names, {}, qt_string(option->value)));
    }
    parser.addPositionalArgument("year", {});
    parser.addPositionalArgument("month", {});
}

}  // namespace

QString qt_string(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

Parsed parse_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    add_options(parser);

    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().empty()) {
            const QString name = parser.unknownOptionNames().first();
            return complaint("知らないオプションです", (name.size() == 1 ? "-" : "--") + name);
        }
        return missing_value(arguments);
    }

    CommandLine command;
    if (is_set(parser, options::koyomi) && is_set(parser, options::holidays)) {
        return "korinde: --koyomi の暦に祝日はないため、--holidays とは一緒に指定できません";
    }
    if (is_set(parser, options::holidays)) {
        const QString rules = parser.value(name_of(options::holidays));
        if (rules != "current" && rules != "builtin") {
            return complaint("--holidays には builtin か current を指定してください", rules);
        }
        command.law = rules == "current" ? kyotu1::HolidayLaw::current : kyotu1::HolidayLaw::builtin;
    }
    if (is_set(parser, options::popup)) {
        if (const options::Option* other = first_action(parser)) {
            return complaint("--popup と一緒には指定できません", "--" + name_of(*other));
        }
        command.popup = true;
    }
    // Asking for help or the version needs nothing else to be right.
    if (is_set(parser, options::help)) {
        command.action = CommandLine::Action::help;
        return command;
    }
    if (is_set(parser, options::version)) {
        command.action = CommandLine::Action::version;
        return command;
    }
    Parsed parsed = with_actions(command, parser);
    auto* chosen = std::get_if<CommandLine>(&parsed);
    if (chosen != nullptr && !is_set(parser, options::holidays)) {
        const bool plain_window = chosen->action == CommandLine::Action::open_window && !chosen->popup;
        chosen->law = plain_window ? kyotu1::HolidayLaw::builtin : kyotu1::HolidayLaw::current;
    }
    return parsed;
}

int run_without_window(const CommandLine& command) {
    switch (command.action) {
        case CommandLine::Action::help: kyotu1::print_out(help_text()); break;
        case CommandLine::Action::version: kyotu1::print_out(version_text()); break;
        case CommandLine::Action::list: {
            const std::int16_t year = command.year.value_or(kyotu1::min_year);
            warn_past_the_rules(year);
            kyotu1::print_out(kyotu1::holiday_list(year, command.law));
            break;
        }
        case CommandLine::Action::almanac:
            kyotu1::print_out(
                kyotu1::almanac_list(command.year.value_or(kyotu1::first_almanac_year), command.month, command.law));
            break;
        case CommandLine::Action::koyomi:
            kyotu1::print_out(kyotu1::koyomi_list(command.year.value_or(kyotu1::first_almanac_year)));
            break;
        case CommandLine::Action::ics:
        case CommandLine::Action::pdf:
        case CommandLine::Action::open_window: return 2;  // not answered here
    }
    return standard_output_written();
}

int standard_output_written() {
    if (kyotu1::standard_output_flushed()) return 0;
    kyotu1::print_err("korinde: 標準出力に書き出せません\n");
    return 1;
}

int refuse(const std::string& complaint) {
    kyotu1::print_err(complaint + '\n' + usage_line() + '\n');
    return 2;
}

}  // namespace korinde
