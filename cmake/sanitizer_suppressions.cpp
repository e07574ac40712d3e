// In the sanitizer build only: what LeakSanitizer must not count at exit.
// The D-Bus connection that Qt's xcb platform keeps for the session is the
// library's, held until the process ends, not the calendar's.
extern "C" const char*
__lsan_default_suppressions() {  // NOLINT(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp)
    return "leak:libdbus-1.so\n";
}
