// What the program learns of its own process from the system: its folder and
// its arguments, the same way on every platform.
#pragma once

#include <QString>
#include <QStringList>

namespace korinde {

// The folder the running program was started from, links resolved; empty
// when the system does not say.
QString program_folder();

// The arguments as the system gave them. On Windows they are read from the
// wide command line, so that text outside the ANSI code page (full-width
// digits typed in a Japanese console among others) arrives whole.
QStringList program_arguments(int argc, char** argv);

}  // namespace korinde
