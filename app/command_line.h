// The command line: korinde [--holidays=builtin|current] [--popup] [YEAR
// [MONTH]], --list YEAR, --almanac YEAR [MONTH], --koyomi YEAR, --ics YEAR
// [LAST_YEAR] [--ics-include=KINDS], --pdf YEAR [MONTH] --output FILE, --help
// and --version. Everything here is decided before any window or display is
// needed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <QStringList>

#include "engine/holidays.h"
#include "view/calendar_entries.h"

namespace korinde {

struct CommandLine {
    enum class Action { open_window, help, version, list, almanac, koyomi, ics, pdf };
    Action action = Action::open_window;
    // As given, else today's law for all but the plain window, which keeps
    // the rules it was written with; decided by the parser for every action.
    kyotu1::HolidayLaw law = kyotu1::HolidayLaw::current;
    std::optional<std::int16_t> year;       // the month to open at, or the year to list
    std::optional<std::int16_t> month;      // today's month when not given
    bool popup = false;                     // the window as the panel clock's popup
    std::optional<std::int16_t> last_year;  // of --ics
    kyotu1::EntryKinds ics_kinds = kyotu1::default_entry_kinds;
    QString output;  // the file --pdf writes
};

// At most this many years in one iCalendar file.
inline constexpr int max_ics_years = 50;

// "使い方: korinde …", from the table of options.
std::string usage_line();

// The text of --help.
std::string help_text();

// UTF-8 text, as the table of options holds it, for Qt.
QString qt_string(std::string_view text);

// The command line, or one Japanese line that says what is wrong with it.
// The first argument is the program's own name.
std::variant<CommandLine, std::string> parse_command_line(const QStringList& arguments);

// Carries out --help, --version, --list, --almanac or --koyomi on the
// standard streams and returns the exit status; no display is needed.
int run_without_window(const CommandLine& command);

// Flushes the standard output: 0 when all of it was written, else 1 with a
// message on stderr (a full disk, a closed pipe).
int standard_output_written();

// Prints the complaint and the usage line on stderr; returns the exit status 2.
int refuse(const std::string& complaint);

}  // namespace korinde
