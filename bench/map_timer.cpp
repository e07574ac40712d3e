// Starts a program on the X display and prints, in one line:
//   the milliseconds to the first MapNotify of a window of its,
//   the milliseconds to the end of its first full paint (the last DAMAGE
//   report on the mapped window before 150 ms pass without one),
//   and RSS, PSS and private dirty memory in KiB once the paint has settled.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr auto quiet_after_paint = std::chrono::milliseconds(150);
constexpr auto give_up_after = std::chrono::seconds(20);

struct Memory {
    long rss = -1, pss = -1, private_dirty = -1;
};

Memory memory_of(pid_t pid) {
    const std::map<std::string, long Memory::*> fields = {
        {"Rss:", &Memory::rss}, {"Pss:", &Memory::pss}, {"Private_Dirty:", &Memory::private_dirty}};
    Memory memory;
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    for (std::string line; std::getline(rollup, line);) {
        std::istringstream words(line);
        std::string name;
        long kib = 0;
        if (!(words >> name >> kib)) continue;  // the header line
        if (const auto field = fields.find(name); field != fields.end()) memory.*(field->second) = kib;
    }
    return memory;
}

// Input-only windows cannot be watched for damage; their refusal is expected.
int ignore_x_errors(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

// Watches the windows that appear below the root: every new one gets a
// DAMAGE object, so the paint that follows its mapping is seen from the start.
class PaintWatcher {
public:
    explicit PaintWatcher(Display* display) : display_(display) {
        int error_base = 0;
        if (!XDamageQueryExtension(display, &damage_event_, &error_base)) damage_event_ = -1;
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }

    bool has_damage() const { return damage_event_ >= 0; }

    // Runs until the first paint of the first mapped window has settled, or
    // the limit passes. Returns false when no window was mapped.
    bool run(Clock::time_point start) {
        const auto deadline = start + give_up_after;
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) handle_next_event();
            if (mapped_ && Clock::now() - last_activity_ > quiet_after_paint) return true;
            pollfd connection{ConnectionNumber(display_), POLLIN, 0};
            poll(&connection, 1, 2);
        }
        return mapped_.has_value();
    }

    std::optional<Clock::time_point> mapped_;
    std::optional<Clock::time_point> last_paint_;

private:
    void handle_next_event() {
        XEvent event;
        XNextEvent(display_, &event);
        const auto now = Clock::now();
        if (event.type == CreateNotify && has_damage()) {
            XDamageCreate(display_, event.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (event.type == MapNotify && !mapped_) {
            mapped_ = now;
            window_ = event.xmap.window;
            last_activity_ = now;
        } else if (has_damage() && event.type == damage_event_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (mapped_ && damage.drawable == window_) {
                last_paint_ = now;
                last_activity_ = now;
            }
        }
    }

    Display* display_;
    int damage_event_ = -1;
    Window window_ = 0;
    Clock::time_point last_activity_;
};

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
    XSetErrorHandler(ignore_x_errors);
    PaintWatcher watcher(display);
    if (!watcher.has_damage()) {
        std::fprintf(stderr, "map_timer: the X server has no DAMAGE extension\n");
        return 2;
    }

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = watcher.run(start);
    const Memory memory = memory_of(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s mapped no window\n", argv[1]);
        return 1;
    }
    const double map_ms = Milliseconds(*watcher.mapped_ - start).count();
    const double paint_ms = Milliseconds(watcher.last_paint_.value_or(*watcher.mapped_) - start).count();
    std::printf("%.2f %.2f %ld %ld %ld\n", map_ms, paint_ms, memory.rss, memory.pss, memory.private_dirty);
    return 0;
}
