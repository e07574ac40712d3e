#include "engine/standard_streams.h"

#ifdef _WIN32
#include <iostream>
#else
#include <cstdio>
#endif

namespace kyotu1 {

#ifdef _WIN32
bool print_out(std::string_view text) {
    return static_cast<bool>(std::cout.write(text.data(), static_cast<std::streamsize>(text.size())));
}

void print_err(std::string_view text) {
    std::cerr.write(text.data(), static_cast<std::streamsize>(text.size())).flush();
}

bool standard_output_flushed() { return static_cast<bool>(std::cout.flush()); }
#else
bool print_out(std::string_view text) { return std::fwrite(text.data(), 1, text.size(), stdout) == text.size(); }

void print_err(std::string_view text) {
    // A message that standard error refuses has nowhere else to go.
    static_cast<void>(std::fwrite(text.data(), 1, text.size(), stderr));
}

bool standard_output_flushed() { return std::fflush(stdout) == 0 && std::ferror(stdout) == 0; }
#endif

}  // namespace kyotu1
