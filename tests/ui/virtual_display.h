// A private Xvfb server for tests that need a real X server: the clipboard,
// the primary selection and the xcb platform plugin behave there as on a
// desktop, which the offscreen platform does not show.
#pragma once

#include <csignal>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace korinde_test {

class VirtualDisplay {
public:
    // Starts Xvfb on a free display and points DISPLAY and the Qt platform at
    // it. Ends the process with a message when the server cannot start.
    VirtualDisplay() {
        int pipe_ends[2];
        if (pipe(pipe_ends) != 0) fail("no pipe");
        pid_ = fork();
        if (pid_ == 0) {
            close(pipe_ends[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(pipe_ends[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipe_ends[1]);
        std::string number;
        char c = 0;
        while (read(pipe_ends[0], &c, 1) == 1 && c != '\n') number += c;
        close(pipe_ends[0]);
        if (number.empty()) fail("Xvfb did not start; install the xvfb package");
        setenv("DISPLAY", (":" + number).c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    ~VirtualDisplay() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

private:
    [[noreturn]] static void fail(const char* why) {
        write(STDERR_FILENO, why, std::char_traits<char>::length(why));
        std::exit(1);
    }
    pid_t pid_ = -1;
};

}  // namespace korinde_test
