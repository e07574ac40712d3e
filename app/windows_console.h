// On Windows the program is a GUI-subsystem executable and has no console of
// its own: started from one, it prints there only after attaching to it.
#pragma once

namespace korinde {

// Attaches to the console of the process that started the program, if there
// is one, and points the standard streams at it. Does nothing elsewhere.
void use_parent_console();

}  // namespace korinde
