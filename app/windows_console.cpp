#include "app/windows_console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#include <iostream>
#endif

namespace korinde {

void use_parent_console() {
#ifdef _WIN32
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) return;  // started from the desktop: nowhere to print
    FILE* stream = nullptr;
    if (freopen_s(&stream, "CONOUT$", "w", stdout) == 0 && freopen_s(&stream, "CONOUT$", "w", stderr) == 0) {
        // The C++ streams write through the C ones, which now reach the console.
        std::cout.clear();
        std::cerr.clear();
    }
#endif
}

}  // namespace korinde
