// Text to standard output and standard error, for every part of the program.
// Outside Windows through C's streams: iostreams would cost every start, the
// window's too, some 350 KiB of libstdc++ touched for their locale. On Windows
// through std::cout and std::cerr, whose buffers reach the console the program
// attaches to (app/windows_console.cpp).
#pragma once

#include <string_view>

namespace kyotu1 {

// Written as given, UTF-8; false where the stream refused it.
bool print_out(std::string_view text);
// Unbuffered, in one piece, so that a message stays whole beside another
// process's; the caller ends it with its line end.
void print_err(std::string_view text);
// Flushes standard output; false where anything written to it was lost.
bool standard_output_flushed();

}  // namespace kyotu1
