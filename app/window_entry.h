// Between the program and its window module. The program itself links only
// Qt Core, so that the command line and a second --popup never
// load the GUI libraries; it loads the module when a window is wanted.
#pragma once

extern "C" {

struct KorindeWindowRequest {
    int current_law;  // 1 for today's holiday law, 0 for the built-in rules
    int year;         // the month to open at; 0 for today's
    int month;        // 0 for today's month (of the given year, or today's)
    int popup;        // 1 to open as the panel clock's popup
    // For a popup: starts listening for the request to close (see
    // popup_entry.h); called once the popup has painted.
    void (*listen_for_close)(void (*close)(void* context), void* context);
    // For a popup: called once it listens (or could not).
    void (*popup_listening)(void* context);
    void* listening_context;
};

// Runs the window to its end and returns the program's exit status.
int korinde_run_window(int argc, char** argv, const KorindeWindowRequest* request);
}

namespace korinde {
inline constexpr const char* run_window_symbol = "korinde_run_window";
using RunWindow = int (*)(int, char**, const KorindeWindowRequest*);
}  // namespace korinde
