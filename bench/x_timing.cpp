// Times what a user of an X11 program feels, from outside the program, with X's own events:
//
//   x_timing startup PROGRAM    how long from starting PROGRAM until its window's first paint
//                               reaches the X server, and the peak memory at that moment;
//                               prints "milliseconds kibibytes"
//   x_timing keys NAME COUNT    for COUNT key presses sent with XTest to the window titled
//                               NAME (alternately "a" and BackSpace), how long until the
//                               window has repainted; prints the median in milliseconds
//
// A paint is seen as a DAMAGE event on the window, so nothing inside the program is needed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peak_rss_kib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Waits for the next damage to `window`; false after `patience_ms` without one.
bool wait_for_damage(Display* display, int damage_event_base, int patience_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(patience_ms);
    const int connection = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damage_event_base + XDamageNotify) {
                return true;
            }
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval tick{0, 1000};
        select(connection + 1, &readable, nullptr, nullptr, &tick);
    }
    return false;
}

int startup(Display* display, int damage_base, char** program) {
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(program[0], program);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);
    Window mapped = None;
    while (mapped == None && Clock::now() < deadline) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root) {
            mapped = event.xmap.window;
        }
    }
    Damage damage = XDamageCreate(display, mapped, XDamageReportNonEmpty);
    const bool painted = wait_for_damage(display, damage_base, 20000);
    const double elapsed = milliseconds_since(start);
    const long rss = peak_rss_kib(pid);
    XDamageDestroy(display, damage);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    if (!painted) {
        std::fprintf(stderr, "no paint seen\n");
        return 1;
    }
    std::printf("%.1f %ld\n", elapsed, rss);
    return 0;
}

Window find_window(Display* display, Window under, const char* name) {
    char* title = nullptr;
    if (XFetchName(display, under, &title) != 0 && title != nullptr) {
        const bool match = std::strcmp(title, name) == 0;
        XFree(title);
        XWindowAttributes attributes;
        if (match && XGetWindowAttributes(display, under, &attributes) != 0 &&
            attributes.map_state == IsViewable) {
            return under;
        }
    }
    Window root_return = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = None;
    if (XQueryTree(display, under, &root_return, &parent, &children, &count) != 0) {
        for (unsigned i = 0; i < count && found == None; ++i) {
            found = find_window(display, children[i], name);
        }
        XFree(children);
    }
    return found;
}

int keys(Display* display, int damage_base, const char* name, int count) {
    const Window window = find_window(display, DefaultRootWindow(display), name);
    if (window == None) {
        std::fprintf(stderr, "no window titled %s\n", name);
        return 1;
    }
    Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    const KeyCode letter = XKeysymToKeycode(display, XK_a);
    const KeyCode backspace = XKeysymToKeycode(display, XK_BackSpace);
    std::vector<double> latencies;
    for (int i = 0; i < count; ++i) {
        XDamageSubtract(display, damage, None, None);
        XSync(display, False);
        while (XPending(display) > 0) {  // drop damage that came before this key
            XEvent stale;
            XNextEvent(display, &stale);
        }
        const KeyCode key = i % 2 == 0 ? letter : backspace;
        const auto start = Clock::now();
        XTestFakeKeyEvent(display, key, True, CurrentTime);
        XTestFakeKeyEvent(display, key, False, CurrentTime);
        XFlush(display);
        if (wait_for_damage(display, damage_base, 5000)) {
            latencies.push_back(milliseconds_since(start));
        }
    }
    XDamageDestroy(display, damage);
    if (latencies.empty()) {
        std::fprintf(stderr, "no repaint seen\n");
        return 1;
    }
    const auto middle = latencies.begin() + static_cast<std::ptrdiff_t>(latencies.size() / 2);
    std::nth_element(latencies.begin(), middle, latencies.end());
    std::printf("%.2f\n", *middle);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    int damage_base = 0;
    int damage_error = 0;
    if (!XDamageQueryExtension(display, &damage_base, &damage_error)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    if (argc >= 3 && std::strcmp(argv[1], "startup") == 0) {
        return startup(display, damage_base, argv + 2);
    }
    if (argc == 4 && std::strcmp(argv[1], "keys") == 0) {
        return keys(display, damage_base, argv[2], std::atoi(argv[3]));
    }
    std::fprintf(stderr, "usage: %s startup PROGRAM [ARG...] | keys NAME COUNT\n", argv[0]);
    return 2;
}
