// On Windows the program is a GUI-subsystem executable and has no console of
// its own: started from one, it prints there only after attaching to it, and
// started from the desktop it has nowhere to print at all.
#pragma once

#include <string>

namespace korinde {

// Points the standard streams where the user will read them: an output
// redirected to a file or a pipe stays there, byte for byte; one that is a
// console, or none when the program was started from a console, goes to that
// console as wide characters, so Japanese shows whatever its code page.
// Does nothing elsewhere.
void use_parent_console();

// Makes the standard output write line ends as given, where Windows would
// make each LF a CR LF; for files that carry their own. Does nothing elsewhere.
void binary_standard_output();

// Tells the user why the program cannot go on: on standard error, and, where
// nothing would show that (started from the desktop on Windows), in a
// message box too.
void report_failure(const std::string& text);

}  // namespace korinde
