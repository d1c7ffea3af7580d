// Starts a program and reports, from outside, how long after the start its
// main window was mapped: an X11 client that watches the root window for
// MapNotify, so no polling interval blurs the figure. Splash windows and
// override-redirect popups are not the main window; only windows of the
// started process count.
//
//   map_timer [--settle MS] [--leave-running] [--timeout MS] -- PROGRAM ARGS...
//
// Prints one line: "map_ms=<ms> first_ms=<ms> window=<id> pid=<pid>
// hwm_kib=<VmHWM>": first_ms is the first window of the process (the splash
// if it has one), VmHWM is read MS milliseconds after the map (default 1500). The program is
// then ended, unless --leave-running, which leaves it for a driver.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long propertyCardinal(Display* dpy, Window w, Atom property) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long value = -1;
    if (XGetWindowProperty(dpy, w, property, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && count == 1 && format == 32) {
        value = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) {
        XFree(data);
    }
    return value;
}

bool hasWindowType(Display* dpy, Window w, Atom typeProperty, Atom wanted) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(dpy, w, typeProperty, 0, 16, False, XA_ATOM, &type, &format, &count,
                           &after, &data) == Success &&
        data && format == 32) {
        const auto* atoms = reinterpret_cast<unsigned long*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            found = found || atoms[i] == wanted;
        }
    }
    if (data) {
        XFree(data);
    }
    return found;
}

long vmHwmKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

int usage() {
    std::fprintf(stderr,
                 "usage: map_timer [--settle MS] [--leave-running] [--timeout MS] -- PROGRAM "
                 "ARGS...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int settleMs = 1500;
    int timeoutMs = 20000;
    bool leaveRunning = false;
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--settle") && i + 1 < argc) {
            settleMs = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc) {
            timeoutMs = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--leave-running")) {
            leaveRunning = true;
        } else if (!std::strcmp(argv[i], "--")) {
            ++i;
            break;
        } else {
            return usage();
        }
    }
    if (i >= argc) {
        return usage();
    }

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "map_timer: cannot open display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(dpy);
    const Atom pidAtom = XInternAtom(dpy, "_NET_WM_PID", False);
    const Atom typeAtom = XInternAtom(dpy, "_NET_WM_WINDOW_TYPE", False);
    const Atom splashAtom = XInternAtom(dpy, "_NET_WM_WINDOW_TYPE_SPLASH", False);
    // Listening before the start, so no map can be missed.
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        // The program's chatter must not hold the driver's pipe open.
        if (const int null = open("/dev/null", O_RDWR); null >= 0) {
            dup2(null, STDIN_FILENO);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(argv[i], argv + i);
        std::perror("exec");
        _exit(127);
    }

    Window mapped = 0;
    double mapMs = -1;
    double firstMs = -1; // the first window of the process, the splash if any
    const int fd = ConnectionNumber(dpy);
    while (!mapped) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type != MapNotify || ev.xmap.override_redirect) {
                continue;
            }
            const auto at = Clock::now();
            const Window w = ev.xmap.window;
            if (propertyCardinal(dpy, w, pidAtom) != pid) {
                continue;
            }
            if (firstMs < 0) {
                firstMs = std::chrono::duration<double, std::milli>(at - start).count();
            }
            if (hasWindowType(dpy, w, typeAtom, splashAtom)) {
                continue;
            }
            mapped = w;
            mapMs = std::chrono::duration<double, std::milli>(at - start).count();
            break;
        }
        if (mapped) {
            break;
        }
        const double waited =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        int status;
        if (waited > timeoutMs || waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "map_timer: no main window was mapped\n");
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return 1;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 50);
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    std::printf("map_ms=%.1f first_ms=%.1f window=%lu pid=%d hwm_kib=%ld\n", mapMs, firstMs, mapped,
                pid, vmHwmKib(pid));
    std::fflush(stdout);
    XCloseDisplay(dpy);
    if (!leaveRunning) {
        kill(pid, SIGTERM);
        int status;
        waitpid(pid, &status, 0);
    }
    return 0;
}
