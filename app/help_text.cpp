#include <algorithm>

#include <QString>

#include "app/command_line.h"
#include "app/options.h"

namespace korinde {
namespace {

// --help's left column: two spaces in, the right column 22 columns on.
constexpr int left_margin = 2;
constexpr int left_column = 22;

// The columns a text takes on a terminal: two for the ideographs, kana and
// full-width forms, one for the rest (… is one on Japanese terminals too).
int terminal_columns(const QString& text) {
    int columns = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool wide = (code >= 0x2E80 && code <= 0xA4CF) || (code >= 0xF900 && code <= 0xFAFF) ||
                          (code >= 0xFF00 && code <= 0xFF60) || (code >= 0xFFE0 && code <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

// One of --help's rows, "left\tright" or "\tright" or "left".
std::string help_row(const QString& row) {
    const qsizetype tab = row.indexOf('\t');
    const QString left = tab < 0 ? row : row.left(tab);
    QString line = QString(left_margin, ' ') + left;
    if (tab >= 0) {
        line += QString(std::max(1, left_column - terminal_columns(left)), ' ') + row.mid(tab + 1);
    }
    return line.toStdString() + "\n";
}

}  // namespace

std::string usage_line() {
    std::string modifiers;
    std::string actions;
    for (const options::Option* option : options::all) {
        const std::string usage(option->usage);
        switch (option->place) {
            case options::Place::modifier: modifiers += usage + " "; break;
            case options::Place::action: actions += (actions.empty() ? "" : " | ") + usage; break;
            case options::Place::companion: actions += " " + usage; break;
            case options::Place::info: break;
        }
    }
    return "使い方: korinde " + modifiers + "[" + actions + "]";
}

std::string help_text() {
    std::string text = usage_line() + "\n\n一か月ずつ表示する日本の万年カレンダーです。\n\n";
    for (const options::Option* option : options::all) {
        if (option->help.empty()) continue;
        for (const QString& row : qt_string(option->help).split('\n')) {
            text += help_row(row);
        }
    }
    return text;
}

}  // namespace korinde
