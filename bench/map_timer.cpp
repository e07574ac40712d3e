// Starts a program on the X display and prints how long it took to map its
// first window, in milliseconds, and its resident memory once shown, in KiB.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>

namespace {

long resident_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Waits for the first MapNotify below the root window; false on timeout.
bool wait_for_map(Display* display, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) return true;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 5);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer program [arguments]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = wait_for_map(display, std::chrono::seconds(20));
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let the first paint settle
    const long rss = resident_kib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %ld\n", elapsed.count(), rss);
    return 0;
}
